#include "ReprodutorPlano.h"

#include <QWidget>
#include <algorithm>
#include <utility>

#include "app/Fachada.h"
#include "telas/Braco.h"

namespace tessara {

using std::chrono::milliseconds;

AgendaTimer::AgendaTimer() {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  relogio_.start();
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
    // The action may schedule the next one.
    auto acao = std::exchange(acao_, {});
    if (acao) acao();
  });
}

milliseconds AgendaTimer::agora() const { return milliseconds(relogio_.elapsed()); }

void AgendaTimer::agendar(milliseconds espera, std::function<void()> acao) {
  acao_ = std::move(acao);
  timer_.start(std::max(espera, milliseconds(0)));
}

void AgendaTimer::cancelar() {
  timer_.stop();
  acao_ = {};
}

ReprodutorPlano::ReprodutorPlano(Fachada& fachada, Braco& braco, QWidget* vista,
                                 std::unique_ptr<AgendaReproducao> agenda, QObject* pai)
    : QObject(pai),
      fachada_(fachada),
      braco_(&braco),
      vista_(vista),
      agenda_(agenda ? std::move(agenda) : std::make_unique<AgendaTimer>()) {}

ReprodutorPlano::ReprodutorPlano(Fachada& fachada, std::unique_ptr<AgendaReproducao> agenda,
                                 QObject* pai)
    : QObject(pai),
      fachada_(fachada),
      braco_(nullptr),
      agenda_(agenda ? std::move(agenda) : std::make_unique<AgendaTimer>()) {}

ReprodutorPlano::~ReprodutorPlano() { agenda_->cancelar(); }

void ReprodutorPlano::tocar(const PlanoReproducao& plano) {
  if (tocando_) parar();
  if (plano.vazio()) return;
  eventos_ = plano.getEventos();
  proximo_ = 0;
  inicio_ = agenda_->agora();
  tocando_ = true;
  emit iniciado();
  agendarProximo();
}

void ReprodutorPlano::parar() {
  agenda_->cancelar();
  const bool tocava = tocando_;
  tocando_ = false;
  eventos_.clear();
  proximo_ = 0;
  fachada_.resetarMIDI();
  if (braco_ != nullptr) braco_->apagarDestaques();
  if (vista_) vista_->update();
  if (tocava) emit terminado();
}

void ReprodutorPlano::agendarProximo() {
  const milliseconds quando = inicio_ + eventos_[proximo_].instante;
  agenda_->agendar(quando - agenda_->agora(), [this] { passo(); });
}

void ReprodutorPlano::passo() {
  using Tipo = EventoReproducao::Tipo;
  // Everything due at this instant at once: a note stops as the next one starts.
  const milliseconds instante = eventos_[proximo_].instante;
  bool destacou = false;
  for (; proximo_ < eventos_.size() && eventos_[proximo_].instante <= instante; ++proximo_) {
    const EventoReproducao& evento = eventos_[proximo_];
    if (evento.tipo == Tipo::Destacar || evento.tipo == Tipo::ApagarDestaque) {
      if (braco_ != nullptr) braco_->aplicarDestaque(evento);
      destacou = true;
    } else {
      fachada_.enviarEvento(evento);
    }
  }
  if (destacou && vista_) vista_->update();
  if (proximo_ < eventos_.size()) {
    agendarProximo();
    return;
  }
  tocando_ = false;
  eventos_.clear();
  proximo_ = 0;
  emit terminado();
}

}  // namespace tessara
