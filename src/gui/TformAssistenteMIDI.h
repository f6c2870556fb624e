#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ReprodutorPlano.h"
#include "TextosJanela.h"

class QLabel;
class QPushButton;

namespace tessara {

class Fachada;

// Finds a MIDI output the user can hear: tries the devices one after the other, playing a
// short run of notes on each and asking whether it was heard. The result is the device heard,
// CANCELADO, or NENHUM_OUVIDO when none was (or there is none): never a device's number.
class TformAssistenteMIDI : public QDialog {
  Q_OBJECT

 public:
  static constexpr int LARGURA = 643;
  static constexpr int ALTURA = 255;
  static constexpr int CANCELADO = -1;
  static constexpr int NENHUM_OUVIDO = -2;
  static constexpr int PRIMEIRA_NOTA_TESTE = 60;
  static constexpr int ULTIMA_NOTA_TESTE = 83;

  // Starts a program detached, with its arguments; true when it started. Tests pass a recorder.
  using Lancador = std::function<bool(const QString& programa, const QStringList& argumentos)>;

  // The device names are read now, once. Without an agenda the test run plays on a timer.
  explicit TformAssistenteMIDI(Fachada& fachada, QWidget* pai = nullptr,
                               std::unique_ptr<AgendaReproducao> agenda = nullptr,
                               Lancador lancador = {});
  ~TformAssistenteMIDI() override;

  // Runs the wizard modally from its first device and returns its result.
  int executar();
  int getResultado() const { return resultado_; }

  // Starts the desktop's volume control; the language's message when none starts.
  void abrirControleVolume();

 protected:
  void showEvent(QShowEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;
  void done(int resultado) override;

 private:
  enum class Passo { Apresentar, Perguntar, Cancelado, Ouvido };

  QPushButton* botao(const char* chave, int x);
  void montarPagina();
  void mostrarFinal(const char* titulo, const char* explicacao);
  void prosseguir();
  void testeTerminado();
  void lerDispositivos();
  void irPara(Passo passo);
  void restaurarSaida();

  Fachada& fachada_;

  // The window's texts; declared after the façade, which it reads.

  const TextosJanela texto{fachada_, "fmAssistenteMIDI"};
  Lancador lancador_;
  ReprodutorPlano* reprodutor_;
  std::vector<std::string> dispositivos_;
  int candidato_ = 0;
  Passo passo_ = Passo::Apresentar;
  int resultado_ = 0;
  // Whether this run opened a device of its own.
  bool tentou_ = false;

  QLabel* lblTitulo1_;
  QLabel* lblExplicacao1_;
  QLabel* lblLinkVolume_;
  QLabel* lblTitulo2_;
  QLabel* lblExplicacao2_;
  QPushButton* btnEscutando_;
  QPushButton* btnNaoEscutando_;
  QPushButton* btnProsseguir_;
  QPushButton* btnCancelar_;
  QPushButton* btnFinalizar_;
};

}  // namespace tessara
