#include "sound/ReprodutorMIDI.h"

#include <exception>

namespace tessara {

void ReprodutorMIDI::tocarAcorde(const std::vector<int>& notasPorCorda) {
  for (int nota : notasPorCorda) {
    if (nota < 0) continue;  // a string not played takes no time
    saida_.ligarNota(CANAL, VELOCIDADE, nota);
    esperar(INTERVALO_ACORDE);
  }
  saida_.reiniciar();
}

void ReprodutorMIDI::tocarNotaEscala(int nota) {
  saida_.ligarNota(CANAL, VELOCIDADE, nota);
  esperar(DURACAO_NOTA_ESCALA);
  saida_.desligarNota(CANAL, nota);
}

void ReprodutorMIDI::tocarEscala(const std::vector<int>& notas) {
  for (int nota : notas) {
    if (nota >= 0) tocarNotaEscala(nota);
  }
}

void ReprodutorMIDI::testarDispositivo(int dispositivo) {
  try {
    saida_.selecionarDispositivo(dispositivo);
    saida_.setInstrumento(CANAL, 0);
    for (int nota = PRIMEIRA_NOTA_TESTE; nota <= ULTIMA_NOTA_TESTE; ++nota) {
      saida_.ligarNota(CANAL, VELOCIDADE, nota);
      esperar(INTERVALO_TESTE);
    }
    saida_.reiniciar();
  } catch (const std::exception&) {
    // The wizard asks whether anything was heard; a device that fails is simply not heard.
  }
}

}  // namespace tessara
