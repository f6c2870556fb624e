#include "sound/ReprodutorMIDI.h"

#include <algorithm>
#include <exception>

namespace tessara {

void ReprodutorMIDI::enviar(SaidaMIDI& saida, const EventoReproducao& evento) {
  using Tipo = EventoReproducao::Tipo;
  switch (evento.tipo) {
    case Tipo::LigarNota: saida.ligarNota(CANAL, VELOCIDADE, evento.valor); break;
    case Tipo::DesligarNota: saida.desligarNota(CANAL, evento.valor); break;
    case Tipo::Reiniciar: saida.reiniciar(); break;
    case Tipo::Destacar:
    case Tipo::ApagarDestaque: break;
  }
}

void ReprodutorMIDI::executar(const PlanoReproducao& plano,
                              const std::function<void(const EventoReproducao&)>& aoDestacar) {
  using Tipo = EventoReproducao::Tipo;
  std::chrono::milliseconds agora{0};
  for (const auto& evento : plano.getEventos()) {
    if (evento.instante > agora) esperar(evento.instante - agora);
    agora = std::max(agora, evento.instante);
    const bool destaque = evento.tipo == Tipo::Destacar || evento.tipo == Tipo::ApagarDestaque;
    if (!destaque) {
      enviar(saida_, evento);
    } else if (aoDestacar) {
      aoDestacar(evento);
    }
  }
}

void ReprodutorMIDI::tocarAcorde(const std::vector<int>& notasPorCorda) {
  executar(PlanoReproducao::deAcorde(notasPorCorda));
}

void ReprodutorMIDI::tocarEscala(const std::vector<int>& notas) {
  executar(PlanoReproducao::deEscala(notas));
}

void ReprodutorMIDI::testarDispositivo(int dispositivo) {
  try {
    saida_.selecionarDispositivo(dispositivo);
    saida_.setInstrumento(CANAL, 0);
    executar(PlanoReproducao::deTeste(PRIMEIRA_NOTA_TESTE, ULTIMA_NOTA_TESTE));
  } catch (const std::exception&) {
    // The wizard asks whether anything was heard; a device that fails is simply not heard.
  }
}

}  // namespace tessara
