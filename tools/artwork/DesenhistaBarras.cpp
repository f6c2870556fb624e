#include "DesenhistaBarras.h"

#include <QLinearGradient>
#include <QPainter>

#include "DesenhistaArte.h"

namespace tessara::arte {

namespace {

QImage madeiraEscura(int largura, int altura, quint32 semente) {
  QImage imagem(largura, altura, QImage::Format_RGB32);
  QPainter p(&imagem);
  p.setRenderHint(QPainter::Antialiasing);
  DesenhistaArte().madeira(p, QRectF(0, 0, largura, altura), semente);
  // Darker than the fretboard, so that the board stays what the eye goes to.
  p.fillRect(imagem.rect(), QColor(0x10, 0x06, 0x02, 90));
  return imagem;
}

// The cream binding along an edge, with the thin black line that runs beside it.
void friso(QPainter& p, qreal y, int largura, bool embaixo) {
  const qreal linha = embaixo ? y - 4.0 : y + 3.0;
  p.fillRect(QRectF(0, linha, largura, 1.0), QColor(0x12, 0x08, 0x04));
  QLinearGradient creme(0, y, 0, y + (embaixo ? -3.0 : 3.0));
  creme.setColorAt(0, QColor(0xf1, 0xe2, 0xc0));
  creme.setColorAt(1, QColor(0xc9, 0xb0, 0x82));
  p.fillRect(QRectF(0, embaixo ? y - 3.0 : y, largura, 3.0), creme);
}

}  // namespace

QImage DesenhistaBarras::superior() const {
  QImage imagem = madeiraEscura(LARGURA, ALTURA_SUPERIOR, 0x5eed01);
  QPainter p(&imagem);
  p.setRenderHint(QPainter::Antialiasing);
  // Light from above.
  QLinearGradient luz(0, 0, 0, ALTURA_SUPERIOR);
  luz.setColorAt(0.0, QColor(255, 220, 180, 40));
  luz.setColorAt(0.5, QColor(0, 0, 0, 0));
  luz.setColorAt(1.0, QColor(0, 0, 0, 70));
  p.fillRect(imagem.rect(), luz);
  friso(p, ALTURA_SUPERIOR, LARGURA, true);
  return imagem;
}

QImage DesenhistaBarras::inferior() const {
  QImage imagem = madeiraEscura(LARGURA, ALTURA_INFERIOR, 0x5eed02);
  QPainter p(&imagem);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sombra(0, 0, 0, 12);
  sombra.setColorAt(0.0, QColor(0, 0, 0, 150));
  sombra.setColorAt(1.0, QColor(0, 0, 0, 0));
  p.fillRect(QRectF(0, 0, LARGURA, 12), sombra);
  friso(p, 0, LARGURA, false);
  return imagem;
}

QImage DesenhistaBarras::painel(int largura, QColor tom) const {
  QImage imagem(largura, ALTURA_PAINEL, QImage::Format_RGB32);
  QPainter p(&imagem);
  QLinearGradient fundo(0, 0, 0, ALTURA_PAINEL);
  fundo.setColorAt(0.0, tom.darker(160));
  fundo.setColorAt(0.25, tom);
  fundo.setColorAt(1.0, tom.darker(130));
  p.fillRect(imagem.rect(), fundo);
  // Sunk in: shade on the upper and left edges, light on the lower and right ones.
  const QRectF borda = QRectF(imagem.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(QColor(0, 0, 0, 170), 1.0));
  p.drawLine(borda.topLeft(), borda.topRight());
  p.drawLine(borda.topLeft(), borda.bottomLeft());
  p.setPen(QPen(QColor(255, 225, 190, 70), 1.0));
  p.drawLine(borda.bottomLeft(), borda.bottomRight());
  p.drawLine(borda.topRight(), borda.bottomRight());
  return imagem;
}

}  // namespace tessara::arte
