#pragma once

#include <chrono>
#include <vector>

#include "sound/SaidaMIDI.h"

namespace tessara {

// What the fretboard and the driver wizard play, on channel 1 at full velocity, with the waits
// of the output's clock between the notes. Every call blocks for its whole duration.
class ReprodutorMIDI {
 public:
  static constexpr int CANAL = 1;
  static constexpr int VELOCIDADE = 127;
  static constexpr std::chrono::milliseconds INTERVALO_ACORDE{160};
  static constexpr std::chrono::milliseconds DURACAO_NOTA_ESCALA{1000};
  static constexpr std::chrono::milliseconds INTERVALO_TESTE{80};
  static constexpr int PRIMEIRA_NOTA_TESTE = 60;
  static constexpr int ULTIMA_NOTA_TESTE = 83;

  explicit ReprodutorMIDI(SaidaMIDI& saida) : saida_(saida) {}

  // The notes of a fingering, one per string from the lowest (-1: the string is not played):
  // each sounding string 160 ms after the previous one, then a reset 160 ms after the last.
  void tocarAcorde(const std::vector<int>& notasPorCorda);

  // Note on, one second, note off.
  void tocarNotaEscala(int nota);
  // Each note in turn as above; -1 entries are skipped.
  void tocarEscala(const std::vector<int>& notas);

  // The driver wizard's test run: opens the device, program 0, the notes 60..83 80 ms apart,
  // reset. Any error is ignored: the user simply hears nothing.
  void testarDispositivo(int dispositivo);

 private:
  void esperar(std::chrono::milliseconds duracao) { saida_.getRelogio().esperar(duracao); }

  SaidaMIDI& saida_;
};

}  // namespace tessara
