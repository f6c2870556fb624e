#pragma once

#include <chrono>
#include <functional>
#include <vector>

#include "sound/PlanoReproducao.h"
#include "sound/SaidaMIDI.h"

namespace tessara {

// Runs playback plans on the output, with the waits of the output's clock between the events:
// every call blocks for its whole duration. Windows run plans on a timer instead.
class ReprodutorMIDI {
 public:
  static constexpr int CANAL = PlanoReproducao::CANAL;
  static constexpr int VELOCIDADE = PlanoReproducao::VELOCIDADE;
  static constexpr int PRIMEIRA_NOTA_TESTE = 60;
  static constexpr int ULTIMA_NOTA_TESTE = 83;

  explicit ReprodutorMIDI(SaidaMIDI& saida) : saida_(saida) {}

  // Sends one event's MIDI message; highlighting is the caller's.
  static void enviar(SaidaMIDI& saida, const EventoReproducao& evento);
  // Every event at its instant; `aoDestacar` hears the highlighting events.
  void executar(const PlanoReproducao& plano,
                const std::function<void(const EventoReproducao&)>& aoDestacar = {});

  // The notes of a fingering, one per string from the lowest (-1: the string is not played):
  // each sounding string 160 ms after the previous one, then a reset 160 ms after the last.
  void tocarAcorde(const std::vector<int>& notasPorCorda);
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
