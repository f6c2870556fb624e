#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "app/EstadoConfiguracoes.h"
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
class ReprodutorPlano;
class TformAviso;
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

  TformPrincipal(Fachada& fachada, Interacao& interacao, QWidget* pai = nullptr);
  ~TformPrincipal() override;

  bool modoEscalas() const { return modoEscalas_; }
  Braco& getBraco() { return *braco_; }
  TformConfiguracoes& getConfiguracoes() { return *configuracoes_; }

  // What the logic asks of the window.
  Posicoes getListaImpressao() const override;
  std::optional<TamanhoPagina> tamanhoPaginaImpressora() const override { return std::nullopt; }
  std::unique_ptr<SuperficieImagens> criarImagens(int largura, int altura) override;
  void desenharVisualizacao(const Imagem&, int, int, int) override {}
  std::string getTonicaEscolhida() const override;
  bool configuracaoPeloInstrumento() const override { return abertoPeloInstrumento_; }
  bool exibindoEscalas() const override { return modoEscalas_; }
  void mostrarVisualizacao() override {}

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;

 private:
  QString texto(const char* secao, const char* chave) const;
  QPushButton* botao(const char* chave, const QRect& lugar, const char* dica = nullptr);
  void montarBarraSuperior();
  void montarBarraInferior();
  void montarListaImpressao();
  void selecionarInstrumentoConfigurado();
  void avisarInstrumentoPerdido(const DException& erro);
  void aplicarConfiguracaoMidi();
  void abrirConfiguracoes(bool peloInstrumento);
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
  void removerImpressao();
  void mostrarLinhaImpressao();

  Fachada& fachada_;
  std::unique_ptr<Braco> braco_;
  std::unique_ptr<AbridorAjuda> abridor_;
  WidgetBraco* widgetBraco_ = nullptr;
  ReprodutorPlano* reprodutor_ = nullptr;
  TformAviso* aviso_ = nullptr;
  EstadoConfiguracoes estadoConfiguracoes_;
  TformConfiguracoes* configuracoes_ = nullptr;
  bool abertoPeloInstrumento_ = false;
  // One per line of the print list, in its order.
  std::vector<PosicaoHarmonicaInstrumentoCordas> posicoesImpressao_;
  bool modoEscalas_ = false;

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
