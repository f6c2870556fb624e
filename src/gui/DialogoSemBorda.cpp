#include "DialogoSemBorda.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QSizeGrip>
#include <QToolButton>
#include <QWindow>

#include "app/Fachada.h"
#include "qt/TextoQt.h"

namespace tessara {

DialogoSemBorda::DialogoSemBorda(Fachada& fachada, const QString& titulo, int largura, int altura,
                                 QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint), fachada_(fachada) {
  setFixedSize(largura, altura);
  // The rounded corners show what lies behind.
  setAttribute(Qt::WA_TranslucentBackground);
  setWindowTitle(titulo);
}

QToolButton* DialogoSemBorda::botaoDoTopo(const char* nome, const QString& rotulo, int x,
                                          const QString& dica) {
  auto* botao = new QToolButton(this);
  botao->setObjectName(QString::fromLatin1(nome));
  botao->setText(rotulo);
  botao->setToolTip(dica);
  botao->setGeometry(x, 4, 24, 24);
  botao->setAutoRaise(true);
  if (x > width() / 2) botoesDireita_.emplace_back(botao, width() - x);
  botao->setFocusPolicy(Qt::NoFocus);
  botao->setStyleSheet(
      QStringLiteral("QToolButton { color: #f4e9d8; font-weight: bold; border-radius: 12px; }"
                     "QToolButton:hover { background: rgba(255, 255, 255, 40); }"));
  return botao;
}

QToolButton* DialogoSemBorda::botaoFechar() {
  auto* fechar = botaoDoTopo("btnFechar", QStringLiteral("\u00D7"), width() - 29,
                             texto("geral", "hintBtnFechar"));
  connect(fechar, &QToolButton::clicked, this, &QDialog::reject);
  return fechar;
}

void DialogoSemBorda::centralizar() {
  if (parentWidget() == nullptr) return;
  move(parentWidget()->window()->geometry().center() - rect().center());
}

void DialogoSemBorda::tornarRedimensionavel() {
  setMinimumSize(size());
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  auto* alca = new QSizeGrip(this);
  alca->setObjectName(QStringLiteral("alcaTamanho"));
  alca->resize(ALCA, ALCA);
  alca_ = alca;
  alca_->move(width() - ALCA - 4, height() - ALCA - 4);
}

void DialogoSemBorda::resizeEvent(QResizeEvent* evento) {
  QDialog::resizeEvent(evento);
  for (const auto& [botao, daDireita] : botoesDireita_) botao->move(width() - daDireita, 4);
  if (alca_ != nullptr) alca_->move(width() - ALCA - 4, height() - ALCA - 4);
}

void DialogoSemBorda::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.setRenderHint(QPainter::Antialiasing);
  const QRectF caixa = QRectF(rect()).adjusted(1, 1, -1, -1);
  QLinearGradient madeira(0, 0, 0, height());
  madeira.setColorAt(0, QColor(0x6b, 0x3a, 0x22));
  madeira.setColorAt(1, QColor(0x3b, 0x1d, 0x10));
  pintor.setPen(QPen(QColor(0x2a, 0x14, 0x0a), 2));
  pintor.setBrush(madeira);
  pintor.drawRoundedRect(caixa, 14, 14);
  QFont titulo = font();
  titulo.setBold(true);
  titulo.setPixelSize(18);
  pintor.setFont(titulo);
  pintor.setPen(QColor(0xf4, 0xe9, 0xd8));
  pintor.drawText(QRectF(18, 4, width() - 90, ALTURA_TOPO - 4), Qt::AlignVCenter | Qt::AlignLeft,
                  windowTitle());
}

void DialogoSemBorda::mousePressEvent(QMouseEvent* evento) {
  if (evento->button() == Qt::LeftButton && windowHandle() != nullptr) {
    windowHandle()->startSystemMove();
    return;
  }
  QDialog::mousePressEvent(evento);
}

}  // namespace tessara
