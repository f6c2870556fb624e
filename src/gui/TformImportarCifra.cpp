#include "TformImportarCifra.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QToolButton>
#include <QWindow>
#include <algorithm>

#include "TformPrincipal.h"
#include "app/Fachada.h"
#include "qt/TextoQt.h"

namespace tessara {

namespace {

constexpr int ALTURA_TITULO = 36;
constexpr int MARGEM = 18;

const char* const SECAO = "fmImportarCifra";

const char* const ESTILO = R"(
  QLabel { color: #f4e9d8; font-size: 12px; }
  QPushButton { color: #f4e9d8; background: #5a3320; border: 1px solid #2a140a;
                border-radius: 5px; padding: 2px 8px; font-size: 12px; }
  QPushButton:hover { background: #6e412a; }
  QPushButton:pressed { background: #3b1d10; }
  QPushButton:disabled { color: #9c8a78; background: #4a2c1c; }
  QPlainTextEdit { background: #fdfaf4; color: #2b1a10; border: 1px solid #2a140a;
                   border-radius: 4px; }
  QToolButton { color: #f4e9d8; font-weight: bold; border-radius: 12px; }
  QToolButton:hover { background: rgba(255, 255, 255, 40); }
)";

// The sheet's lines, each followed by a line feed, as the print job lays them out.
std::string comFimDeLinha(const QString& folha) {
  QStringList linhas = folha.split(QLatin1Char('\n'));
  if (!linhas.isEmpty() && linhas.last().isEmpty()) linhas.removeLast();
  std::string texto;
  for (const QString& linha : linhas) texto += core(linha) + '\n';
  return texto;
}

}  // namespace

TformImportarCifra::TformImportarCifra(Fachada& fachada, TformPrincipal& principal,
                                       AbridorAjuda::Navegador navegador)
    : QDialog(&principal, Qt::Dialog | Qt::FramelessWindowHint),
      fachada_(fachada),
      principal_(principal),
      abridor_(fachada, std::move(navegador)) {
  setObjectName(QStringLiteral("TformImportarCifra"));
  setFixedSize(LARGURA, ALTURA);
  setStyleSheet(QString::fromLatin1(ESTILO));
  setWindowTitle(texto(SECAO, "titulo"));

  botaoDoTopo(
      "btnAjuda", QStringLiteral("?"), LARGURA - 88, texto("geral", "hintBtnAjuda"),
      [this] { abridor_.abrirPagina(fachada_.getCaminhoAjuda(), QStringLiteral("telaCifras")); });
  botaoDoTopo("btnMinimizar", QStringLiteral("\u2013"), LARGURA - 60,
              texto("geral", "hintBtnMinimizar"), [this] { showMinimized(); });
  botaoDoTopo("btnFechar", QStringLiteral("\u00D7"), LARGURA - 32, texto("geral", "hintBtnFechar"),
              [this] { close(); });

  const int yBarra = ALTURA_TITULO + 12;
  auto* colar = botao("btnColar", texto(SECAO, "btnColar"), {MARGEM, yBarra, 100, 28},
                      texto(SECAO, "hintBtnColar"));
  connect(colar, &QPushButton::clicked, this, [this] { this->colar(); });
  montarTransposicao(yBarra);

  memoCifra_ = new QPlainTextEdit(this);
  memoCifra_->setObjectName(QStringLiteral("memoCifra"));
  const int yMemo = yBarra + 38;
  memoCifra_->setGeometry(MARGEM, yMemo, LARGURA - 2 * MARGEM, ALTURA - yMemo - 56);
  // Chords stand above the syllables they fall on only in a fixed-width font.
  QFont fixa = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixa.setPixelSize(13);
  memoCifra_->setFont(fixa);
  memoCifra_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memoCifra_->setToolTip(texto(SECAO, "hintMemoCifra"));
  memoCifra_->setPlainText(texto(SECAO, "textoMemoCifra"));

  const int yBaixo = ALTURA - 46;
  auto* importar =
      botao("btnImportarCifra", texto(SECAO, "btnImportarCifra"),
            {LARGURA - MARGEM - 230, yBaixo, 110, 30}, texto(SECAO, "hintBtnImportarCifra"));
  connect(importar, &QPushButton::clicked, this, [this] { this->importar(); });
  btnImprimir_ = botao("btnImprimir", texto("geral", "btnImprimir"),
                       {LARGURA - MARGEM - 110, yBaixo, 110, 30}, texto(SECAO, "hintBtnImprimir"));
  btnImprimir_->setEnabled(false);
  connect(btnImprimir_, &QPushButton::clicked, this, [this] { imprimir(); });
}

QString TformImportarCifra::texto(const char* secao, const char* chave) const {
  return qtLinhas(fachada_.getTexto(secao, chave));
}

QToolButton* TformImportarCifra::botaoDoTopo(const char* nome, const QString& rotulo, int x,
                                             const QString& dica,
                                             const std::function<void()>& acao) {
  auto* b = new QToolButton(this);
  b->setObjectName(QString::fromLatin1(nome));
  b->setText(rotulo);
  b->setToolTip(dica);
  b->setGeometry(x, 6, 24, 24);
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::NoFocus);
  connect(b, &QToolButton::clicked, this, acao);
  return b;
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

void TformImportarCifra::transporCifra(int passos) {
  const TextoGuardado folha(memoCifra_->toPlainText());
  const int rolagem = memoCifra_->verticalScrollBar()->value();
  const int cursor = memoCifra_->textCursor().position();
  memoCifra_->setPlainText(folha.restaurar(fachada_.transporCifra(folha.cp1252(), passos)));
  // The user keeps their place in a long sheet.
  QTextCursor posicao = memoCifra_->textCursor();
  posicao.setPosition(std::min(cursor, memoCifra_->document()->characterCount() - 1));
  memoCifra_->setTextCursor(posicao);
  memoCifra_->verticalScrollBar()->setValue(rolagem);
}

std::vector<std::string> TformImportarCifra::acordes() const {
  return fachada_.getAcordesCifra(core(memoCifra_->toPlainText()));
}

void TformImportarCifra::importar() {
  for (const auto& acorde : acordes()) principal_.adicionarAcordeListaImpressao(acorde, true);
  close();
}

void TformImportarCifra::imprimir() {
  if (!abrirImpressao_) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  principal_.limparListaImpressao();
  for (const auto& acorde : acordes()) principal_.adicionarAcordeListaImpressao(acorde, false);
  fachada_.setTextoImpressao(comFimDeLinha(memoCifra_->toPlainText()));
  QApplication::restoreOverrideCursor();
  abrirImpressao_(MODO_IMPRESSAO_CIFRA);
}

void TformImportarCifra::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  QLinearGradient madeira(0, 0, 0, height());
  madeira.setColorAt(0, QColor(0x6b, 0x3a, 0x22));
  madeira.setColorAt(1, QColor(0x3b, 0x1d, 0x10));
  pintor.fillRect(rect(), madeira);
  pintor.fillRect(0, 0, width(), ALTURA_TITULO, QColor(0x2a, 0x14, 0x0a, 120));
  QFont titulo = font();
  titulo.setBold(true);
  titulo.setPixelSize(16);
  pintor.setFont(titulo);
  pintor.setPen(QColor(0xf4, 0xe9, 0xd8));
  pintor.drawText(QRect(MARGEM, 0, width() - 120, ALTURA_TITULO), Qt::AlignVCenter | Qt::AlignLeft,
                  windowTitle());
}

void TformImportarCifra::mousePressEvent(QMouseEvent* evento) {
  if (evento->button() == Qt::LeftButton && windowHandle() != nullptr) {
    windowHandle()->startSystemMove();
    return;
  }
  QDialog::mousePressEvent(evento);
}

}  // namespace tessara
