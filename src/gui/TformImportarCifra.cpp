#include "TformImportarCifra.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <algorithm>

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
      abridor_(fachada, std::move(navegador)) {
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

std::vector<std::string> TformImportarCifra::acordes() const {
  return fachada_.getAcordesCifra(core(memoCifra_->toPlainText()));
}

void TformImportarCifra::importar() {
  for (const auto& acorde : acordes()) lista_.adicionarPorNome(acorde, true);
  emit listaPreenchida();
  close();
}

void TformImportarCifra::imprimir() {
  if (!abrirImpressao_) return;
  // The sheet's chords take the print list's place: the user's own list goes only if they say so.
  if (!lista_.vazia() && !gui_.perguntarSimNao(fachada_.getTexto(SECAO, "titulo"),
                                               fachada_.getTexto(SECAO, "msgSubstituirLista"))) {
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  lista_.limpar();
  for (const auto& acorde : acordes()) lista_.adicionarPorNome(acorde, false);
  emit listaPreenchida();
  fachada_.setTextoImpressao(comFimDeLinha(memoCifra_->toPlainText()));
  QApplication::restoreOverrideCursor();
  abrirImpressao_(MODO_IMPRESSAO_CIFRA);
}

}  // namespace tessara
