#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>
#include <string>
#include "TextosJanela.h"
#include "qt/PintorBraco.h"

class QButtonGroup;
class QGridLayout;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace tessara {

class EstadoConfiguracoes;
class Fachada;
class FachadaGUI;
class TformInstrumento;

// The settings dialog: the fretboard's orientation, the instruments (choose the current one,
// create, edit or remove one), the MIDI output device and the sound input (its device, the
// tuner's reference A, and a level meter that listens while the page is open). Its choices are kept
// in the EstadoConfiguracoes the main window owns, and applied on OK.
class TformConfiguracoes : public QDialog {
  Q_OBJECT

 public:
  enum Pagina { PAGINA_BRACO, PAGINA_INSTRUMENTOS, PAGINA_DRIVERS, PAGINA_ENTRADA };
  // The level meter is redrawn this often while its page is open.
  static constexpr int INTERVALO_NIVEL_MS = 33;

  TformConfiguracoes(Fachada& fachada, const FachadaGUI& gui, EstadoConfiguracoes& estado,
                     QWidget* pai = nullptr);

  // The MIDI set-up wizard, run by the driver page's button; without it the button is off.
  void definirAbrirAssistente(std::function<int()> abrir);

  // Opens on the instrument page when opened from the main window's instrument button, else
  // on the fretboard page; QDialog::Accepted or Rejected.
  int executar(bool peloInstrumento = false);

  TformInstrumento& getEditor() { return *editor_; }

  // Cancel: the instrument current when the dialog opened is current again, when it still
  // exists.
  void reject() override;

 protected:
  void showEvent(QShowEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;

 private:
  QWidget* montarPaginaBraco();
  void montarIdioma(QWidget& pagina, QGridLayout& grade);
  QWidget* montarPaginaInstrumentos();
  QWidget* montarPaginaDrivers();
  void desenharOrientacoes();
  void marcarOrientacao(int orientacao);
  int orientacaoMarcada() const;

  void preencherInstrumentos(int selecionar);
  void mostrarInstrumentoAtual();
  void atualizarBotoes();
  int linhaEscolhida();
  bool tornarAtual(int indice);
  void selecionarInstrumento();
  void novoInstrumento();
  void editarInstrumento();
  void removerInstrumento();

  void preencherDrivers();
  void abrirAssistente();
  QWidget* montarPaginaEntrada();
  void preencherEntradas();
  // The meter listens to the device chosen while its page is open, and stops otherwise.
  void medirNivel(bool ligar);
  std::string entradaEscolhida() const;

  void confirmar();
  void avisar(const std::string& mensagem) const;

  Fachada& fachada_;

  // The window's texts; declared after the façade, which it reads.

  const TextosJanela texto{fachada_, "fmConfiguracoes"};
  QComboBox* comboIdioma_ = nullptr;
  QLabel* lblNotaIdioma_ = nullptr;
  QComboBox* comboEscala_ = nullptr;
  int escalaAoAbrir_ = 0;
  const FachadaGUI& gui_;
  EstadoConfiguracoes& estado_;
  std::string instrumentoAoAbrir_;
  TformInstrumento* editor_ = nullptr;
  std::function<int()> abrirAssistente_;

  QTabWidget* pasta_ = nullptr;
  QButtonGroup* orientacoes_ = nullptr;
  std::array<QToolButton*, 4> figuras_{};
  // Their pictures, decoded once and kept while the instrument's kind stays.
  std::array<ImagensBraco, 4> imagensFiguras_;
  QLabel* lblNomeInstrumento_ = nullptr;
  QLabel* lblTipoAfinacao_ = nullptr;
  QListWidget* listaInstrumentos_ = nullptr;
  QPushButton* btnRemoverInst_ = nullptr;
  QListWidget* listaDrivers_ = nullptr;
  QPushButton* btnAssistenteDriver_ = nullptr;
  QComboBox* comboEntrada_ = nullptr;
  QSpinBox* spinReferenciaLa_ = nullptr;
  QProgressBar* barraNivel_ = nullptr;
  QLabel* lblAvisoEntrada_ = nullptr;
  QTimer medidor_;
};

}  // namespace tessara
