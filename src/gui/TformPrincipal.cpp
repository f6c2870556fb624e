#include "TformPrincipal.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSizeGrip>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <set>
#include <utility>

#include "AbridorAjuda.h"
#include "BotaoSeletorAcorde.h"
#include "ControleListaImpressao.h"
#include "EstiloJanelas.h"
#include "FaixaDiagramas.h"
#include "FrenteJanelas.h"
#include "MenuFigura.h"
#include "NomesAcessiveis.h"
#include "ReprodutorPlano.h"
#include "TformAssistenteMIDI.h"
#include "TformAviso.h"
#include "TformConfiguracoes.h"
#include "TformImportarCifra.h"
#include "TformImpressao.h"
#include "TformOuvir.h"
#include "TformVisualizarImpressao.h"
#include "WidgetBraco.h"
#include "app/Fachada.h"
#include "foundations/DException.h"
#include "foundations/FileNotFoundException.h"
#include "foundations/Interacao.h"
#include "foundations/NotFoundException.h"
#include "qt/ImagemQt.h"
#include "qt/TextoQt.h"
#include "telas/Braco.h"
#include "telas/FaixaPosicoes.h"
#include "telas/ListaImpressao.h"

namespace tessara {

namespace {

constexpr int Y_BARRA_INFERIOR = TformPrincipal::Y_FAIXA + TformPrincipal::ALTURA_FAIXA;

}  // namespace

TformPrincipal::TformPrincipal(Fachada& fachada, Interacao& interacao, QWidget* pai,
                               std::unique_ptr<AgendaReproducao> agenda,
                               std::unique_ptr<AgendaReproducao> agendaOuvir)
    : QWidget(pai, Qt::Window | Qt::FramelessWindowHint),
      fachada_(fachada),
      visualizacao_(new TformVisualizarImpressao(fachada, this)),
      frente_(std::make_unique<FrenteJanelas>(interacao, *visualizacao_)),
      lista_(std::make_unique<ListaImpressao>(fachada)),
      abridor_(std::make_unique<AbridorAjuda>(fachada)),
      faixa_(std::make_unique<FaixaPosicoes>(fachada)) {
  setObjectName(QStringLiteral("TformPrincipal"));
  setWindowTitle(texto("geral", "nomeAplicacao"));
  setMinimumSize(LARGURA, ALTURA);
  setStyleSheet(estiloJanelas());

  selecionarInstrumentoConfigurado();
  aplicarConfiguracaoMidi();
  braco_ = std::make_unique<Braco>(fachada_, fachada_.getPosicaoBraco());
  widgetBraco_ = new WidgetBraco(fachada_, *braco_, this);
  widgetBraco_->move(0, ALTURA_BARRA_SUPERIOR);
  widgetBraco_->setToolTip(texto("fmPrincipal", "hintBraco"));
  connect(widgetBraco_, &WidgetBraco::editado, this, [this] { descobrirAcorde(); });
  menuFigura_ = new MenuFigura(fachada_, this);
  widgetBraco_->definirMenuFigura(menuFigura_);
  reprodutor_ = new ReprodutorPlano(fachada_, *braco_, widgetBraco_, std::move(agenda), this);
  aviso_ = new TformAviso(fachada_, this);
  importarCifra_ = new TformImportarCifra(fachada_, *lista_, *frente_, this);
  connect(importarCifra_, &TformImportarCifra::listaPreenchida, this, [this] {
    atualizarNomesAcordes(fachada_.getVistaAcorde().numeroAcordes);
    editNomeAcorde_->clear();
    comboBaseAcordes_->setCurrentIndex(-1);
  });
  impressao_ = new TformImpressao(fachada_, *lista_, this);
  impressao_->definirMostrarVisualizacao([this] { visualizacao_->mostrar(); });
  visualizacao_->definirImpressao([this] { impressao_->imprimir(); });
  importarCifra_->definirAbrirImpressao([this](int modo) { abrirImpressao(modo); });
  configuracoes_ = new TformConfiguracoes(fachada_, *frente_, estadoConfiguracoes_, this);
  assistente_ = new TformAssistenteMIDI(fachada_, this);
  configuracoes_->definirAbrirAssistente([this] { return assistente_->executar(); });
  ouvir_ = new TformOuvir(fachada_, this, std::move(agendaOuvir));
  connect(ouvir_, &TformOuvir::acordeReconhecido, this,
          [this](const QString& nome) { mostrarAcordeOuvido(nome); });

  carregarBarras();
  montarFaixa();
  montarBarraSuperior();
  montarBarraInferior();
  montarListaImpressao();
  connect(reprodutor_, &ReprodutorPlano::iniciado, this,
          [this] { btnOuvir_->setText(texto("fmPrincipal", "btnParar")); });
  connect(reprodutor_, &ReprodutorPlano::terminado, this,
          [this] { btnOuvir_->setText(texto("fmPrincipal", "btnOuvir")); });

  if (fachada_.getExibicaoEscalasConfigurada()) {
    ativarModoEscalas();
  } else {
    ativarModoAcordes();
  }
  setTabOrder(btnProximo_, faixaDiagramas_);
  listaImpressao_->setAccessibleName(texto("fmPrincipal", "acessivelListaImpressao"));
  NomesAcessiveis::aplicar(*this);
  guardarLugares();
  aplicarEscalaConfigurada();
}

// Where each control lies at the window's own size: a larger window places them from here.
void TformPrincipal::guardarLugares() {
  for (QObject* filho : children()) {
    auto* w = qobject_cast<QWidget*>(filho);
    if (w != nullptr && !w->isWindow()) lugares_.push_back({w, w->geometry()});
  }
  alca_ = new QSizeGrip(this);
  alca_->setObjectName(QStringLiteral("alcaTamanho"));
  alca_->resize(16, 16);
}

void TformPrincipal::aplicarEscalaConfigurada() {
  const double fator = fachada_.getEscalaJanela() / 100.0;
  resize(qRound(LARGURA * fator), qRound(ALTURA * fator));
}

// The whole skin grows with the window, in its proportions, centred in what is left over.
void TformPrincipal::resizeEvent(QResizeEvent* evento) {
  QWidget::resizeEvent(evento);
  const double fator =
      std::min(static_cast<double>(width()) / LARGURA, static_cast<double>(height()) / ALTURA);
  origem_ =
      QPoint(qRound((width() - LARGURA * fator) / 2), qRound((height() - ALTURA * fator) / 2));
  for (const auto& [w, lugar] : lugares_) {
    if (w.isNull()) continue;
    w->setGeometry(QRect(origem_ + QPoint(qRound(lugar.x() * fator), qRound(lugar.y() * fator)),
                         QSize(qRound(lugar.width() * fator), qRound(lugar.height() * fator))));
  }
  // Polishing every control again is slow: only when the letters change size, not at each
  // pixel of a drag.
  if (tamanhoLetraJanelas(fator) != tamanhoLetraJanelas(fator_)) {
    setStyleSheet(estiloJanelas(fator));
  }
  fator_ = fator;
  if (alca_ != nullptr) alca_->move(width() - alca_->width(), height() - alca_->height());
}

int TformPrincipal::escalaEmPorcento() const { return qRound(fator_ * 100); }

TformPrincipal::~TformPrincipal() = default;

FachadaGUI& TformPrincipal::getFrente() { return *frente_; }

QComboBox* TformPrincipal::combo(const char* nome, const QRect& lugar, const char* dica,
                                 const std::vector<std::string>& itens) {
  auto* c = new QComboBox(this);
  c->setObjectName(QString::fromLatin1(nome));
  c->setGeometry(lugar);
  c->setToolTip(texto(dica));
  for (const auto& item : itens) c->addItem(qt(item));
  return c;
}

QPushButton* TformPrincipal::botao(const char* chave, const QRect& lugar, const char* dica) {
  auto* b = new QPushButton(texto("fmPrincipal", chave), this);
  b->setObjectName(QString::fromLatin1(chave));
  b->setGeometry(lugar);
  if (dica != nullptr) b->setToolTip(texto("fmPrincipal", dica));
  return b;
}

// ----- construction ---------------------------------------------------------------------------

void TformPrincipal::selecionarInstrumentoConfigurado() {
  std::vector<std::string> nomes;
  try {
    nomes = fachada_.getNomesInstrumentos();
  } catch (const FileNotFoundException&) {
    frente_->perguntarOkCancelar("",
                                 fachada_.getTexto("exception", "baseInstrumentosNaoEncontrada"));
    fachada_.pedirEncerramento();
    return;
  } catch (const DException& e) {
    avisarInstrumentoPerdido(e);
  }
  // A user base that could not be read: the built-in instruments go on, and the user learns
  // which file, why, and where its copy was kept.
  if (const std::string aviso = fachada_.getAvisoInstrumentos(); !aviso.empty()) {
    fachada_.mostrarMensagem(aviso, fachada_.getTexto("geral", "nomeAplicacao"));
  }
  const auto achado =
      std::find(nomes.begin(), nomes.end(), fachada_.getNomeInstrumentoConfigurado());
  try {
    fachada_.setInstrumento(achado == nomes.end() ? 0 : static_cast<int>(achado - nomes.begin()));
  } catch (const DException& e) {
    avisarInstrumentoPerdido(e);
    fachada_.setInstrumento(0);
  }
}

// A damaged instrument in the user's file: the built-in guitar instead, and why.
void TformPrincipal::avisarInstrumentoPerdido(const DException& erro) {
  fachada_.mostrarMensagem(
      fachada_.getTexto("fmPrincipal", "msgErroInstrumento") + " " + erro.getMensagem(),
      fachada_.getTexto("geral", "nomeAplicacao"));
}

void TformPrincipal::aplicarConfiguracaoMidi() {
  // No device chosen yet: the first device for now, and the wizard once the window shows.
  assistentePendente_ = fachada_.getDriver() == -1;
  // The output opens now, not at the first note: loading the sounds takes a moment.
  estadoConfiguracoes_.iniciar(fachada_.getDriver(), 0, fachada_.getPosicaoBraco());
  estadoConfiguracoes_.aplicar(fachada_);
}

void TformPrincipal::montarBarraSuperior() {
  struct Botao {
    const char* nome;
    QString rotulo;
    int x;
    QString dica;
  };
  const Botao botoes[] = {
      {"btnAjuda", QStringLiteral("?"), 692, texto("geral", "hintBtnAjuda")},
      {"btnMinimizar", QStringLiteral("\u2013"), 724, texto("geral", "hintBtnMinimizar")},
      {"btnSair", QStringLiteral("\u00D7"), 757, texto("fmPrincipal", "hintBtnSair")},
  };
  for (const auto& b : botoes) {
    auto* botao = new QToolButton(this);
    botao->setObjectName(QString::fromLatin1(b.nome));
    botao->setText(b.rotulo);
    botao->setToolTip(b.dica);
    botao->setGeometry(b.x, 19, 24, 24);
    botao->setAutoRaise(true);
    connect(botao, &QToolButton::clicked, this, [this, nome = std::string(b.nome)] {
      if (nome == "btnAjuda") abridor_->abrirPagina(fachada_.getCaminhoAjuda());
      if (nome == "btnMinimizar") showMinimized();
      if (nome == "btnSair") close();
    });
  }
  lblEstado_ = new QLabel(this);
  lblEstado_->setObjectName(QStringLiteral("lblEstado"));
  lblEstado_->setGeometry(200, 44, 330, 34);
  lblEstado_->setWordWrap(true);
  lblEstado_->setStyleSheet(QStringLiteral("color: #ffd94a; background: transparent;"));
  lblEstado_->hide();
  connect(lblEstado_, &QLabel::linkActivated, this, [this] {
    lblEstado_->hide();
    executarAssistente();
  });
  montarAtalhos();

  auto* afinador = botao("btnAfinador", {340, 19, 108, 24}, "hintBtnAfinador");
  connect(afinador, &QPushButton::clicked, this, [this] {
    if (!ouvir_->isVisible()) ouvir_->centralizar();
    ouvir_->show();
    ouvir_->raise();
    ouvir_->activateWindow();
  });
  auto* cifra = botao("btnImportarCifra", {456, 19, 108, 24}, "hintBtnImportarCifra");
  connect(cifra, &QPushButton::clicked, this, [this] {
    importarCifra_->show();
    importarCifra_->raise();
    importarCifra_->activateWindow();
  });
  auto* configuracoes = botao("btnConfiguracoes", {572, 19, 108, 24}, "hintBtnConfiguracoes");
  connect(configuracoes, &QPushButton::clicked, this, [this] { abrirConfiguracoes(false); });
}

void TformPrincipal::montarBarraInferior() {
  const int y = Y_BARRA_INFERIOR + 8;
  btnBaseAcordes_ = botao("btnBaseAcordes", {8, y, 92, 28});
  btnExibicaoEscalas_ = botao("btnExibicaoEscalas", {8, y + 33, 92, 28});
  connect(btnBaseAcordes_, &QPushButton::clicked, this, [this] { ativarModoAcordes(); });
  connect(btnExibicaoEscalas_, &QPushButton::clicked, this, [this] { ativarModoEscalas(); });

  lblModoVisualizacao_ = new QLabel(texto("fmPrincipal", "lblModoVisualizacao"), this);
  lblModoVisualizacao_->setGeometry(8, y + 68, 60, 24);
  comboModoVisualizacao_ =
      combo("comboModoVisualizacao", {58, y + 68, 100, 26}, "hintComboModoVisualizacao");
  connect(comboModoVisualizacao_, &QComboBox::activated, this,
          [this](int modo) { mudarModoVisualizacao(modo); });

  editNomeAcorde_ = new QLineEdit(this);
  editNomeAcorde_->setObjectName(QStringLiteral("editNomeAcorde"));
  editNomeAcorde_->setGeometry(170, y, 92, 28);
  editNomeAcorde_->setPlaceholderText(texto("fmPrincipal", "editNomeAcorde"));
  editNomeAcorde_->setToolTip(texto("fmPrincipal", "hintEditNomeAcorde1"));
  connect(editNomeAcorde_, &QLineEdit::returnPressed, this, [this] { acordeDigitado(); });
  editNomeAcorde_->installEventFilter(this);

  // The picker under the name box, the alphabetical list under the voicing: two ways to pick.
  seletorAcorde_ = new BotaoSeletorAcorde(fachada_, this);
  seletorAcorde_->setGeometry(170, y + 33, 92, 28);
  seletorAcorde_->ancorarEm(editNomeAcorde_);
  connect(seletorAcorde_, &BotaoSeletorAcorde::escolhido, this, [this](const QString& nome) {
    editNomeAcorde_->setText(nome);
    acordeDigitado();
  });
  comboBaseAcordes_ = combo("comboBaseAcordes", {266, y + 33, 94, 28}, "hintComboBaseAcordes",
                            fachada_.getNomesAcordes());
  comboBaseAcordes_->view()->setMinimumWidth(150);
  comboBaseAcordes_->setMaxVisibleItems(20);
  // No chord is on show yet: the list says so rather than naming its first one.
  comboBaseAcordes_->setPlaceholderText(texto("comboBaseAcordes"));
  comboBaseAcordes_->setCurrentIndex(-1);
  connect(comboBaseAcordes_, &QComboBox::activated, this,
          [this](int indice) { acordeEscolhido(indice); });

  comboNomeEscalas_ = combo("comboNomeEscalas", {170, y, 190, 28}, "hintComboNomeEscalas",
                            fachada_.getNomesEscalas());
  comboTomEscalas_ = combo("comboTomEscalas", {170, y + 33, 190, 28}, "hintComboTomEscalas",
                           fachada_.getNomesTonicas());
  for (QComboBox* lista : {comboNomeEscalas_, comboTomEscalas_}) {
    lista->setPlaceholderText(texto(lista->objectName().toLatin1().constData()));
    lista->setCurrentIndex(-1);
    connect(lista, &QComboBox::activated, this, [this] { escalaEscolhida(); });
  }

  btnAnterior_ = botao("btnAnterior", {370, y, 44, 28}, "hintBtnSetas");
  btnAnterior_->setText(QStringLiteral("\u25C0"));
  btnProximo_ = botao("btnProximo", {418, y, 44, 28}, "hintBtnSetas");
  btnProximo_->setText(QStringLiteral("\u25B6"));
  connect(btnAnterior_, &QPushButton::clicked, this, [this] { seta(false); });
  connect(btnProximo_, &QPushButton::clicked, this, [this] { seta(true); });
  btnOuvir_ = botao("btnOuvir", {370, y + 33, 92, 28});
  connect(btnOuvir_, &QPushButton::clicked, this, [this] { ouvir(); });
  btnLimparBraco_ = botao("btnLimparBraco", {370, y + 66, 92, 28});
  connect(btnLimparBraco_, &QPushButton::clicked, this, [this] { limparBraco(); });
  // In scale mode the Clear button's place switches the whole neck on and off.
  btnBracoInteiro_ = botao("btnBracoInteiro", {370, y + 66, 92, 28}, "hintBtnBracoInteiro");
  btnBracoInteiro_->setCheckable(true);
  connect(btnBracoInteiro_, &QPushButton::toggled, this,
          [this](bool inteiro) { mudarBracoInteiro(inteiro); });
  btnBracoInteiro_->setChecked(fachada_.getBracoInteiro());
  btnInstrumento_ = botao("btnInstrumento", {170, y + 66, 110, 28}, "hintBtnInstrumento");
  connect(btnInstrumento_, &QPushButton::clicked, this, [this] { abrirConfiguracoes(true); });
  montarDisposicaoECapo(y);
}

void TformPrincipal::montarDisposicaoECapo(int y) {
  std::vector<std::string> disposicoes;
  for (int i = 1; i <= Disposicao::NUMERO; ++i) {
    disposicoes.push_back(
        fachada_.getTexto("fmPrincipal", "comboDisposicaoItem" + std::to_string(i)));
  }
  comboDisposicao_ = combo("comboDisposicao", {266, y, 94, 28}, "hintComboDisposicao", disposicoes);
  // The list opens wide enough for its longest name.
  comboDisposicao_->view()->setMinimumWidth(150);
  comboDisposicao_->setCurrentIndex(static_cast<int>(fachada_.getDisposicao().tipo()));
  connect(comboDisposicao_, &QComboBox::activated, this,
          [this](int indice) { mudarDisposicao(indice); });

  // A list rather than a spin box: its words read whole in the narrow space.
  comboCapo_ = combo("comboCapo", {272, y + 66, 88, 28}, "hintSpinCapo");
  limitarCapo();
  connect(comboCapo_, &QComboBox::activated, this, [this](int casa) { mudarCapo(casa); });
}

// Up to the last fret of the instrument, at most the twelfth.
void TformPrincipal::limitarCapo() {
  const InstrumentoCordas* atual = fachada_.getInstrumentoAtual();
  const int casas = atual != nullptr ? std::max(0, atual->getNumeroCasas()) : 0;
  const int maximo = std::min(Fachada::CAPO_MAXIMO, casas);
  // A shorter instrument moves the capo to its last fret, before the board is laid out again.
  if (fachada_.getCapo() > maximo) fachada_.setCapo(maximo);
  comboCapo_->clear();
  comboCapo_->addItem(texto("fmPrincipal", "spinCapoSemCapo"));
  for (int casa = 1; casa <= maximo; ++casa) {
    comboCapo_->addItem(texto("fmPrincipal", "spinCapo") + QString::number(casa));
  }
  comboCapo_->setCurrentIndex(std::min(fachada_.getCapo(), maximo));
}

void TformPrincipal::mudarDisposicao(int indice) {
  if (indice < 0 || indice >= Disposicao::NUMERO) return;
  fachada_.setDisposicao(Disposicao(static_cast<Disposicao::Tipo>(indice)));
  refazerAcorde();
}

void TformPrincipal::mudarCapo(int casa) {
  if (casa == fachada_.getCapo()) return;
  fachada_.setCapo(casa);
  refazerAcorde();
}

// The chord on show, fingered again in the new voicing or with the new capo.
void TformPrincipal::refazerAcorde() {
  reprodutor_->parar();
  if (!modoEscalas_ && braco_->temNota() && comboBaseAcordes_->currentIndex() >= 0) {
    acordeEscolhido(comboBaseAcordes_->currentIndex());
  } else {
    braco_->posicionarMarcadores();
  }
  redesenharBraco();
}

void TformPrincipal::montarListaImpressao() {
  const int y = Y_BARRA_INFERIOR + 8;
  listaImpressao_ = new QListWidget(this);
  listaImpressao_->setObjectName(QStringLiteral("listaImpressao"));
  listaImpressao_->setGeometry(476, y, 200, 94);
  listaImpressao_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  connect(listaImpressao_, &QListWidget::itemClicked, this, [this] { mostrarLinhaImpressao(); });
  lista_->definirAoMudar([this] { desenharListaImpressao(); });
  controleLista_ = new ControleListaImpressao(fachada_, *lista_, *listaImpressao_);
  controleLista_->recuperar();
  auto* apagar = new QShortcut(QKeySequence::Delete, listaImpressao_);
  apagar->setContext(Qt::WidgetShortcut);
  connect(apagar, &QShortcut::activated, this, [this] { removerImpressao(); });

  btnAdicionar_ = botao("btnAdicionar", {684, y, 105, 22}, "hintBtnAdicionar");
  btnSubstituir_ = botao("btnSubstituir", {684, y + 24, 105, 22}, "hintBtnSubstituir");
  btnRemover_ = botao("btnRemover", {684, y + 48, 105, 22}, "hintBtnRemover");
  btnImprimir_ = botao("btnImprimir", {684, y + 72, 105, 22}, "hintBtnImprimir");
  connect(btnAdicionar_, &QPushButton::clicked, this, [this] { adicionarImpressao(); });
  connect(btnSubstituir_, &QPushButton::clicked, this, [this] { substituirImpressao(); });
  connect(btnImprimir_, &QPushButton::clicked, this,
          [this] { abrirImpressao(TformImpressao::MODO_LISTA); });
  connect(btnRemover_, &QPushButton::clicked, this, [this] { removerImpressao(); });
}

// ----- modes ----------------------------------------------------------------------------------

void TformPrincipal::mostrarControlesDoModo() {
  for (QWidget* w : std::initializer_list<QWidget*>{editNomeAcorde_, comboDisposicao_, comboCapo_,
                                                    comboBaseAcordes_, seletorAcorde_,
                                                    listaImpressao_, btnAdicionar_, btnSubstituir_,
                                                    btnRemover_, btnImprimir_, btnLimparBraco_}) {
    w->setVisible(!modoEscalas_);
  }
  btnBracoInteiro_->setVisible(modoEscalas_);
  comboNomeEscalas_->setVisible(modoEscalas_);
  comboTomEscalas_->setVisible(modoEscalas_);
  btnBaseAcordes_->setProperty("ativo", !modoEscalas_);
  btnExibicaoEscalas_->setProperty("ativo", modoEscalas_);
  for (QPushButton* b : {btnBaseAcordes_, btnExibicaoEscalas_}) b->setStyle(b->style());
  faixaDiagramas_->setVisible(!modoEscalas_);
  const char* dicaOuvir = modoEscalas_ ? "hintBtnOuvirEscala" : "hintBtnOuvirAcorde";
  btnOuvir_->setToolTip(texto("fmPrincipal", dicaOuvir));
  const char* dicaSetas = modoEscalas_ ? "hintBtnSetasEscalas" : "hintBtnSetas";
  btnAnterior_->setToolTip(texto("fmPrincipal", dicaSetas));
  btnProximo_->setToolTip(texto("fmPrincipal", dicaSetas));
  update();  // the bottom bar's panels follow the mode
  widgetBraco_->setAttribute(Qt::WA_TransparentForMouseEvents, modoEscalas_);
  widgetBraco_->setCursor(modoEscalas_ ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void TformPrincipal::preencherModosVisualizacao() {
  const int atual = std::max(0, comboModoVisualizacao_->currentIndex());
  comboModoVisualizacao_->clear();
  const char* itens[] = {"comboVisualizacaoItem1", "comboVisualizacaoItem2",
                         "comboVisualizacaoItem3"};
  for (const char* item : itens) comboModoVisualizacao_->addItem(texto("fmPrincipal", item));
  comboModoVisualizacao_->setCurrentIndex(atual);
  braco_->setModoVisualizacao(atual);
}

void TformPrincipal::ativarModoEscalas() {
  if (modoEscalas_ && comboModoVisualizacao_->count() > 0) return;
  reprodutor_->parar();
  modoEscalas_ = true;
  mostrarControlesDoModo();
  preencherModosVisualizacao();
  braco_->esconderMarcadores();
  braco_->esvaziar();
  braco_->restaurarEscala();
  // The arrows go on from the position left on show.
  if (braco_->temEscala() && indiceEscalaSalvo_ >= 0) {
    fachada_.setIndiceExibicao(indiceEscalaSalvo_);
  }
  redesenharBraco();
}

void TformPrincipal::ativarModoAcordes() {
  if (!modoEscalas_ && comboModoVisualizacao_->count() > 0) return;
  reprodutor_->parar();
  modoEscalas_ = false;
  mostrarControlesDoModo();
  preencherModosVisualizacao();
  braco_->esconderMarcadores();
  braco_->limpar();
  indiceEscalaSalvo_ = fachada_.getIndiceExibicao();
  fachada_.limparEscala();
  braco_->restaurarPosicao();
  braco_->posicionarMarcadores();
  // Back from the scales, the chord left on show comes back with its fingering.
  if (const VistaAcorde vista = fachada_.getVistaAcorde(); vista.aceito) exibirPosicao(vista);
  redesenharBraco();
}

void TformPrincipal::mudarModoVisualizacao(int modo) {
  braco_->setModoVisualizacao(modo);
  if (modoEscalas_) {
    braco_->posicionarMarcadoresEscala();
  } else {
    braco_->posicionarMarcadores();
  }
  redesenharBraco();
}

void TformPrincipal::mudarBracoInteiro(bool inteiro) {
  btnBracoInteiro_->setProperty("ativo", inteiro);
  btnBracoInteiro_->setStyle(btnBracoInteiro_->style());
  fachada_.setBracoInteiro(inteiro);
  braco_->setBracoInteiro(inteiro);
  redesenharBraco();
}

// ----- chords ---------------------------------------------------------------------------------

void TformPrincipal::acordeDigitado() {
  QString nome = editNomeAcorde_->text().trimmed();
  if (nome.isEmpty()) return;
  // The root may be typed in lower case.
  if (nome[0] >= QLatin1Char('a') && nome[0] <= QLatin1Char('z')) nome[0] = nome[0].toUpper();
  reprodutor_->parar();
  const VistaAcorde vista = fachada_.abrirAcorde(core(nome));
  if (!vista.aceito) {
    aviso_->mostrarMensagem(texto("fmPrincipal", "msgErroSintaxe"),
                            fachada_.getCaminhoAjudaAcordes());
    return;
  }
  mostrarAcorde(vista);
}

void TformPrincipal::acordeEscolhido(int indice) {
  if (indice < 0) return;
  reprodutor_->parar();
  const VistaAcorde vista = fachada_.abrirAcorde(indice);
  if (vista.aceito) mostrarAcorde(vista);
}

void TformPrincipal::mostrarAcorde(const VistaAcorde& vista) {
  if (exibirPosicao(vista)) {
    mostrarNomes(vista);
  } else {
    descobrirAcorde();  // the fretboard keeps its chord, and the lists name it again
  }
}

bool TformPrincipal::exibirPosicao(const VistaAcorde& vista) {
  const auto casas = vista.posicao != nullptr ? vista.posicao->getCasas() : std::vector<int>();
  if (std::none_of(casas.begin(), casas.end(), [](int c) { return c >= 0; })) {
    frente_->perguntarOkCancelar("", fachada_.getTexto("fmPrincipal", "erroGeracao"));
    return false;
  }
  braco_->exibirAcorde(vista.posicao, vista.raiz, vista.bemol);
  redesenharBraco();
  return true;
}

void TformPrincipal::mostrarNomes(const VistaAcorde& vista) {
  atualizarNomesAcordes(vista.numeroAcordes);
  comboBaseAcordes_->setCurrentIndex(vista.indice);
  editNomeAcorde_->setText(qt(vista.nome));
  seletorAcorde_->seguir(qt(vista.nome));
}

// The chord on the fretboard, by its name, becomes the chord manager's and the lists' one.
// Undoes or redoes an edit by clicks on the fretboard, naming what is then on show.
void TformPrincipal::voltarEdicao(bool desfazer) {
  if (modoEscalas_ || !(desfazer ? braco_->desfazer() : braco_->refazer())) return;
  reprodutor_->parar();
  redesenharBraco();
  descobrirAcorde();
}

void TformPrincipal::descobrirAcorde() {
  const std::string nome = braco_->getPosicao().getNome();
  if (nome.empty()) return;
  const VistaAcorde vista = fachada_.abrirAcorde(nome);
  if (vista.aceito) mostrarNomes(vista);
}

void TformPrincipal::seta(bool proxima) {
  reprodutor_->parar();
  if (modoEscalas_) {
    const int indice = proxima ? fachada_.proximaExibicao() : fachada_.exibicaoAnterior();
    if (indice != -1) braco_->exibirEscalaAtual();
  } else if (const VistaAcorde vista = fachada_.passarPosicao(proxima); vista.aceito) {
    exibirPosicao(vista);
  }
  redesenharBraco();
}

void TformPrincipal::redesenharBraco() {
  widgetBraco_->update();
  // The row first: it makes every fingering, which the count then covers.
  faixaDiagramas_->definirRotulo(braco_->getModoVisualizacao());
  faixaDiagramas_->atualizar(faixa_->atualizar(!modoEscalas_ && braco_->temNota()));
  lblContagem_->setText(contagem());
  descreverBraco();
}

// What a screen reader says of the fretboard: the chord and where the arrows stand, then the
// frets and fingers as text.
void TformPrincipal::descreverBraco() {
  const auto& posicao = braco_->getPosicao();
  const QString nome = braco_->temNota() ? qt(posicao.getNome()) : QString();
  QStringList partes{texto("fmPrincipal", "acessivelBraco")};
  if (!nome.isEmpty()) partes << nome;
  if (!lblContagem_->text().isEmpty()) partes << lblContagem_->text();
  widgetBraco_->setAccessibleName(partes.join(QStringLiteral(", ")));
  faixaDiagramas_->setAccessibleDescription(lblContagem_->text());
  if (!braco_->temNota()) {
    widgetBraco_->setAccessibleDescription(QString());
    return;
  }
  const auto casas = posicao.getCasas();
  const auto dedos = posicao.getDedos();
  QStringList textoCasas;
  QStringList textoDedos;
  for (size_t i = 0; i < casas.size(); ++i) {
    const bool soa = casas[i] >= 0;
    textoCasas << (soa ? QString::number(casas[i]) : QStringLiteral("x"));
    const int dedo = i < dedos.size() ? dedos[i] : 0;
    textoDedos << (!soa            ? QStringLiteral("x")
                   : casas[i] == 0 ? QStringLiteral("0")
                                   : QString::number(dedo));
  }
  widgetBraco_->setAccessibleDescription(
      texto("fmPrincipal", "acessivelCasas")
          .arg(textoCasas.join(QLatin1Char(' ')), textoDedos.join(QLatin1Char(' '))));
}

// "Fingering 3 of 12" or "Position 2 of 288": where the arrows stand; empty with nothing to
// browse.
QString TformPrincipal::contagem() const {
  if (modoEscalas_) {
    const int indice = fachada_.getIndiceExibicao();
    const int total = fachada_.getNumeroExibicoes();
    if (!braco_->temEscala() || indice < 0 || total <= 0) return {};
    return texto("lblExibicaoDe").arg(indice + 1).arg(total);
  }
  const VistaAcorde vista = fachada_.getVistaAcorde();
  if (!vista.aceito || !braco_->temNota() || vista.numeroPosicoes <= 0) return {};
  const QString posicao =
      texto("lblPosicaoDe").arg(vista.indicePosicao + 1).arg(vista.numeroPosicoes);
  // With a capo: the chord by its sound, and the shape the hand makes.
  if (fachada_.getCapo() == 0 || vista.posicao == nullptr) return posicao;
  const std::string forma = fachada_.nomearForma(vista.posicao->getCasas());
  if (forma.empty()) return posicao;
  return texto("lblFormaDe").arg(qt(vista.posicao->getNome()), qt(forma)) + QStringLiteral("   ") +
         posicao;
}

void TformPrincipal::ouvir() {
  if (reprodutor_->tocando()) {
    reprodutor_->parar();
    return;
  }
  if (!conferirSaida()) return;
  reprodutor_->tocar(modoEscalas_ ? braco_->planoEscala() : braco_->planoAcorde());
}

void TformPrincipal::mostrarAcordeOuvido(const QString& nome) {
  if (modoEscalas_) ativarModoAcordes();
  reprodutor_->parar();
  const VistaAcorde vista = fachada_.abrirAcorde(core(nome));
  if (vista.aceito && fachada_.acordeTemPosicao()) mostrarAcorde(vista);
}

bool TformPrincipal::conferirSaida() {
  if (fachada_.saidaAberta()) {
    lblEstado_->hide();
    return true;
  }
  const bool semSoundFont = fachada_.getDriver() <= 0 && !Fachada::sintetizadorDisponivel();
  lblEstado_->setText(
      QStringLiteral("%1 <a href=\"midi\" style=\"color: #f4e9d8;\">%2</a>")
          .arg(texto("fmPrincipal", semSoundFont ? "lblSemSoundFont" : "lblSemSaida")
                   .toHtmlEscaped(),
               texto("fmPrincipal", "lnkConfigurarMidi").toHtmlEscaped()));
  lblEstado_->show();
  return false;
}

void TformPrincipal::limparBraco() {
  reprodutor_->parar();
  braco_->limpar();
  braco_->esconderMarcadores();
  // Nothing on show, nothing named: typing or picking starts afresh.
  fachada_.limparAcorde();
  editNomeAcorde_->clear();
  comboBaseAcordes_->setCurrentIndex(-1);
  redesenharBraco();
}

// ----- settings -------------------------------------------------------------------------------

void TformPrincipal::abrirConfiguracoes(bool peloInstrumento) {
  reprodutor_->parar();
  ouvir_->parar();  // the settings' level meter takes the input
  // The instrument as it is now: choices and edits inside the dialog may replace it more than
  // once, and the print list was made for this one.
  std::optional<InstrumentoCordas> antes;
  if (const InstrumentoCordas* atual = fachada_.getInstrumentoAtual()) antes = *atual;
  // The dialog offers the size the window has now.
  if (!isMaximized()) fachada_.setEscalaJanela(escalaEmPorcento());
  const int escala = fachada_.getEscalaJanela();
  const bool aceito = configuracoes_->executar(peloInstrumento) == QDialog::Accepted;
  if (aceito && fachada_.getEscalaJanela() != escala) {
    showNormal();
    aplicarEscalaConfigurada();
  }
  // Cancel puts back the instrument chosen inside the dialog; one edited or removed there
  // stays changed, and everything on show follows it, OK or not.
  const bool outro = !mesmoInstrumento(antes, fachada_.getInstrumentoAtual());
  if (outro) seguirInstrumento(antes);
  if (aceito) braco_->aplicarPosicaoBraco(estadoConfiguracoes_.posicaoBraco);
  redesenharBraco();
  update();  // the instrument's name in the top bar
}

bool TformPrincipal::mesmoInstrumento(const std::optional<InstrumentoCordas>& antes,
                                      const InstrumentoCordas* atual) {
  return antes && atual != nullptr && antes->getName() == atual->getName() &&
         antes->getAfinacao() == atual->getAfinacao() &&
         antes->getNumeroCasas() == atual->getNumeroCasas() &&
         antes->getDistancia() == atual->getDistancia() && antes->getSom() == atual->getSom();
}

// The fretboard, the print list and the sound made for the instrument `antes` follow the
// current one; the chord or the scale on show is laid out on it again.
void TformPrincipal::seguirInstrumento(const std::optional<InstrumentoCordas>& antes) {
  fachada_.aplicarSomInstrumento();
  limitarCapo();
  braco_->atualizarInstrumento();
  lista_->regenerar(antes);
  if (modoEscalas_) {
    if (braco_->temEscala()) {
      fachada_.limparEscala();
      escalaEscolhida();
    }
  } else if (braco_->temNota()) {
    acordeEscolhido(comboBaseAcordes_->currentIndex());
  }
}

// ----- scales ---------------------------------------------------------------------------------

void TformPrincipal::escalaEscolhida() {
  if (comboNomeEscalas_->currentIndex() < 0 || comboTomEscalas_->currentIndex() < 0) return;
  reprodutor_->parar();
  setCursor(Qt::WaitCursor);
  try {
    fachada_.setEscala(core(comboNomeEscalas_->currentText()), tonicaEscolhida());
    fachada_.setIndiceExibicao(0);
    braco_->exibirEscalaAtual();
  } catch (const NotFoundException&) {
    braco_->esconderMarcadores();
    frente_->perguntarOkCancelar("", fachada_.getTexto("exception", "escalaImpossivel"));
  }
  unsetCursor();
  redesenharBraco();
}

std::string TformPrincipal::tonicaEscolhida() const {
  const int indice = comboTomEscalas_ != nullptr ? comboTomEscalas_->currentIndex() : -1;
  const auto nomes = fachada_.getNomesTonicas();
  return indice >= 0 && indice < static_cast<int>(nomes.size()) ? nomes[static_cast<size_t>(indice)]
                                                                : std::string();
}

// ----- the row of fingerings ------------------------------------------------------------------

void TformPrincipal::montarFaixa() {
  lblContagem_ = new QLabel(this);
  lblContagem_->setObjectName(QStringLiteral("lblContagem"));
  lblContagem_->setGeometry(10, Y_FAIXA + 8, 120, ALTURA_FAIXA - 16);
  lblContagem_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lblContagem_->setWordWrap(true);
  lblContagem_->setStyleSheet(QStringLiteral("color: #f4e9d8; background: transparent;"));
  faixaDiagramas_ = new FaixaDiagramas(fachada_, *faixa_, *menuFigura_, this);
  faixaDiagramas_->setGeometry(136, Y_FAIXA + 6, LARGURA - 136 - 8, ALTURA_FAIXA - 12);
  faixaDiagramas_->setToolTip(texto("fmPrincipal", "hintFaixa"));
  faixaDiagramas_->setAccessibleName(texto("fmPrincipal", "acessivelFaixa"));
  connect(faixaDiagramas_, &FaixaDiagramas::escolhida, this,
          [this](int indice) { escolherNaFaixa(indice); });
}

// As the arrows do, straight to that fingering.
void TformPrincipal::escolherNaFaixa(int indice) {
  reprodutor_->parar();
  if (const VistaAcorde vista = faixa_->escolher(indice); vista.aceito) exibirPosicao(vista);
}

Figura TformPrincipal::figuraAtual() {
  if (modoEscalas_ || !braco_->temNota()) return widgetBraco_->figura();
  return faixaDiagramas_->figura(braco_->getPosicao());
}

// ----- the print list -------------------------------------------------------------------------

void TformPrincipal::adicionarImpressao() {
  if (!braco_->temNota() || !braco_->temDedilhado()) return;
  lista_->adicionar(braco_->getPosicao(), braco_->notaTonica() != -1);
}

void TformPrincipal::substituirImpressao() {
  const int linha = listaImpressao_->currentRow();
  if (linha < 0 || !listaImpressao_->item(linha)->isSelected() || !braco_->temNota()) return;
  if (!braco_->temDedilhado()) {
    fachada_.mostrarMensagem(fachada_.getTexto("fmPrincipalAbaAcordes", "msgAcordeInexequivel"),
                             fachada_.getTexto("geral", "tituloAtencao"));
    descobrirAcorde();
    return;
  }
  copiarSelecao();
  lista_->substituir(linha, braco_->getPosicao());
}

void TformPrincipal::removerImpressao() {
  copiarSelecao();
  lista_->removerSelecionadas();
}

void TformPrincipal::copiarSelecao() {
  std::set<int> linhas;
  for (int i = 0; i < listaImpressao_->count(); ++i) {
    if (listaImpressao_->item(i)->isSelected()) linhas.insert(i);
  }
  lista_->selecionar(linhas);
}

void TformPrincipal::desenharListaImpressao() {
  const int atual = listaImpressao_->currentRow();
  const QSignalBlocker bloqueio(listaImpressao_);
  listaImpressao_->clear();
  for (const auto& linha : lista_->linhas()) listaImpressao_->addItem(qt(linha.nome));
  if (atual >= 0 && atual < listaImpressao_->count()) {
    listaImpressao_->setCurrentRow(atual, QItemSelectionModel::NoUpdate);
  }
  for (int linha : lista_->selecionadas()) listaImpressao_->item(linha)->setSelected(true);
}

void TformPrincipal::mostrarLinhaImpressao() {
  const int linha = listaImpressao_->currentRow();
  reprodutor_->parar();
  if (lista_->tornarAtual(linha) == nullptr) return;
  // The chord manager stands at that line's fingering: the arrows go on from it, and its
  // notes keep the spelling of its name.
  const VistaAcorde vista = fachada_.getVistaAcorde();
  if (exibirPosicao(vista)) mostrarNomes(vista);
}

void TformPrincipal::atualizarNomesAcordes(int numeroAcordes) {
  if (comboBaseAcordes_->count() == numeroAcordes) return;
  comboBaseAcordes_->clear();
  for (const auto& n : fachada_.getNomesAcordes()) comboBaseAcordes_->addItem(qt(n));
}

void TformPrincipal::abrirImpressao(int modo) {
  reprodutor_->parar();
  impressao_->definirModo(modo);
  impressao_->centralizar();
  impressao_->exec();
}

// ----- the window -----------------------------------------------------------------------------

void TformPrincipal::carregarBarras() {
  const auto imagem = [this](const char* chave) {
    const auto lida = fachada_.getImagem("fmPrincipal", chave);
    return lida ? pixmapDe(*lida) : QPixmap();
  };
  barraSuperior_ = imagem("imgBarraSuperior");
  barraInferior_ = imagem("imgBarraInferior");
  painelOpcoes_ = imagem("imgBarraInferiorOpcoes");
  painelAcordes_ = imagem("imgBarraInferiorAcordes");
  painelEscalas_ = imagem("imgBarraInferiorEscalas");
  painelLista_ = imagem("imgBarraInferiorListaImpressao");
}

void TformPrincipal::pintarBarras(QPainter& pintor) {
  if (barraSuperior_.isNull()) {
    QLinearGradient topo(0, 0, 0, ALTURA_BARRA_SUPERIOR);
    topo.setColorAt(0, QColor(0x6b, 0x3a, 0x22));
    topo.setColorAt(1, QColor(0x3b, 0x1d, 0x10));
    pintor.fillRect(0, 0, LARGURA, ALTURA_BARRA_SUPERIOR, topo);
  } else {
    pintor.drawPixmap(0, 0, barraSuperior_);
  }
  if (barraInferior_.isNull()) {
    QLinearGradient base(0, Y_BARRA_INFERIOR, 0, ALTURA);
    base.setColorAt(0, QColor(0x4a, 0x28, 0x17));
    base.setColorAt(1, QColor(0x2a, 0x14, 0x0a));
    pintor.fillRect(0, Y_BARRA_INFERIOR, LARGURA, ALTURA - Y_BARRA_INFERIOR, base);
  } else {
    pintor.drawPixmap(0, Y_BARRA_INFERIOR, barraInferior_);
  }
  pintarFaixa(pintor);
  // The panels group the controls: options, then chords or scales, then the print list.
  const int y = Y_BARRA_INFERIOR + 4;
  pintor.drawPixmap(4, y, painelOpcoes_);
  pintor.drawPixmap(164, y, modoEscalas_ ? painelEscalas_ : painelAcordes_);
  if (!modoEscalas_) pintor.drawPixmap(472, y, painelLista_);
}

// A groove of darker wood under the fretboard, holding the count and the small diagrams.
void TformPrincipal::pintarFaixa(QPainter& pintor) {
  QLinearGradient sulco(0, Y_FAIXA, 0, Y_FAIXA + ALTURA_FAIXA);
  sulco.setColorAt(0, QColor(0x3b, 0x1d, 0x10));
  sulco.setColorAt(1, QColor(0x2a, 0x14, 0x0a));
  pintor.fillRect(0, Y_FAIXA, LARGURA, ALTURA_FAIXA, sulco);
  pintor.setPen(QColor(0x6b, 0x3a, 0x22));
  pintor.drawLine(0, Y_FAIXA, LARGURA, Y_FAIXA);
}

void TformPrincipal::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.fillRect(rect(), QColor(0x1c, 0x12, 0x0c));
  pintor.translate(origem_);
  pintor.scale(fator_, fator_);
  pintarBarras(pintor);
  QFont titulo = font();
  titulo.setBold(true);
  titulo.setPixelSize(30);
  pintor.setFont(titulo);
  pintor.setPen(QColor(0xf4, 0xe9, 0xd8));
  pintor.drawText(QRect(20, 10, 400, 44), Qt::AlignLeft | Qt::AlignVCenter,
                  texto("geral", "nomeAplicacao"));
  QFont subtitulo = font();
  subtitulo.setPixelSize(13);
  pintor.setFont(subtitulo);
  pintor.setPen(QColor(0xd9, 0xc9, 0xb4));
  pintor.drawText(QRect(22, 50, 500, 22), Qt::AlignLeft | Qt::AlignVCenter,
                  qt(fachada_.getNomeExibidoInstrumento(fachada_.getNomeInstrumentoAtual())));
}

void TformPrincipal::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  if (!assistentePendente_) return;
  assistentePendente_ = false;
  // After the window is up, so that the wizard opens over it.
  QTimer::singleShot(0, this, [this] { executarAssistente(); });
}

void TformPrincipal::executarAssistente() {
  estadoConfiguracoes_.driverSelecionado = std::max(0, assistente_->executar());
  estadoConfiguracoes_.aplicar(fachada_);
}

void TformPrincipal::montarAtalhos() {
  const std::pair<QKeySequence, std::function<void()>> atalhos[] = {
      {QKeySequence(Qt::Key_F1), [this] { abridor_->abrirPagina(fachada_.getCaminhoAjuda()); }},
      {QKeySequence(Qt::CTRL | Qt::Key_P), [this] { abrirImpressao(TformImpressao::MODO_LISTA); }},
      {QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { voltarEdicao(true); }},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { voltarEdicao(false); }},
      {QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { voltarEdicao(false); }},
      {QKeySequence::Copy, [this] { menuFigura_->copiar(figuraAtual()); }},
  };
  for (const auto& [tecla, acao] : atalhos) {
    connect(new QShortcut(tecla, this), &QShortcut::activated, this, acao);
  }
}

bool TformPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
  // Up and down in the name box step through the fingerings, as the arrows do.
  if (objeto == editNomeAcorde_ && evento->type() == QEvent::KeyPress) {
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla == Qt::Key_Up || tecla == Qt::Key_PageUp || tecla == Qt::Key_Down ||
        tecla == Qt::Key_PageDown) {
      seta(tecla == Qt::Key_Down || tecla == Qt::Key_PageDown);
      return true;
    }
  }
  // Ctrl+C in the name box copies its selected text; with none, the picture, as elsewhere.
  if (objeto == editNomeAcorde_ && evento->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(evento)->matches(QKeySequence::Copy) &&
      !editNomeAcorde_->hasSelectedText()) {
    return true;
  }
  // A click into the name box selects the name there, so that typing replaces it; after the
  // click itself, which would place the cursor.
  if (objeto == editNomeAcorde_ && evento->type() == QEvent::FocusIn &&
      static_cast<QFocusEvent*>(evento)->reason() == Qt::MouseFocusReason) {
    QTimer::singleShot(0, editNomeAcorde_, &QLineEdit::selectAll);
  }
  return QWidget::eventFilter(objeto, evento);
}

// A double click on the wood maximises the window, or brings it back.
void TformPrincipal::mouseDoubleClickEvent(QMouseEvent* evento) {
  if (evento->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(evento);
  isMaximized() ? showNormal() : showMaximized();
}

void TformPrincipal::mousePressEvent(QMouseEvent* evento) {
  if (evento->button() == Qt::LeftButton && windowHandle() != nullptr) {
    windowHandle()->startSystemMove();
    return;
  }
  QWidget::mousePressEvent(evento);
}

void TformPrincipal::closeEvent(QCloseEvent* evento) {
  if (!frente_->perguntarSimNao("", fachada_.getTexto("fmPrincipal", "msgConfirmacaoSaida"))) {
    evento->ignore();
    return;
  }
  reprodutor_->parar();
  // A maximised window comes back at its last own size.
  if (!isMaximized() && !isFullScreen()) fachada_.setEscalaJanela(escalaEmPorcento());
  fachada_.salvarConfiguracao(modoEscalas_);
  evento->accept();
}

}  // namespace tessara
