#include "TformAviso.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>

#include "app/Fachada.h"
#include "qt/TextoQt.h"

namespace tessara {

namespace {

QString texto(const Fachada& fachada, const char* secao, const char* chave) {
  return qtLinhas(fachada.getTexto(secao, chave));
}

QToolButton* botaoDoTopo(QWidget* pai, const QString& rotulo, int x, const QString& dica) {
  auto* botao = new QToolButton(pai);
  botao->setText(rotulo);
  botao->setToolTip(dica);
  botao->setGeometry(x, 4, 24, 24);
  botao->setAutoRaise(true);
  botao->setFocusPolicy(Qt::NoFocus);
  botao->setStyleSheet(
      QStringLiteral("QToolButton { color: #f4e9d8; font-weight: bold; border-radius: 12px; }"
                     "QToolButton:hover { background: rgba(255, 255, 255, 40); }"));
  return botao;
}

}  // namespace

TformAviso::TformAviso(Fachada& fachada, QWidget* pai, AbridorAjuda::Navegador navegador)
    : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint),
      fachada_(fachada),
      abridor_(fachada, std::move(navegador)),
      ajuda_(fachada.getCaminhoAjuda()) {
  setObjectName(QStringLiteral("TformAviso"));
  setFixedSize(LARGURA, ALTURA);
  // The rounded corners show what lies behind.
  setAttribute(Qt::WA_TranslucentBackground);
  setWindowTitle(texto(fachada, "geral", "nomeAplicacao"));

  mensagem_ = new QLabel(this);
  mensagem_->setObjectName(QStringLiteral("memoMensagem"));
  mensagem_->setGeometry(28, 102, 345, 97);
  mensagem_->setAlignment(Qt::AlignCenter);
  mensagem_->setWordWrap(true);
  mensagem_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  mensagem_->setStyleSheet(QStringLiteral("color: #2b1a10; font-size: 13px;"));

  prosseguir_ = new QPushButton(texto(fachada, "fmAviso", "btnProsseguir"), this);
  prosseguir_->setObjectName(QStringLiteral("btnProsseguir"));
  prosseguir_->setGeometry(152, 216, 111, 26);
  prosseguir_->setDefault(true);
  connect(prosseguir_, &QPushButton::clicked, this, &QDialog::accept);

  botaoAjuda_ =
      botaoDoTopo(this, QStringLiteral("?"), 344, texto(fachada, "geral", "hintBtnAjuda"));
  botaoAjuda_->setObjectName(QStringLiteral("btnAjuda"));
  connect(botaoAjuda_, &QToolButton::clicked, this, [this] { abridor_.abrirPagina(ajuda_); });

  fechar_ =
      botaoDoTopo(this, QStringLiteral("\u00D7"), 373, texto(fachada, "geral", "hintBtnFechar"));
  fechar_->setObjectName(QStringLiteral("btnFechar"));
  connect(fechar_, &QToolButton::clicked, this, &QDialog::reject);
}

int TformAviso::mostrarMensagem(const QString& texto, const std::filesystem::path& ajuda) {
  ajuda_ = ajuda;
  return mostrarMensagem(texto);
}

int TformAviso::mostrarMensagem(const QString& texto) {
  mensagem_->setText(texto);
  if (parentWidget() != nullptr) {
    const QRect janela = parentWidget()->window()->geometry();
    move(janela.center() - rect().center());
  }
  return exec();
}

QString TformAviso::getTexto() const { return mensagem_->text(); }

void TformAviso::done(int resultado) {
  // Closed either way: the next notice starts from the general help again.
  ajuda_ = fachada_.getCaminhoAjuda();
  QDialog::done(resultado);
}

void TformAviso::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.setRenderHint(QPainter::Antialiasing);
  const QRectF caixa = QRectF(rect()).adjusted(1, 1, -1, -1);
  QLinearGradient madeira(0, 0, 0, height());
  madeira.setColorAt(0, QColor(0x6b, 0x3a, 0x22));
  madeira.setColorAt(1, QColor(0x3b, 0x1d, 0x10));
  pintor.setPen(QPen(QColor(0x2a, 0x14, 0x0a), 2));
  pintor.setBrush(madeira);
  pintor.drawRoundedRect(caixa, 14, 14);
  // The message sits on a light card, like a page.
  pintor.setPen(Qt::NoPen);
  pintor.setBrush(QColor(0xfd, 0xfa, 0xf4));
  pintor.drawRoundedRect(QRectF(18, 40, 365, 168), 10, 10);
  QFont titulo = font();
  titulo.setBold(true);
  titulo.setPixelSize(18);
  pintor.setFont(titulo);
  pintor.setPen(QColor(0xf4, 0xe9, 0xd8));
  pintor.drawText(QRectF(18, 6, 300, 28), Qt::AlignVCenter | Qt::AlignLeft, windowTitle());
  // A red and a blue dot, as on the fretboard.
  pintor.setBrush(QColor(0xd0, 0x38, 0x30));
  pintor.drawEllipse(QPointF(48, 72), 11, 11);
  pintor.setBrush(QColor(0x3c, 0x72, 0xcc));
  pintor.drawEllipse(QPointF(74, 72), 11, 11);
}

void TformAviso::mousePressEvent(QMouseEvent* evento) {
  if (evento->button() == Qt::LeftButton && windowHandle() != nullptr) {
    windowHandle()->startSystemMove();
    return;
  }
  QDialog::mousePressEvent(evento);
}

void TformAviso::keyPressEvent(QKeyEvent* evento) {
  if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(evento);
}

}  // namespace tessara
