#pragma once

#include <memory>

#include "DialogoSemBorda.h"
#include "ReprodutorPlano.h"
#include "telas/PainelOuvir.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace tessara {

class MostradorAfinacao;

// The tuner and chord finder: listens to the input chosen in Settings, shows the note heard
// against each open string of the current instrument and names the chord played. A newly
// recognised chord is announced for the main window to show on its fretboard. It listens
// from Start to Stop, or until it is closed; a line says why it cannot.
class TformOuvir : public DialogoSemBorda {
  Q_OBJECT

 public:
  static constexpr int LARGURA = 580;
  static constexpr int ALTURA = 470;
  // The window is redrawn this often while listening (about 30 times a second).
  static constexpr std::chrono::milliseconds INTERVALO{33};

  // Runs on the window's timer unless another agenda is given.
  explicit TformOuvir(Fachada& fachada, QWidget* pai = nullptr,
                      std::unique_ptr<AgendaReproducao> agenda = nullptr);
  ~TformOuvir() override;

  void iniciar();
  void parar();
  bool escutando() const { return painel_.ativo(); }

 signals:
  // A chord recognised for the first time since the last one, by its name in the current
  // grammar.
  void acordeReconhecido(const QString& nome);

 protected:
  void hideEvent(QHideEvent* evento) override;

 private:
  void tique();
  void atualizarTela();

  PainelOuvir painel_;
  std::unique_ptr<AgendaReproducao> agenda_;
  QPushButton* btnIniciar_ = nullptr;
  QProgressBar* barraNivel_ = nullptr;
  QLabel* lblAviso_ = nullptr;
  QLabel* lblNota_ = nullptr;
  QLabel* lblFrequencia_ = nullptr;
  MostradorAfinacao* mostrador_ = nullptr;
  QLabel* lblAcorde_ = nullptr;
};

}  // namespace tessara
