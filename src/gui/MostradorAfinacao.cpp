#include "MostradorAfinacao.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tessara {

namespace {

const QColor TEXTO(0xf4, 0xe9, 0xd8);
const QColor TRACOS(0xd9, 0xc9, 0xb4);
const QColor FUNDO_ESCALA(0x2a, 0x14, 0x0a);
const QColor AFINADO(0x6d, 0xe0, 0x7a);
const QColor DESAFINADO(0xff, 0xb3, 0x3b);
constexpr int LARGURA_NOTA = 120;
constexpr int LARGURA_CENTS = 90;

}  // namespace

QString MostradorAfinacao::textoCents(double cents) {
  const long redondo = std::lround(cents);
  return (redondo >= 0 ? QStringLiteral("+") : QString()) + QString::number(redondo);
}

MostradorAfinacao::MostradorAfinacao(QWidget* pai) : QWidget(pai) {
  setObjectName(QStringLiteral("mostradorAfinacao"));
}

void MostradorAfinacao::mostrar(std::vector<PainelOuvir::Corda> cordas, const QString& unidade) {
  cordas_ = std::move(cordas);
  unidade_ = unidade;
  update();
}

QSize MostradorAfinacao::sizeHint() const {
  return {480, ALTURA_LINHA * std::max<int>(1, static_cast<int>(cordas_.size()))};
}

void MostradorAfinacao::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.setRenderHint(QPainter::Antialiasing);
  QFont letra = font();
  letra.setPixelSize(14);
  const int n = static_cast<int>(cordas_.size());
  const int xEscala = LARGURA_NOTA;
  const int larguraEscala = width() - LARGURA_NOTA - LARGURA_CENTS;
  for (int i = 0; i < n; ++i) {
    const PainelOuvir::Corda& corda = cordas_[static_cast<size_t>(i)];
    // The highest string on top, as on the fretboard the player sees.
    const int y = (n - 1 - i) * ALTURA_LINHA;
    const QRect linha(0, y, width(), ALTURA_LINHA);
    letra.setBold(corda.afinando);
    pintor.setFont(letra);
    pintor.setPen(TEXTO);
    pintor.drawText(QRect(4, y, LARGURA_NOTA - 8, ALTURA_LINHA), Qt::AlignVCenter | Qt::AlignLeft,
                    QStringLiteral("%1  %2 Hz")
                        .arg(QString::fromStdString(corda.nota))
                        .arg(corda.hertz, 0, 'f', 1));
    const QRectF escala(xEscala, y + 6, larguraEscala, ALTURA_LINHA - 12);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(FUNDO_ESCALA);
    pintor.drawRoundedRect(escala, 4, 4);
    pintor.setPen(QPen(TRACOS, 1));
    for (int c = -50; c <= 50; c += 10) {
      const double x = escala.center().x() + c / CENTS_ESCALA * escala.width() / 2;
      const double alto = c == 0 ? 0 : escala.height() / 4;
      pintor.drawLine(QPointF(x, escala.top() + alto), QPointF(x, escala.bottom() - alto));
    }
    if (!corda.afinando) continue;
    const bool afinado = std::abs(corda.cents) <= CENTS_AFINADO;
    const QColor cor = afinado ? AFINADO : DESAFINADO;
    const double cents = std::clamp(corda.cents, -CENTS_ESCALA, CENTS_ESCALA);
    const double x = escala.center().x() + cents / CENTS_ESCALA * (escala.width() / 2 - 3);
    pintor.setPen(QPen(cor, 4, Qt::SolidLine, Qt::RoundCap));
    pintor.drawLine(QPointF(x, linha.top() + 3), QPointF(x, linha.bottom() - 3));
    pintor.setPen(cor);
    pintor.drawText(QRect(width() - LARGURA_CENTS + 6, y, LARGURA_CENTS - 6, ALTURA_LINHA),
                    Qt::AlignVCenter | Qt::AlignLeft,
                    QStringLiteral("%1 %2").arg(textoCents(corda.cents), unidade_));
  }
}

}  // namespace tessara
