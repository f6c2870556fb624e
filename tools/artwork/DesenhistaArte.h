#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace tessara::arte {

// Draws the program's pictures. The instrument parts are drawn on a fretboard that lies
// along the x axis with its nut at x = 0 and its strings running along x; a picture places
// that fretboard with the painter's transform, so every picture shares the same parts.
class DesenhistaArte {
 public:
  // Splash shown while the program starts: the program's name over a guitar fretboard.
  QImage entrada() const;

  // Distance of a fret from the nut on a scale of the given length (equal temperament).
  static qreal posicaoTraste(int casa, qreal escala);
  // Middle of the space between a fret and the one before it, where fingers and inlays go.
  static qreal centroCasa(int casa, qreal escala);

  void madeira(QPainter& p, const QRectF& braco, quint32 semente) const;
  void mao(QPainter& p, const QRectF& area) const;
  void pestana(QPainter& p, const QRectF& area) const;
  void traste(QPainter& p, qreal x, qreal topo, qreal base) const;
  void marcador(QPainter& p, const QPointF& centro, qreal raio) const;
  // Low strings are wound (bronze), the others plain steel.
  void corda(QPainter& p, qreal y, qreal inicio, qreal fim, qreal espessura, bool enrolada) const;
  void dedo(QPainter& p, const QPointF& centro, qreal raio, int numero) const;

  // Fonts are named explicitly so the pictures look the same on every build machine.
  static QFont fonte(const QString& familia, int pixels, QFont::Weight peso, bool italico = false);

 private:
  void fundoEntrada(QPainter& p, const QSize& tamanho) const;
  void vinheta(QPainter& p, const QSize& tamanho) const;
  void bracoEntrada(QPainter& p) const;
  void tituloEntrada(QPainter& p, const QSize& tamanho) const;
};

}  // namespace tessara::arte
