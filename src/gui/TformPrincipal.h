#pragma once

#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ReprodutorPlano.h"
#include "TextosJanela.h"
#include "instruments/InstrumentoCordas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"
#include "telas/EstadoConfiguracoes.h"

class QComboBox;
class QSizeGrip;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace tessara {

class AbridorAjuda;
class BotaoSeletorAcorde;
class DException;
class Braco;
class FaixaDiagramas;
class FaixaPosicoes;
class MenuFigura;
struct Figura;
class Fachada;
class FachadaGUI;
class FrenteJanelas;
class Interacao;
class ListaImpressao;
class ControleListaImpressao;
class TformAviso;
class TformImpressao;
class TformVisualizarImpressao;
class TformImportarCifra;
class TformAssistenteMIDI;
class TformConfiguracoes;
class TformOuvir;
class WidgetBraco;
struct VistaAcorde;

// The main window: the fretboard between a top bar and a bottom bar, in chord mode (type or
// pick a chord, step through its fingerings, edit them by clicking, keep a print list) or in
// scale mode (pick a scale and a key, step through its positions). It draws the window models
// (the fretboard, the print list) and wires the user's actions to them and to the façade.
class TformPrincipal : public QWidget {
  Q_OBJECT

 public:
  static constexpr int LARGURA = 797;
  static constexpr int ALTURA = 631;
  static constexpr int ALTURA_BARRA_SUPERIOR = 80;
  // The row of small diagrams between the fretboard and the bottom bar.
  static constexpr int Y_FAIXA = 405;
  static constexpr int ALTURA_FAIXA = 112;

  // Playback and the tuner run on the window's timers unless other agendas are given.
  TformPrincipal(Fachada& fachada, Interacao& interacao, QWidget* pai = nullptr,
                 std::unique_ptr<AgendaReproducao> agenda = nullptr,
                 std::unique_ptr<AgendaReproducao> agendaOuvir = nullptr);
  ~TformPrincipal() override;

  bool modoEscalas() const { return modoEscalas_; }
  Braco& getBraco() { return *braco_; }
  // How large the window draws its skin now, in percent of its own size.
  int escalaEmPorcento() const;
  ListaImpressao& getListaImpressao() { return *lista_; }
  // What the logic asks of the windows, for the root to register.
  FachadaGUI& getFrente();
  TformImpressao& getImpressao() { return *impressao_; }
  TformVisualizarImpressao& getVisualizacao() { return *visualizacao_; }

  // Shows the print dialog modally, prepared for the chord sheet or for the print list.
  void abrirImpressao(int modo);
  TformImportarCifra& getImportarCifra() { return *importarCifra_; }
  ControleListaImpressao& getControleLista() { return *controleLista_; }

  TformConfiguracoes& getConfiguracoes() { return *configuracoes_; }
  MenuFigura& getMenuFigura() { return *menuFigura_; }
  TformAssistenteMIDI& getAssistente() { return *assistente_; }
  TformOuvir& getOuvir() { return *ouvir_; }

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void showEvent(QShowEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseDoubleClickEvent(QMouseEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;

 private:
  QPushButton* botao(const char* chave, const QRect& lugar, const char* dica = nullptr);
  // A list named `nome` with its tooltip and its items.
  QComboBox* combo(const char* nome, const QRect& lugar, const char* dica,
                   const std::vector<std::string>& itens = {});
  void carregarBarras();
  void pintarBarras(QPainter& pintor);
  void pintarFaixa(QPainter& pintor);
  void montarBarraSuperior();
  void montarBarraInferior();
  void montarListaImpressao();
  void selecionarInstrumentoConfigurado();
  void avisarInstrumentoPerdido(const DException& erro);
  void aplicarConfiguracaoMidi();
  void abrirConfiguracoes(bool peloInstrumento);
  static bool mesmoInstrumento(const std::optional<InstrumentoCordas>& antes,
                               const InstrumentoCordas* atual);
  void seguirInstrumento(const std::optional<InstrumentoCordas>& antes);
  // With no device chosen yet, the first showing runs the MIDI set-up wizard.
  // Runs the MIDI set-up wizard and uses the device it found.
  void executarAssistente();

  void ativarModoAcordes();
  void ativarModoEscalas();
  void mostrarControlesDoModo();
  void preencherModosVisualizacao();
  void mudarModoVisualizacao(int modo);
  // The scale on the whole neck or one position at a time; kept in the settings.
  void mudarBracoInteiro(bool inteiro);

  // The voicing beside the chord's name and the capo beside the instrument: both go to the
  // settings and the chord on show is fingered again.
  void montarDisposicaoECapo(int y);
  void mudarDisposicao(int indice);
  void mudarCapo(int casa);
  // Fills the capo list up to the instrument's last fret (at most the twelfth).
  void limitarCapo();
  void refazerAcorde();

  void acordeDigitado();
  void acordeEscolhido(int indice);
  // The chord's fingering on the fretboard and its name in the lists.
  void mostrarAcorde(const VistaAcorde& vista);
  // False, after telling the user, when the fingering sounds no string.
  bool exibirPosicao(const VistaAcorde& vista);
  void mostrarNomes(const VistaAcorde& vista);
  void voltarEdicao(bool desfazer);
  void descreverBraco();
  void guardarLugares();
  // The size the settings keep, in percent of the window's own.
  void aplicarEscalaConfigurada();
  void descobrirAcorde();
  void escalaEscolhida();
  // The root label chosen in the key list; empty when none is.
  std::string tonicaEscolhida() const;
  void seta(bool proxima);
  // The fretboard drawn again, and the count of what the arrows browse.
  void redesenharBraco();
  QString contagem() const;
  // F1 help, Ctrl+P print, Ctrl+Q quit.
  void montarAtalhos();
  // The row of every fingering under the fretboard, with the count beside it.
  void montarFaixa();
  void escolherNaFaixa(int indice);
  // What Ctrl+C copies: the diagram of the fingering on the fretboard, or in scale mode (or
  // with no chord) the fretboard itself.
  Figura figuraAtual();
  void ouvir();
  // A chord the tuner recognised, fingered as a typed name would be; nothing when it has no
  // fingering on this instrument.
  void mostrarAcordeOuvido(const QString& nome);
  // Whether there is sound to play through; if not, the status line says why, once.
  bool conferirSaida();
  void limparBraco();

  void adicionarImpressao();
  void substituirImpressao();
  void removerImpressao();
  void mostrarLinhaImpressao();
  // The list widget draws the print list again, keeping its selection.
  void desenharListaImpressao();
  // The list widget's selected lines become the model's.
  void copiarSelecao();
  // The chord list follows the chord base, which typing or the chord sheet may have grown to
  // that many names.
  void atualizarNomesAcordes(int numeroAcordes);

  Fachada& fachada_;

  // The window's texts; declared after the façade, which it reads.

  const TextosJanela texto{fachada_, "fmPrincipal"};
  TformVisualizarImpressao* visualizacao_ = nullptr;
  std::unique_ptr<FrenteJanelas> frente_;
  std::unique_ptr<ListaImpressao> lista_;
  std::unique_ptr<Braco> braco_;
  std::unique_ptr<AbridorAjuda> abridor_;
  std::unique_ptr<FaixaPosicoes> faixa_;
  WidgetBraco* widgetBraco_ = nullptr;
  FaixaDiagramas* faixaDiagramas_ = nullptr;
  MenuFigura* menuFigura_ = nullptr;
  ReprodutorPlano* reprodutor_ = nullptr;
  TformAviso* aviso_ = nullptr;
  TformImpressao* impressao_ = nullptr;
  TformImportarCifra* importarCifra_ = nullptr;
  EstadoConfiguracoes estadoConfiguracoes_;
  TformConfiguracoes* configuracoes_ = nullptr;
  TformAssistenteMIDI* assistente_ = nullptr;
  TformOuvir* ouvir_ = nullptr;
  bool assistentePendente_ = false;
  bool modoEscalas_ = false;
  int indiceEscalaSalvo_ = -1;  // the scale's position when chord mode took over
  // The bars' pictures; empty where the language has none, and then drawn in code.
  QPixmap barraSuperior_;
  QPixmap barraInferior_;
  QPixmap painelOpcoes_;
  QPixmap painelAcordes_;
  QPixmap painelEscalas_;
  QPixmap painelLista_;

  QPushButton* btnBaseAcordes_ = nullptr;
  QPushButton* btnExibicaoEscalas_ = nullptr;
  QLabel* lblModoVisualizacao_ = nullptr;
  QComboBox* comboModoVisualizacao_ = nullptr;
  QLineEdit* editNomeAcorde_ = nullptr;
  QComboBox* comboDisposicao_ = nullptr;
  QComboBox* comboCapo_ = nullptr;
  QComboBox* comboBaseAcordes_ = nullptr;
  BotaoSeletorAcorde* seletorAcorde_ = nullptr;
  QPushButton* btnBracoInteiro_ = nullptr;
  QComboBox* comboNomeEscalas_ = nullptr;
  QComboBox* comboTomEscalas_ = nullptr;
  QLabel* lblContagem_ = nullptr;
  QLabel* lblEstado_ = nullptr;
  // Each control's place at the window's own size, and how the window is drawn now.
  std::vector<std::pair<QPointer<QWidget>, QRect>> lugares_;
  double fator_ = 1;
  QPoint origem_;
  QSizeGrip* alca_ = nullptr;  // what went wrong, with the way to mend it
  QPushButton* btnAnterior_ = nullptr;
  QPushButton* btnProximo_ = nullptr;
  QPushButton* btnOuvir_ = nullptr;
  QPushButton* btnLimparBraco_ = nullptr;
  QPushButton* btnInstrumento_ = nullptr;
  QListWidget* listaImpressao_ = nullptr;
  ControleListaImpressao* controleLista_ = nullptr;
  QPushButton* btnAdicionar_ = nullptr;
  QPushButton* btnSubstituir_ = nullptr;
  QPushButton* btnRemover_ = nullptr;
  QPushButton* btnImprimir_ = nullptr;
};

}  // namespace tessara
