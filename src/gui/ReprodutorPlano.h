#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "sound/PlanoReproducao.h"

class QWidget;

namespace tessara {

class Braco;
class Fachada;

// When the player's next step runs. The window's is a single-shot timer; a test drives its
// own by hand, so that a schedule is checked without waiting for it.
class AgendaReproducao {
 public:
  virtual ~AgendaReproducao() = default;
  // Time since a fixed point of this agenda.
  virtual std::chrono::milliseconds agora() const = 0;
  // Runs `acao` once, `espera` from now, in place of anything still waiting.
  virtual void agendar(std::chrono::milliseconds espera, std::function<void()> acao) = 0;
  virtual void cancelar() = 0;
};

// The window's agenda: a single-shot timer on the event loop.
class AgendaTimer : public AgendaReproducao {
 public:
  AgendaTimer();
  std::chrono::milliseconds agora() const override;
  void agendar(std::chrono::milliseconds espera, std::function<void()> acao) override;
  void cancelar() override;

 private:
  QTimer timer_;
  QElapsedTimer relogio_;
  std::function<void()> acao_;
};

// Plays a plan (a chord, a scale, a test run) from the window without blocking it: each step
// waits on the agenda, then sends its notes through the façade and its highlights to the
// fretboard, if there is one, which is repainted. One plan at a time.
class ReprodutorPlano : public QObject {
  Q_OBJECT

 public:
  // `vista` is repainted when a highlight changes; without an agenda, a timer is used.
  ReprodutorPlano(Fachada& fachada, Braco& braco, QWidget* vista,
                  std::unique_ptr<AgendaReproducao> agenda = nullptr, QObject* pai = nullptr);
  // A player of plans without highlights, where no fretboard is on show.
  ReprodutorPlano(Fachada& fachada, std::unique_ptr<AgendaReproducao> agenda,
                  QObject* pai = nullptr);
  ~ReprodutorPlano() override;

  // Stops any plan playing, then starts this one; an empty plan starts nothing.
  void tocar(const PlanoReproducao& plano);
  // Silences the output and clears the highlights, playing or not.
  void parar();
  bool tocando() const { return tocando_; }

 signals:
  void iniciado();
  // At the plan's end, or when it was stopped.
  void terminado();

 private:
  void agendarProximo();
  void passo();

  Fachada& fachada_;
  Braco* braco_;
  QPointer<QWidget> vista_;
  std::unique_ptr<AgendaReproducao> agenda_;
  std::vector<EventoReproducao> eventos_;
  size_t proximo_ = 0;
  // The agenda's time at the plan's start: each step is timed from it, so waits do not drift.
  std::chrono::milliseconds inicio_{0};
  bool tocando_ = false;
};

}  // namespace tessara
