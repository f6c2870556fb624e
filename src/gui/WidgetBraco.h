#pragma once

#include <QWidget>

#include "qt/PintorBraco.h"

namespace tessara {

class Braco;
class Fachada;

// The large fretboard: paints the model and hands clicks back to it. A left click sets a note;
// a right click on a note offers to make it the root or to remove it.
class WidgetBraco : public QWidget {
  Q_OBJECT

 public:
  WidgetBraco(Fachada& fachada, Braco& braco, QWidget* pai = nullptr);
  // Device-independent pixels per logical pixel of the picture (1 at its own size).
  double escala() const;

 signals:
  // The fingering changed by a click: its name may be another now.
  void editado();

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;

 private:
  void oferecerMenu(const QPoint& ponto, const QPoint& naTela);
  void aposEdicao(bool mudou);

  Fachada& fachada_;
  Braco& braco_;
  ImagensBraco imagens_;
};

}  // namespace tessara
