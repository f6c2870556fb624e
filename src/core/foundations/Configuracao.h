#pragma once

#include <cstdint>
#include <string>

namespace tessara {

// The user settings as values. Fields nothing reads are still kept and written back.
struct Configuracao {
  std::string idioma;
  int32_t driver = 0;
  int8_t posicaoBraco = 0;
  int8_t politicaNovoPadrao = 0;
  int8_t politicaNovoInstrumento = 0;
  int32_t volume = 0;
  std::string instrumento;
  int32_t visualExecucao = 0;
  int32_t visualAcordes = 0;
  int32_t exibicaoEscalas = 0;
  int32_t capo = 0;            // the fret, 0 for none
  std::string disposicao;      // the voicing's name ("root", "drop2"...)
  int32_t escala = 100;        // the main window's size, in percent of its own
  int32_t bracoInteiro = 0;    // scales on the whole neck (1) or position by position (0)
  std::string entradaAudio;    // the sound input's device name, empty for the system's default
  int32_t referenciaLa = 440;  // the tuner's A above middle C, in hertz
};

}  // namespace tessara
