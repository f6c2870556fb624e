#include "qt/SuperficieQt.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPen>
#include <QRect>
#include <QRectF>
#include <algorithm>

#include "qt/TextoQt.h"

namespace tessara {

bool SuperficieQt::comecar(QPaintDevice& dispositivo) {
  if (!pintor_.begin(&dispositivo)) return false;
  pintor_.setRenderHint(QPainter::Antialiasing);
  pintor_.setRenderHint(QPainter::TextAntialiasing);
  pintor_.setFont(fonte_);
  aplicarCaneta();
  return true;
}

void SuperficieQt::escalar(double fator) { pintor_.scale(fator, fator); }

void SuperficieQt::terminarPintura() {
  if (pintor_.isActive()) pintor_.end();
}

void SuperficieQt::aplicarCaneta() {
  pintor_.setPen(QPen(Qt::black, larguraCaneta_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void SuperficieQt::setLarguraCaneta(int largura) {
  larguraCaneta_ = std::max(1, largura);
  aplicarCaneta();
}

void SuperficieQt::linha(int x1, int y1, int x2, int y2) { pintor_.drawLine(x1, y1, x2, y2); }

void SuperficieQt::elipse(int esquerda, int topo, int direita, int base) {
  pintor_.setBrush(Qt::white);
  pintor_.drawEllipse(QRect(esquerda, topo, direita - esquerda, base - topo));
}

void SuperficieQt::retangulo(int esquerda, int topo, int direita, int base) {
  pintor_.setBrush(Qt::NoBrush);
  pintor_.drawRect(QRect(esquerda, topo, direita - esquerda, base - topo));
}

void SuperficieQt::disco(int esquerda, int topo, int direita, int base) {
  pintor_.save();
  pintor_.setPen(Qt::NoPen);
  pintor_.setBrush(Qt::black);
  pintor_.drawEllipse(QRect(esquerda, topo, direita - esquerda, base - topo));
  pintor_.restore();
}

void SuperficieQt::barra(int esquerda, int topo, int direita, int base) {
  const QRectF caixa(esquerda, topo, direita - esquerda, base - topo);
  const double raio = caixa.height() / 2;
  pintor_.save();
  pintor_.setPen(Qt::NoPen);
  pintor_.setBrush(Qt::black);
  pintor_.drawRoundedRect(caixa, raio, raio);
  pintor_.restore();
}

void SuperficieQt::setFonte(const std::string& face, int altura) {
  fonte_ = QFont(qt(face));
  fonte_.setPixelSize(std::max(1, altura));
  pintor_.setFont(fonte_);
}

int SuperficieQt::larguraTexto(const std::string& texto) const {
  return pintor_.fontMetrics().horizontalAdvance(qt(texto));
}

int SuperficieQt::alturaTexto(const std::string&) const { return pintor_.fontMetrics().height(); }

void SuperficieQt::escreverTexto(int x, int y, const std::string& texto) {
  if (!textoClaro_) {
    pintor_.drawText(x, y + pintor_.fontMetrics().ascent(), qt(texto));
    return;
  }
  pintor_.save();
  pintor_.setPen(Qt::white);
  pintor_.drawText(x, y + pintor_.fontMetrics().ascent(), qt(texto));
  pintor_.restore();
}

QString SuperficieQt::familiaResolvida(const std::string& face) {
  return QFontInfo(QFont(qt(face))).family();
}

}  // namespace tessara
