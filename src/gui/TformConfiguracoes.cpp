#include "TformConfiguracoes.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "EstiloDialogo.h"
#include "TformInstrumento.h"
#include "app/Fachada.h"
#include "app/FachadaGUI.h"
#include "foundations/DException.h"
#include "foundations/ReferenciaLa.h"
#include "qt/PintorBraco.h"
#include "qt/TextoQt.h"
#include "telas/Braco.h"
#include "telas/EstadoConfiguracoes.h"

namespace tessara {

namespace {

struct Orientacao {
  const char* chave;
  int valor;
  bool canhoto;
};

// As the dialog lays them out: the player's views first.
constexpr Orientacao ORIENTACOES[] = {{"radioBracoNormal", 2, false},
                                      {"radioBracoNormalI", 3, true},
                                      {"radioBracoFrente", 0, false},
                                      {"radioBracoFrenteI", 1, true}};

const QSize TAMANHO_FIGURA(240, 98);

// A C major shape, cut to the instrument's strings from the top, shows where the low string is.
std::vector<int> casasExemplo(int cordas) {
  const std::vector<int> violao{-1, 3, 2, 0, 1, 0};
  const auto n = static_cast<size_t>(std::clamp(cordas, 0, 6));
  return {violao.end() - static_cast<std::ptrdiff_t>(n), violao.end()};
}

}  // namespace

TformConfiguracoes::TformConfiguracoes(Fachada& fachada, const FachadaGUI& gui,
                                       EstadoConfiguracoes& estado, QWidget* pai)
    : QDialog(pai), fachada_(fachada), gui_(gui), estado_(estado) {
  setObjectName(QStringLiteral("TformConfiguracoes"));
  setStyleSheet(EstiloDialogo::folha());
  setWindowTitle(texto("titulo"));
  setModal(true);
  editor_ = new TformInstrumento(fachada_, this);

  pasta_ = new QTabWidget(this);
  pasta_->setObjectName(QStringLiteral("Pasta"));
  pasta_->addTab(montarPaginaBraco(), texto("tituloPaginaBraco"));
  pasta_->addTab(montarPaginaInstrumentos(), texto("tituloPaginaIntrumentos"));
  pasta_->addTab(montarPaginaDrivers(), texto("tituloPaginaDrivers"));
  pasta_->addTab(montarPaginaEntrada(), texto("tituloPaginaEntrada"));
  connect(pasta_, &QTabWidget::currentChanged, this, [this](int pagina) {
    if (pagina == PAGINA_DRIVERS) preencherDrivers();
    if (pagina == PAGINA_ENTRADA) preencherEntradas();
    medirNivel(pagina == PAGINA_ENTRADA);
  });

  auto* ok = new QPushButton(qtLinhas(fachada_.getTexto("geral", "rotuloBtnOk")), this);
  ok->setObjectName(QStringLiteral("btnOk"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { confirmar(); });
  auto* cancelar = new QPushButton(qtLinhas(fachada_.getTexto("geral", "rotuloBtnCancelar")), this);
  cancelar->setObjectName(QStringLiteral("btnCancelar"));
  connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
  auto* botoes = new QHBoxLayout();
  botoes->addStretch();
  botoes->addWidget(ok);
  botoes->addWidget(cancelar);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pasta_);
  layout->addLayout(botoes);
}

void TformConfiguracoes::avisar(const std::string& mensagem) const {
  fachada_.mostrarMensagem(mensagem, fachada_.getTexto("geral", "nomeAplicacao"));
}

// ----- orientation ----------------------------------------------------------------------------

QWidget* TformConfiguracoes::montarPaginaBraco() {
  auto* pagina = new QWidget(this);
  pagina->setObjectName(QStringLiteral("paginaBraco"));
  auto* grade = new QGridLayout(pagina);
  grade->addWidget(new QLabel(texto("lblOrientacao"), pagina), 0, 0, 1, 2);
  orientacoes_ = new QButtonGroup(this);
  for (size_t i = 0; i < std::size(ORIENTACOES); ++i) {
    const Orientacao& o = ORIENTACOES[i];
    auto* caixa = new QVBoxLayout();
    auto* figura = new QToolButton(pagina);
    figura->setObjectName(QStringLiteral("figura%1").arg(o.valor));
    figura->setIconSize(TAMANHO_FIGURA);
    figura->setAutoRaise(true);
    auto* radio = new QRadioButton(texto(o.chave), pagina);
    radio->setObjectName(QString::fromLatin1(o.chave));
    orientacoes_->addButton(radio, o.valor);
    connect(figura, &QToolButton::clicked, this, [this, valor = o.valor] {
      estado_.posicaoBraco = valor;
      marcarOrientacao(valor);
    });
    caixa->addWidget(figura);
    caixa->addWidget(radio);
    if (o.canhoto) {
      figura->setToolTip(texto("hintCanhoto"));
      radio->setToolTip(texto("hintCanhoto"));
      auto* nota = new QLabel(texto("hintCanhoto"), pagina);
      nota->setStyleSheet(QStringLiteral("font-style: italic;"));
      caixa->addWidget(nota);
    } else {
      caixa->addSpacing(radio->sizeHint().height());
    }
    figuras_[i] = figura;
    grade->addLayout(caixa, 1 + static_cast<int>(i) / 2, static_cast<int>(i) % 2);
  }
  montarIdioma(*pagina, *grade);
  return pagina;
}

// The language to start in: the windows keep their words until the next start.
void TformConfiguracoes::montarIdioma(QWidget& pagina, QGridLayout& grade) {
  auto* linha = new QHBoxLayout();
  auto* rotulo = new QLabel(texto("lblIdioma"), &pagina);
  comboIdioma_ = new QComboBox(&pagina);
  comboIdioma_->setObjectName(QStringLiteral("comboIdioma"));
  for (const auto& nome : fachada_.getNomesIdiomas()) comboIdioma_->addItem(qt(nome));
  rotulo->setBuddy(comboIdioma_);
  linha->addWidget(rotulo);
  linha->addWidget(comboIdioma_, 1);
  lblNotaIdioma_ = new QLabel(texto("lblNotaIdioma"), &pagina);
  lblNotaIdioma_->setObjectName(QStringLiteral("lblNotaIdioma"));
  lblNotaIdioma_->setWordWrap(true);
  lblNotaIdioma_->setStyleSheet(QStringLiteral("font-style: italic;"));
  connect(comboIdioma_, &QComboBox::currentTextChanged, this, [this](const QString& nome) {
    lblNotaIdioma_->setVisible(core(nome) != fachada_.getNomeIdiomaAtual());
  });
  auto* rotuloEscala = new QLabel(texto("lblEscala"), &pagina);
  comboEscala_ = new QComboBox(&pagina);
  comboEscala_->setObjectName(QStringLiteral("comboEscala"));
  for (int porcento = 100; porcento <= 200; porcento += 25) {
    comboEscala_->addItem(QStringLiteral("%1 %").arg(porcento), porcento);
  }
  rotuloEscala->setBuddy(comboEscala_);
  linha->addSpacing(12);
  linha->addWidget(rotuloEscala);
  linha->addWidget(comboEscala_);
  const int abaixo = grade.rowCount();
  grade.addLayout(linha, abaixo, 0, 1, 2);
  grade.addWidget(lblNotaIdioma_, abaixo + 1, 0, 1, 2);
}

// The current instrument in each orientation, as the main window will draw it.
void TformConfiguracoes::desenharOrientacoes() {
  const InstrumentoCordas* instrumento = fachada_.getInstrumentoAtual();
  if (instrumento == nullptr) return;
  const auto casas = casasExemplo(instrumento->getNumeroCordas());
  const auto posicao = fachada_.posicaoDasCasas(casas);
  const auto notas = fachada_.getNotasCasas(casas);
  const auto raiz = std::find_if(notas.begin(), notas.end(), [](int n) { return n >= 0; });
  for (size_t i = 0; i < std::size(ORIENTACOES); ++i) {
    Braco braco(fachada_, ORIENTACOES[i].valor);
    braco.exibirPosicao(&posicao, raiz == notas.end() ? -1 : *raiz, false);
    imagensFiguras_[i].atualizar(fachada_, braco);
    const QImage figura = PintorBraco::imagem(braco, imagensFiguras_[i]);
    figuras_[i]->setIcon(QPixmap::fromImage(
        figura.scaled(TAMANHO_FIGURA, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  }
}

void TformConfiguracoes::marcarOrientacao(int orientacao) {
  if (QAbstractButton* radio = orientacoes_->button(orientacao)) radio->setChecked(true);
}

int TformConfiguracoes::orientacaoMarcada() const { return orientacoes_->checkedId(); }

// ----- instruments ----------------------------------------------------------------------------

QWidget* TformConfiguracoes::montarPaginaInstrumentos() {
  auto* pagina = new QWidget(this);
  pagina->setObjectName(QStringLiteral("paginaInstrumentos"));
  auto* layout = new QVBoxLayout(pagina);
  auto* selecionado = new QLabel(texto("lblInstrumentoSelecionado"), pagina);
  selecionado->setObjectName(QStringLiteral("lblInstrumentoSelecionado"));
  lblNomeInstrumento_ = new QLabel(pagina);
  lblNomeInstrumento_->setObjectName(QStringLiteral("lblNomeInstrumento"));
  lblNomeInstrumento_->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 14px;"));
  lblTipoAfinacao_ = new QLabel(pagina);
  lblTipoAfinacao_->setObjectName(QStringLiteral("lblTipoAfinacao"));
  lblTipoAfinacao_->setWordWrap(true);
  lblTipoAfinacao_->setMinimumHeight(36);
  lblTipoAfinacao_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(selecionado);
  layout->addWidget(lblNomeInstrumento_);
  layout->addWidget(lblTipoAfinacao_);
  layout->addWidget(new QLabel(texto("lblListaInstrumentos"), pagina));

  auto* linha = new QHBoxLayout();
  listaInstrumentos_ = new QListWidget(pagina);
  listaInstrumentos_->setObjectName(QStringLiteral("listaInstrumentos"));
  connect(listaInstrumentos_, &QListWidget::currentRowChanged, this, [this] { atualizarBotoes(); });
  connect(listaInstrumentos_, &QListWidget::itemDoubleClicked, this, [this] { confirmar(); });
  linha->addWidget(listaInstrumentos_);
  auto* botoes = new QVBoxLayout();
  const std::pair<const char*, void (TformConfiguracoes::*)()> acoes[] = {
      {"btnNovoInst", &TformConfiguracoes::novoInstrumento},
      {"btnEditarInst", &TformConfiguracoes::editarInstrumento},
      {"btnRemoverInst", &TformConfiguracoes::removerInstrumento},
      {"btnSelecionarInst", &TformConfiguracoes::selecionarInstrumento}};
  for (const auto& [chave, acao] : acoes) {
    auto* botao = new QPushButton(texto(chave), pagina);
    botao->setObjectName(QString::fromLatin1(chave));
    connect(botao, &QPushButton::clicked, this, acao);
    botoes->addWidget(botao);
    if (acao == &TformConfiguracoes::removerInstrumento) btnRemoverInst_ = botao;
  }
  botoes->addStretch();
  linha->addLayout(botoes);
  layout->addLayout(linha);
  return pagina;
}

// The list as the instrument manager has it now, with that line (or the current instrument's)
// selected.
void TformConfiguracoes::preencherInstrumentos(int selecionar) {
  const auto nomes = fachada_.getNomesInstrumentos();
  listaInstrumentos_->clear();
  for (const auto& nome : nomes) {
    auto* item = new QListWidgetItem(qt(fachada_.getNomeExibidoInstrumento(nome)));
    item->setData(Qt::UserRole, qt(nome));  // the stored name, the instrument's key
    listaInstrumentos_->addItem(item);
  }
  if (selecionar < 0) {
    const auto atual = std::find(nomes.begin(), nomes.end(), fachada_.getNomeInstrumentoAtual());
    selecionar = atual == nomes.end() ? -1 : static_cast<int>(atual - nomes.begin());
  }
  listaInstrumentos_->setCurrentRow(std::min(selecionar, listaInstrumentos_->count() - 1));
  atualizarBotoes();
}

void TformConfiguracoes::mostrarInstrumentoAtual() {
  lblNomeInstrumento_->setText(
      qt(fachada_.getNomeExibidoInstrumento(fachada_.getNomeInstrumentoAtual())));
  lblTipoAfinacao_->setText(qt(fachada_.getDescricaoInstrumentoAtual()));
}

// Built-in instruments cannot be removed.
void TformConfiguracoes::atualizarBotoes() {
  const int linha = listaInstrumentos_->currentRow();
  const bool padrao = linha >= 0 && linha < fachada_.getNumeroPadroes();
  btnRemoverInst_->setEnabled(!padrao);
  btnRemoverInst_->setToolTip(padrao ? texto("hintBtnRemoverPadrao") : QString());
}

// The selected line, or -1 after telling the user that none is.
int TformConfiguracoes::linhaEscolhida() {
  const int linha = listaInstrumentos_->currentRow();
  if (linha < 0) avisar(fachada_.getTexto("fmConfiguracoes", "msgNenhumInstrumento"));
  return linha;
}

// A damaged instrument cannot become current: the user is told why and nothing changes.
bool TformConfiguracoes::tornarAtual(int indice) {
  try {
    fachada_.setInstrumento(indice);
  } catch (const DException& e) {
    avisar(e.getMensagem());
    return false;
  }
  // Chosen already: OK has no change to ask about.
  estado_.instrumentoSelecionado = indice;
  mostrarInstrumentoAtual();
  return true;
}

void TformConfiguracoes::selecionarInstrumento() {
  const int linha = linhaEscolhida();
  if (linha >= 0) tornarAtual(linha);
}

void TformConfiguracoes::novoInstrumento() {
  if (!editor_->criar()) return;
  preencherInstrumentos(editor_->getIndiceSalvo());
  tornarAtual(editor_->getIndiceSalvo());
}

void TformConfiguracoes::editarInstrumento() {
  const int linha = linhaEscolhida();
  if (linha < 0) return;
  try {
    if (!editor_->editar(linha)) return;
  } catch (const DException& e) {
    avisar(e.getMensagem());  // an instrument the file holds damaged cannot be edited
    return;
  }
  preencherInstrumentos(editor_->getIndiceSalvo());
  tornarAtual(editor_->getIndiceSalvo());
}

void TformConfiguracoes::removerInstrumento() {
  const int linha = linhaEscolhida();
  if (linha < 0 || linha < fachada_.getNumeroPadroes()) return;
  const QListWidgetItem* item = listaInstrumentos_->item(linha);
  const std::string nome = core(item->data(Qt::UserRole).toString());
  const std::string pergunta = fachada_.getTexto("fmConfiguracoes", "msgRemoverInstrumento") +
                               "\r\n\r\n" + core(item->text());
  if (!gui_.perguntarSimNao(fachada_.getTexto("geral", "nomeAplicacao"), pergunta)) return;
  try {
    fachada_.removerInstrumento(linha);
  } catch (const DException& e) {
    avisar(e.getMensagem());
    return;
  }
  // The current instrument gone, the one above it takes its place.
  const bool eraAtual = nome == fachada_.getNomeInstrumentoAtual();
  preencherInstrumentos(eraAtual ? linha - 1 : -1);
  if (eraAtual) {
    tornarAtual(linha - 1);
  } else {
    estado_.instrumentoSelecionado = listaInstrumentos_->currentRow();  // it may have moved up
  }
}

// ----- MIDI output ----------------------------------------------------------------------------

QWidget* TformConfiguracoes::montarPaginaDrivers() {
  auto* pagina = new QWidget(this);
  pagina->setObjectName(QStringLiteral("paginaDrivers"));
  auto* layout = new QVBoxLayout(pagina);
  layout->addWidget(new QLabel(texto("lblDrivers"), pagina));
  listaDrivers_ = new QListWidget(pagina);
  listaDrivers_->setObjectName(QStringLiteral("listaDrivers"));
  layout->addWidget(listaDrivers_);
  btnAssistenteDriver_ = new QPushButton(texto("btnAssistenteDriver"), pagina);
  btnAssistenteDriver_->setObjectName(QStringLiteral("btnAssistenteDriver"));
  btnAssistenteDriver_->setEnabled(false);
  connect(btnAssistenteDriver_, &QPushButton::clicked, this, [this] { abrirAssistente(); });
  auto* linha = new QHBoxLayout();
  linha->addStretch();
  linha->addWidget(btnAssistenteDriver_);
  layout->addLayout(linha);
  return pagina;
}

void TformConfiguracoes::definirAbrirAssistente(std::function<int()> abrir) {
  abrirAssistente_ = std::move(abrir);
  btnAssistenteDriver_->setEnabled(static_cast<bool>(abrirAssistente_));
}

// Devices come and go (a synthesizer started, a keyboard plugged in): read afresh each time.
void TformConfiguracoes::preencherDrivers() {
  const int escolhido =
      listaDrivers_->currentRow() >= 0 ? listaDrivers_->currentRow() : estado_.driverSelecionado;
  listaDrivers_->clear();
  try {
    for (const auto& nome : fachada_.getNomesDispositivos()) listaDrivers_->addItem(qt(nome));
  } catch (const std::exception&) {
    // No MIDI layer: an empty list, and the program stays silent.
  }
  listaDrivers_->setCurrentRow(escolhido < listaDrivers_->count() ? escolhido : -1);
}

// The device the wizard found is chosen in the list, applied with OK like any other choice;
// a cancelled wizard (-1) changes nothing.
void TformConfiguracoes::abrirAssistente() {
  if (!abrirAssistente_) return;
  const int achado = abrirAssistente_();
  preencherDrivers();
  if (achado >= 0 && achado < listaDrivers_->count()) listaDrivers_->setCurrentRow(achado);
}

// ----- sound input ----------------------------------------------------------------------------

QWidget* TformConfiguracoes::montarPaginaEntrada() {
  auto* pagina = new QWidget(this);
  pagina->setObjectName(QStringLiteral("paginaEntrada"));
  auto* formulario = new QFormLayout(pagina);
  comboEntrada_ = new QComboBox(pagina);
  comboEntrada_->setObjectName(QStringLiteral("comboEntradaAudio"));
  comboEntrada_->setToolTip(texto("hintEntradaAudio"));
  connect(comboEntrada_, &QComboBox::activated, this, [this] { medirNivel(true); });
  formulario->addRow(texto("lblEntradaAudio"), comboEntrada_);
  spinReferenciaLa_ = new QSpinBox(pagina);
  spinReferenciaLa_->setObjectName(QStringLiteral("spinReferenciaLa"));
  spinReferenciaLa_->setRange(ReferenciaLa::MINIMO, ReferenciaLa::MAXIMO);
  spinReferenciaLa_->setSuffix(QStringLiteral(" Hz"));
  spinReferenciaLa_->setToolTip(texto("hintReferenciaLa"));
  formulario->addRow(texto("lblReferenciaLa"), spinReferenciaLa_);
  barraNivel_ = new QProgressBar(pagina);
  barraNivel_->setObjectName(QStringLiteral("barraNivelEntrada"));
  barraNivel_->setRange(0, 100);
  barraNivel_->setTextVisible(false);
  barraNivel_->setToolTip(texto("hintNivelEntrada"));
  formulario->addRow(texto("lblNivelEntrada"), barraNivel_);
  lblAvisoEntrada_ = new QLabel(pagina);
  lblAvisoEntrada_->setObjectName(QStringLiteral("lblAvisoEntrada"));
  lblAvisoEntrada_->setWordWrap(true);
  formulario->addRow(lblAvisoEntrada_);
  medidor_.setInterval(INTERVALO_NIVEL_MS);
  connect(&medidor_, &QTimer::timeout, this, [this] {
    fachada_.processarEscuta();
    barraNivel_->setValue(static_cast<int>(fachada_.getNivelEntrada() * 100 + 0.5));
  });
  return pagina;
}

// Devices come and go (a headset plugged in): read afresh each time; a kept device that is
// missing now stays in the list, so that OK does not lose it.
void TformConfiguracoes::preencherEntradas() {
  const std::string escolhida =
      comboEntrada_->currentIndex() >= 0 ? entradaEscolhida() : fachada_.getDispositivoEntrada();
  comboEntrada_->clear();
  comboEntrada_->addItem(texto("itemEntradaPadrao"));
  auto nomes = fachada_.getDispositivosEntrada();
  if (!escolhida.empty() && std::find(nomes.begin(), nomes.end(), escolhida) == nomes.end()) {
    nomes.push_back(escolhida);
  }
  for (const auto& nome : nomes) comboEntrada_->addItem(qt(nome), qt(nome));
  const int linha = escolhida.empty() ? 0 : comboEntrada_->findData(qt(escolhida));
  comboEntrada_->setCurrentIndex(std::max(0, linha));
}

std::string TformConfiguracoes::entradaEscolhida() const {
  return core(comboEntrada_->currentData().toString());
}

void TformConfiguracoes::medirNivel(bool ligar) {
  medidor_.stop();
  fachada_.pararEscuta();
  barraNivel_->setValue(0);
  lblAvisoEntrada_->clear();
  if (!ligar) return;
  const auto situacao = fachada_.iniciarEscuta(entradaEscolhida());
  const char* aviso = situacao == EntradaAudio::Situacao::semDispositivo ? "msgSemDispositivo"
                      : situacao == EntradaAudio::Situacao::negada       ? "msgNegado"
                      : situacao == EntradaAudio::Situacao::ocupada      ? "msgOcupado"
                      : situacao == EntradaAudio::Situacao::falhou       ? "msgFalhou"
                                                                         : nullptr;
  if (aviso != nullptr) {
    lblAvisoEntrada_->setText(texto("fmOuvir", aviso));
    return;
  }
  medidor_.start();
}

// ----- showing and closing --------------------------------------------------------------------

int TformConfiguracoes::executar(bool peloInstrumento) {
  pasta_->setCurrentIndex(peloInstrumento ? PAGINA_INSTRUMENTOS : PAGINA_BRACO);
  return exec();
}

void TformConfiguracoes::showEvent(QShowEvent* evento) {
  instrumentoAoAbrir_ = fachada_.getNomeInstrumentoAtual();
  preencherInstrumentos(-1);
  estado_.instrumentoSelecionado = listaInstrumentos_->currentRow();
  listaDrivers_->setCurrentRow(-1);
  preencherDrivers();
  if (listaDrivers_->currentRow() < 0) estado_.driverSelecionado = -1;
  mostrarInstrumentoAtual();
  estado_.posicaoBraco = fachada_.getPosicaoBraco();
  marcarOrientacao(estado_.posicaoBraco);
  desenharOrientacoes();
  const std::string idioma = fachada_.getIdiomaConfigurado();
  comboIdioma_->setCurrentText(qt(idioma.empty() ? fachada_.getNomeIdiomaAtual() : idioma));
  lblNotaIdioma_->setVisible(core(comboIdioma_->currentText()) != fachada_.getNomeIdiomaAtual());
  // The step nearest the window's size now.
  const int escala = fachada_.getEscalaJanela();
  int perto = 0;
  for (int i = 1; i < comboEscala_->count(); ++i) {
    const auto distancia = [&](int j) {
      return std::abs(comboEscala_->itemData(j).toInt() - escala);
    };
    if (distancia(i) < distancia(perto)) perto = i;
  }
  comboEscala_->setCurrentIndex(perto);
  escalaAoAbrir_ = comboEscala_->currentIndex();
  comboEntrada_->setCurrentIndex(-1);
  preencherEntradas();
  spinReferenciaLa_->setValue(fachada_.getReferenciaLa());
  QDialog::showEvent(evento);
  medirNivel(pasta_->currentIndex() == PAGINA_ENTRADA);
}

void TformConfiguracoes::hideEvent(QHideEvent* evento) {
  medirNivel(false);
  QDialog::hideEvent(evento);
}

void TformConfiguracoes::reject() {
  const auto nomes = fachada_.getNomesInstrumentos();
  const auto achado = std::find(nomes.begin(), nomes.end(), instrumentoAoAbrir_);
  if (achado != nomes.end() && fachada_.getNomeInstrumentoAtual() != instrumentoAoAbrir_) {
    try {
      fachada_.setInstrumento(static_cast<int>(achado - nomes.begin()));
    } catch (const DException&) {
      // It was current a moment ago; should it fail now, the new one stays and is followed.
    }
  }
  QDialog::reject();
}

void TformConfiguracoes::confirmar() {
  const int linha = listaInstrumentos_->currentRow();
  if (linha != estado_.instrumentoSelecionado &&
      !gui_.perguntarSimNao(fachada_.getTexto("abaIstrumento", "tituloMsg"),
                            fachada_.getTexto("abaIstrumento", "msgModificacao"))) {
    return;
  }
  if (listaDrivers_->currentRow() >= 0) estado_.driverSelecionado = listaDrivers_->currentRow();
  if (linha >= 0 && !tornarAtual(linha)) return;
  estado_.instrumentoSelecionado = linha;
  if (orientacaoMarcada() >= 0) estado_.posicaoBraco = orientacaoMarcada();
  estado_.aplicar(fachada_);
  // An untouched size keeps the window's own, even between two steps.
  if (comboEscala_->currentIndex() != escalaAoAbrir_) {
    fachada_.setEscalaJanela(comboEscala_->currentData().toInt());
  }
  if (comboIdioma_->currentIndex() >= 0)
    fachada_.setIdiomaConfigurado(core(comboIdioma_->currentText()));
  if (comboEntrada_->currentIndex() >= 0) fachada_.setDispositivoEntrada(entradaEscolhida());
  fachada_.setReferenciaLa(spinReferenciaLa_->value());
  accept();
}

}  // namespace tessara
