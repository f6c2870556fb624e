#include "TformImportarCifra.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

#include "foundations/ArquivoAtomico.h"

#include "EstiloJanelas.h"
#include "app/Fachada.h"
#include "app/FachadaGUI.h"
#include "qt/TextoQt.h"
#include "telas/ListaImpressao.h"

namespace tessara {

namespace {

constexpr int ALTURA_TITULO = 36;
constexpr int MARGEM = 18;

const char* const SECAO = "fmImportarCifra";

// The sheet's lines, each followed by a line feed, as the print job lays them out.
std::string comFimDeLinha(const QString& folha) {
  QStringList linhas = folha.split(QLatin1Char('\n'));
  if (!linhas.isEmpty() && linhas.last().isEmpty()) linhas.removeLast();
  std::string texto;
  for (const QString& linha : linhas) texto += core(linha) + '\n';
  return texto;
}

}  // namespace

TformImportarCifra::TformImportarCifra(Fachada& fachada, ListaImpressao& lista,
                                       const FachadaGUI& gui, QWidget* pai,
                                       AbridorAjuda::Navegador navegador)
    : DialogoSemBorda(fachada, qtLinhas(fachada.getTexto(SECAO, "titulo")), LARGURA, ALTURA, pai),
      lista_(lista),
      gui_(gui),
      abridor_(fachada, std::move(navegador)),
      arquivos_(fachada.getPastaUsuario()) {
  setObjectName(QStringLiteral("TformImportarCifra"));
  setStyleSheet(estiloJanelas());

  connect(
      botaoDoTopo("btnAjuda", QStringLiteral("?"), LARGURA - 87, texto("geral", "hintBtnAjuda")),
      &QToolButton::clicked, this,
      [this] { abridor_.abrirPagina(fachada_.getCaminhoAjuda(), QStringLiteral("telaCifras")); });
  connect(botaoDoTopo("btnMinimizar", QStringLiteral("\u2013"), LARGURA - 58,
                      texto("geral", "hintBtnMinimizar")),
          &QToolButton::clicked, this, [this] { showMinimized(); });
  botaoFechar();

  const int yBarra = ALTURA_TITULO + 12;
  auto* colar = botao("btnColar", texto(SECAO, "btnColar"), {MARGEM, yBarra, 100, 28},
                      texto(SECAO, "hintBtnColar"));
  connect(colar, &QPushButton::clicked, this, [this] { this->colar(); });
  montarTransposicao(yBarra);
  montarArquivos(yBarra + 36);

  memoCifra_ = new QPlainTextEdit(this);
  memoCifra_->setObjectName(QStringLiteral("memoCifra"));
  // Chords stand above the syllables they fall on only in a fixed-width font.
  QFont fixa = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixa.setPixelSize(13);
  memoCifra_->setFont(fixa);
  memoCifra_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memoCifra_->setToolTip(texto(SECAO, "hintMemoCifra"));
  const auto ultima = arquivos_.ultima();
  memoCifra_->setPlainText(ultima ? QString::fromStdString(*ultima)
                                  : texto(SECAO, "textoMemoCifra"));
  memoCifra_->viewport()->installEventFilter(this);
  guarda_.setSingleShot(true);
  guarda_.setInterval(700);
  connect(&guarda_, &QTimer::timeout, this, [this] { guardarFolha(); });
  connect(memoCifra_, &QPlainTextEdit::textChanged, this, [this] { guarda_.start(); });
  lblCancao_->setText(textoCabecalho());

  btnImportar_ = botao("btnImportarCifra", texto(SECAO, "btnImportarCifra"), {},
                       texto(SECAO, "hintBtnImportarCifra"));
  connect(btnImportar_, &QPushButton::clicked, this, [this] { this->importar(); });
  btnImprimir_ =
      botao("btnImprimir", texto("geral", "btnImprimir"), {}, texto(SECAO, "hintBtnImprimir"));
  btnImprimir_->setEnabled(false);
  connect(btnImprimir_, &QPushButton::clicked, this, [this] { imprimir(); });
  dispor();
  tornarRedimensionavel();
}

void TformImportarCifra::dispor() {
  // The sheet takes whatever room the window gains; the buttons keep to their corner.
  const int yMemo = ALTURA_TITULO + 12 + 74;
  memoCifra_->setGeometry(MARGEM, yMemo, width() - 2 * MARGEM, height() - yMemo - 56);
  lblCancao_->setGeometry(MARGEM + 220, lblCancao_->y(), width() - 2 * MARGEM - 220, 28);
  const int yBaixo = height() - 46;
  btnImportar_->setGeometry(width() - MARGEM - 230 - ALCA, yBaixo, 110, 30);
  btnImprimir_->setGeometry(width() - MARGEM - 110 - ALCA, yBaixo, 110, 30);
}

void TformImportarCifra::resizeEvent(QResizeEvent* evento) {
  DialogoSemBorda::resizeEvent(evento);
  dispor();
}

QPushButton* TformImportarCifra::botao(const char* nome, const QString& rotulo, const QRect& lugar,
                                       const QString& dica) {
  auto* b = new QPushButton(rotulo, this);
  b->setObjectName(QString::fromLatin1(nome));
  b->setGeometry(lugar);
  b->setToolTip(dica);
  b->setAutoDefault(false);
  return b;
}

void TformImportarCifra::montarTransposicao(int y) {
  auto* mudarTom = new QLabel(texto(SECAO, "lblMudarTom"), this);
  mudarTom->setObjectName(QStringLiteral("lblMudarTom"));
  mudarTom->setGeometry(140, y, 110, 28);
  mudarTom->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  struct Sentido {
    const char* botao;
    const char* rotulo;
    QString seta;
    QString sinal;
    const char* dica;
    int direcao;
  };
  const Sentido sentidos[] = {
      {"btnTransporAcima", "lblTransporAcima", QStringLiteral("\u25B2"), QStringLiteral("+1 "),
       "hintBtnTransporAcima", 1},
      {"btnTransporAbaixo", "lblTransporAbaixo", QStringLiteral("\u25BC"), QStringLiteral("-1 "),
       "hintBtnTransporAbaixo", -1},
  };
  int x = 258;
  for (const auto& s : sentidos) {
    const QString dica = texto(SECAO, s.dica);
    auto* b = botao(s.botao, s.seta, {x, y, 32, 28}, dica);
    connect(b, &QPushButton::clicked, this,
            [this, direcao = s.direcao] { transporCifra(direcao * passos_); });
    auto* rotulo = new QLabel(s.sinal + texto(SECAO, "nomeSemitom"), this);
    rotulo->setObjectName(QString::fromLatin1(s.rotulo));
    rotulo->setGeometry(x + 38, y, 120, 28);
    rotulo->setToolTip(dica);
    x += 168;
  }
}

void TformImportarCifra::montarArquivos(int y) {
  auto* abrir = botao("btnAbrir", texto(SECAO, "btnAbrir"), {MARGEM, y, 80, 28},
                      texto(SECAO, "hintBtnAbrir"));
  connect(abrir, &QPushButton::clicked, this, [this] { escolherAbrir(); });
  // The files used lately, under a button of their own beside Open.
  auto* maisAbrir = botao("btnRecentes", QStringLiteral("\u25BE"), {MARGEM + 82, y, 24, 28},
                          texto(SECAO, "hintBtnAbrir"));
  maisAbrir->setStyleSheet(QStringLiteral("QPushButton::menu-indicator { image: none; }"));
  recentes_ = new QMenu(maisAbrir);
  recentes_->setObjectName(QStringLiteral("mnuRecentes"));
  maisAbrir->setMenu(recentes_);
  connect(recentes_, &QMenu::aboutToShow, this, [this] { encherRecentes(); });
  auto* salvar = botao("btnSalvar", texto(SECAO, "btnSalvar"), {MARGEM + 108, y, 100, 28},
                       texto(SECAO, "hintBtnSalvar"));
  connect(salvar, &QPushButton::clicked, this, [this] { escolherSalvar(); });
  lblCancao_ = new QLabel(this);
  lblCancao_->setObjectName(QStringLiteral("lblCancao"));
  lblCancao_->setGeometry(MARGEM + 220, y, LARGURA - 2 * MARGEM - 220, 28);
  lblCancao_->setTextFormat(Qt::PlainText);
}

void TformImportarCifra::encherRecentes() {
  recentes_->clear();
  const auto arquivos = arquivos_.recentes();
  for (const auto& arquivo : arquivos) {
    const QString caminho = QString::fromStdString(arquivo.string());
    recentes_->addAction(caminho, this, [this, arquivo] { abrirArquivo(arquivo); });
  }
  if (arquivos.empty()) recentes_->addAction(texto(SECAO, "mnuSemRecentes"))->setEnabled(false);
}

void TformImportarCifra::escolherAbrir() {
  const QString filtro =
      texto(SECAO, "filtroCifras") + QStringLiteral(";;") + texto(SECAO, "filtroTodos");
  const QString escolhido =
      QFileDialog::getOpenFileName(this, texto(SECAO, "tituloAbrir"), {}, filtro);
  if (!escolhido.isEmpty()) abrirArquivo(escolhido.toStdString());
}

void TformImportarCifra::escolherSalvar() {
  const QString texto1 = texto(SECAO, "filtroTexto");
  const QString chordPro = texto(SECAO, "filtroChordPro");
  const bool emChordPro = fachada_.cifraEmChordPro(core(memoCifra_->toPlainText()));
  QString filtro = emChordPro ? chordPro : texto1;
  const QString escolhido = QFileDialog::getSaveFileName(
      this, texto(SECAO, "tituloSalvar"), {}, texto1 + QStringLiteral(";;") + chordPro, &filtro);
  if (escolhido.isEmpty()) return;
  std::filesystem::path arquivo = escolhido.toStdString();
  // A name typed without an extension takes the filter's.
  if (!arquivo.has_extension()) arquivo += filtro == chordPro ? ".cho" : ".txt";
  salvarArquivo(arquivo);
}

bool TformImportarCifra::abrirArquivo(const std::filesystem::path& arquivo) {
  std::string motivo;
  const auto folha = ArquivosCifra::abrir(arquivo, motivo);
  if (!folha) {
    mostrarErro("erroAbrir", arquivo, motivo);
    return false;
  }
  QString lida = QString::fromStdString(*folha);
  lida.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  memoCifra_->setPlainText(lida);
  arquivos_.lembrar(arquivo);
  guardarFolha();
  return true;
}

bool TformImportarCifra::salvarArquivo(const std::filesystem::path& arquivo) {
  QString folha = memoCifra_->toPlainText();
  const bool paraChordPro = ArquivosCifra::ehChordPro(arquivo);
  // A sheet of chords over lyrics is saved as text the way the user laid it out; anything
  // else is written anew in the file's grammar (a ChordPro file gets no chord line).
  const TextoGuardado guardado(folha);
  if (paraChordPro || fachada_.cifraEmChordPro(guardado.cp1252())) {
    folha = guardado.restaurar(fachada_.converterCifra(guardado.cp1252(), paraChordPro));
  }
  if (!folha.isEmpty() && !folha.endsWith(QLatin1Char('\n'))) folha += QLatin1Char('\n');
  std::string motivo;
  if (!ArquivoAtomico::substituir(arquivo, folha.toStdString(), &motivo)) {
    mostrarErro("erroSalvar", arquivo, motivo);
    return false;
  }
  arquivos_.lembrar(arquivo);
  return true;
}

void TformImportarCifra::mostrarErro(const char* chave, const std::filesystem::path& arquivo,
                                     const std::string& motivo) {
  std::string mensagem =
      fachada_.getTexto(SECAO, chave) + "\n" + core(QString::fromStdString(arquivo.string()));
  if (!motivo.empty()) mensagem += "\n" + core(QString::fromStdString(motivo));
  fachada_.mostrarMensagem(mensagem, fachada_.getTexto(SECAO, "titulo"));
}

QString TformImportarCifra::textoCabecalho() const {
  const auto cabecalho = fachada_.getCabecalhoCifra(core(memoCifra_->toPlainText()));
  QStringList partes;
  if (!cabecalho.titulo.empty()) partes << qt(cabecalho.titulo);
  if (!cabecalho.tom.empty())
    partes << texto(SECAO, "lblTom") + QLatin1Char(' ') + qt(cabecalho.tom);
  if (cabecalho.capo != 0) {
    partes << texto(SECAO, "lblCapo") + QLatin1Char(' ') + QString::number(cabecalho.capo);
  }
  return partes.join(QStringLiteral("  \u00B7  "));
}

void TformImportarCifra::guardarFolha() {
  guarda_.stop();
  lblCancao_->setText(textoCabecalho());
  arquivos_.guardar(memoCifra_->toPlainText().toStdString());
}

void TformImportarCifra::hideEvent(QHideEvent* evento) {
  if (guarda_.isActive()) guardarFolha();
  DialogoSemBorda::hideEvent(evento);
}

bool TformImportarCifra::eventFilter(QObject* objeto, QEvent* evento) {
  // A file dropped on the sheet opens; dropped text is the editor's own business.
  const bool arrastando = evento->type() == QEvent::DragEnter || evento->type() == QEvent::DragMove;
  if (arrastando || evento->type() == QEvent::Drop) {
    const QMimeData* dados = static_cast<QDropEvent*>(evento)->mimeData();
    if (dados->hasUrls() && !dados->urls().isEmpty() && dados->urls().front().isLocalFile()) {
      auto* soltura = static_cast<QDropEvent*>(evento);
      soltura->acceptProposedAction();
      if (evento->type() == QEvent::Drop)
        abrirArquivo(dados->urls().front().toLocalFile().toStdString());
      return true;
    }
  }
  return DialogoSemBorda::eventFilter(objeto, evento);
}

void TformImportarCifra::definirAbrirImpressao(AbrirImpressao abrir) {
  abrirImpressao_ = std::move(abrir);
  btnImprimir_->setEnabled(static_cast<bool>(abrirImpressao_));
}

void TformImportarCifra::colar() {
  QString colado = QApplication::clipboard()->text();
  colado.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  colado.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  const TextoGuardado guardado(colado);
  memoCifra_->setPlainText(guardado.restaurar(fachada_.colarCifra(guardado.cp1252())));
}

// Only the lines that changed are rewritten, in one edit: one Undo takes the transposition
// back, and the user's cursor and scroll stay where they were in a long sheet.
void TformImportarCifra::transporCifra(int passos) {
  QTextDocument* documento = memoCifra_->document();
  const TextoGuardado folha(documento->toPlainText());
  const QStringList linhas =
      folha.restaurar(fachada_.transporCifra(folha.cp1252(), passos)).split(QLatin1Char('\n'));
  const int rolagem = memoCifra_->verticalScrollBar()->value();
  QTextCursor edicao(documento);
  edicao.beginEditBlock();
  if (linhas.size() == documento->blockCount()) {
    for (QTextBlock bloco = documento->firstBlock(); bloco.isValid(); bloco = bloco.next()) {
      const QString& nova = linhas[bloco.blockNumber()];
      if (bloco.text() == nova) continue;
      edicao.setPosition(bloco.position());
      edicao.setPosition(bloco.position() + bloco.length() - 1, QTextCursor::KeepAnchor);
      edicao.insertText(nova);
    }
  } else {
    edicao.select(QTextCursor::Document);
    edicao.insertText(linhas.join(QLatin1Char('\n')));
  }
  edicao.endEditBlock();
  memoCifra_->verticalScrollBar()->setValue(rolagem);
}

CabecalhoCancao TformImportarCifra::cancao() const {
  const std::string folha = core(memoCifra_->toPlainText());
  CabecalhoCancao cabecalho = fachada_.getCabecalhoCifra(folha);
  // A songbook prints the song's page with its sheet, as chords over lyrics.
  cabecalho.letra = fachada_.converterCifra(folha, false);
  return cabecalho;
}

std::vector<std::string> TformImportarCifra::acordes() const {
  return fachada_.getAcordesCifra(core(memoCifra_->toPlainText()));
}

void TformImportarCifra::importar() {
  lista_.adicionarCancao(cancao(), acordes());
  emit listaPreenchida();
  close();
}

void TformImportarCifra::imprimir() {
  if (!abrirImpressao_) return;
  // The user's own list goes only if they say so; they may also print it with the sheet's.
  int resposta = SUBSTITUIR;
  if (!lista_.vazia()) {
    resposta = gui_.perguntarBotoes(
        fachada_.getTexto(SECAO, "titulo"), fachada_.getTexto(SECAO, "msgSubstituirLista"),
        {fachada_.getTexto(SECAO, "btnSubstituir"), fachada_.getTexto(SECAO, "btnAcrescentar"),
         fachada_.getTexto(SECAO, "btnCancelar")});
  }
  if (resposta != SUBSTITUIR && resposta != ACRESCENTAR) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (resposta == SUBSTITUIR) lista_.limpar();
  lista_.adicionarCancao(cancao(), acordes());
  emit listaPreenchida();
  fachada_.setTextoImpressao(comFimDeLinha(memoCifra_->toPlainText()));
  QApplication::restoreOverrideCursor();
  abrirImpressao_(MODO_IMPRESSAO_CIFRA);
}

}  // namespace tessara
