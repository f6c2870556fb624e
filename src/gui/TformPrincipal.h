#pragma once

#include <QPixmap>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "ReprodutorPlano.h"
#include "telas/EstadoConfiguracoes.h"
#include "app/FachadaGUI.h"
#include "foundations/ColecaoPtr.h"
#include "instruments/InstrumentoCordas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace tessara {

class AbridorAjuda;
class DException;
class Braco;
class Fachada;
class Interacao;
class TformAviso;
class TformImpressao;
class TformVisualizarImpressao;
class TformImportarCifra;
class TformAssistenteMIDI;
class TformConfiguracoes;
class WidgetBraco;

// The main window: the fretboard between a top bar and a bottom bar, in chord mode (type or
// pick a chord, step through its fingerings, edit them by clicking, keep a print list) or in
// scale mode (pick a scale and a key, step through its positions). It is also the logic's
// view of the window: the print list, the key chosen, the mode.
class TformPrincipal : public QWidget, public FachadaGUI {
  Q_OBJECT

 public:
  static constexpr int LARGURA = 797;
  static constexpr int ALTURA = 519;
  static constexpr int ALTURA_BARRA_SUPERIOR = 80;

  // Playback runs on the window's timer unless another agenda is given.
  TformPrincipal(Fachada& fachada, Interacao& interacao, QWidget* pai = nullptr,
                 std::unique_ptr<AgendaReproducao> agenda = nullptr);
  ~TformPrincipal() override;

  bool modoEscalas() const { return modoEscalas_; }
  Braco& getBraco() { return *braco_; }
  TformImpressao& getImpressao() { return *impressao_; }
  TformVisualizarImpressao& getVisualizacao() { return *visualizacao_; }

  // Shows the print dialog modally, prepared for the chord sheet or for the print list.
  void abrirImpressao(int modo);
  TformImportarCifra& getImportarCifra() { return *importarCifra_; }

  // A chord by its name at the end of the print list; unless `sempre`, only when no line holds
  // that name yet. A name the chord manager refuses adds nothing. The chord manager is left
  // with no chord current.
  void adicionarAcordeListaImpressao(const std::string& nome, bool sempre);
  void limparListaImpressao();
  TformConfiguracoes& getConfiguracoes() { return *configuracoes_; }
  TformAssistenteMIDI& getAssistente() { return *assistente_; }

  // What the logic asks of the window.
  Posicoes getListaImpressao() const override;
  std::optional<TamanhoPagina> tamanhoPaginaImpressora() const override;
  std::unique_ptr<SuperficieImagens> criarImagens(int largura, int altura) override;
  void desenharVisualizacao(const Imagem& pagina, int numeroPaginas, int largura,
                            int altura) override;
  std::string getTonicaEscolhida() const override;
  bool configuracaoPeloInstrumento() const override { return abertoPeloInstrumento_; }
  bool exibindoEscalas() const override { return modoEscalas_; }
  void mostrarVisualizacao() override;

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void showEvent(QShowEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;

 private:
  QString texto(const char* secao, const char* chave) const;
  QPushButton* botao(const char* chave, const QRect& lugar, const char* dica = nullptr);
  void carregarBarras();
  void pintarBarras(QPainter& pintor);
  void montarBarraSuperior();
  void montarBarraInferior();
  void montarListaImpressao();
  void selecionarInstrumentoConfigurado();
  void avisarInstrumentoPerdido(const DException& erro);
  void aplicarConfiguracaoMidi();
  void abrirConfiguracoes(bool peloInstrumento);
  // With no device chosen yet, the first showing runs the MIDI set-up wizard.
  void executarAssistenteInicial();
  void regenerarListaImpressao(const std::optional<InstrumentoCordas>& antes);

  void ativarModoAcordes();
  void ativarModoEscalas();
  void mostrarControlesDoModo();
  void preencherModosVisualizacao();
  void mudarModoVisualizacao(int modo);

  void acordeDigitado();
  void acordeEscolhido(int indice);
  void mostrarAcordeAtual();
  void descobrirAcorde();
  void escalaEscolhida();
  void seta(bool proxima);
  void ouvir();
  void limparBraco();

  void adicionarImpressao();
  void substituirImpressao();
  // The fretboard's fingering, named as the chord manager names it when it takes its name.
  QString nomearParaImpressao(const PosicaoHarmonicaInstrumentoCordas& posicao);
  void removerImpressao();
  void mostrarLinhaImpressao();

  Fachada& fachada_;
  std::unique_ptr<Braco> braco_;
  std::unique_ptr<AbridorAjuda> abridor_;
  WidgetBraco* widgetBraco_ = nullptr;
  ReprodutorPlano* reprodutor_ = nullptr;
  TformAviso* aviso_ = nullptr;
  TformImpressao* impressao_ = nullptr;
  TformVisualizarImpressao* visualizacao_ = nullptr;
  TformImportarCifra* importarCifra_ = nullptr;
  EstadoConfiguracoes estadoConfiguracoes_;
  TformConfiguracoes* configuracoes_ = nullptr;
  TformAssistenteMIDI* assistente_ = nullptr;
  bool assistentePendente_ = false;
  bool abertoPeloInstrumento_ = false;
  // One per line of the print list, in its order.
  std::vector<PosicaoHarmonicaInstrumentoCordas> posicoesImpressao_;
  bool modoEscalas_ = false;
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
  QComboBox* comboBaseAcordes_ = nullptr;
  QComboBox* comboNomeEscalas_ = nullptr;
  QComboBox* comboTomEscalas_ = nullptr;
  QPushButton* btnAnterior_ = nullptr;
  QPushButton* btnProximo_ = nullptr;
  QPushButton* btnOuvir_ = nullptr;
  QPushButton* btnLimparBraco_ = nullptr;
  QPushButton* btnInstrumento_ = nullptr;
  QListWidget* listaImpressao_ = nullptr;
  QPushButton* btnAdicionar_ = nullptr;
  QPushButton* btnSubstituir_ = nullptr;
  QPushButton* btnRemover_ = nullptr;
  QPushButton* btnImprimir_ = nullptr;
};

}  // namespace tessara
