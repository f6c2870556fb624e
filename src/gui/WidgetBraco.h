#pragma once

#include <QWidget>

class QMenu;

#include "qt/PintorBraco.h"

namespace tessara {

class Braco;
class Fachada;
class MenuFigura;
struct Figura;

// The large fretboard: paints the model and hands clicks back to it. A left click sets a note;
// a right click on a note offers to make it the root or to remove it, and anywhere offers the
// fretboard's picture.
class WidgetBraco : public QWidget {
  Q_OBJECT

 public:
  WidgetBraco(Fachada& fachada, Braco& braco, QWidget* pai = nullptr);
  // Device-independent pixels per logical pixel of the picture (1 at its own size).
  double escala() const;
  // The right click's picture actions.
  void definirMenuFigura(MenuFigura* menu) { menuFigura_ = menu; }
  // The fretboard as it is painted now, as a picture to copy or save.
  Figura figura();

 signals:
  // The fingering changed by a click: its name may be another now.
  void editado();

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;

 private:
  // The note's actions when `ponto` is on a note, then the picture's.
  void oferecerMenu(const QPoint& ponto, const QPoint& naTela);
  void acrescentarAcoesNota(QMenu& menu, const QPoint& ponto);
  void aposEdicao(bool mudou);

  Fachada& fachada_;
  Braco& braco_;
  ImagensBraco imagens_;
  MenuFigura* menuFigura_ = nullptr;
};

}  // namespace tessara
