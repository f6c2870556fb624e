#pragma once

#include <QAbstractScrollArea>
#include <QPixmap>
#include <vector>

namespace tessara {

class Fachada;
class FaixaPosicoes;
class MenuFigura;
struct Figura;
class PosicaoHarmonicaInstrumentoCordas;

// The row of small diagrams under the fretboard: every fingering of the chord on show, the one
// on the fretboard framed. A click, or the arrow keys, Home and End once it has the focus,
// choose one; a right click offers its picture. The pictures are drawn when first seen and
// kept until the fingerings or the size change, so a chord of sixty fingerings costs what
// the few in view cost.
class FaixaDiagramas : public QAbstractScrollArea {
  Q_OBJECT

 public:
  FaixaDiagramas(Fachada& fachada, const FaixaPosicoes& faixa, MenuFigura& menu,
                 QWidget* pai = nullptr);

  // The model read again: `mudou` when its fingerings changed, not only the one framed.
  void atualizar(bool mudou);
  // What the dots of a copied or saved diagram say (the fretboard's labels).
  void definirRotulo(int rotulo) { rotulo_ = rotulo; }
  // The diagram of a fingering as a picture to copy or save, with the fretboard's labels.
  Figura figura(const PosicaoHarmonicaInstrumentoCordas& posicao) const;
  // Where diagram `indice` stands in the viewport.
  QRect caixa(int indice) const;

 signals:
  void escolhida(int indice);

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void wheelEvent(QWheelEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;
  void focusInEvent(QFocusEvent* evento) override;
  void focusOutEvent(QFocusEvent* evento) override;

 private:
  int alturaCelula() const;
  void medir();
  int indiceEm(const QPoint& ponto) const;
  const QPixmap& imagem(int indice);
  void ajustarRolagem();
  void mostrarAtual();
  void pintarVazia(QPainter& pintor);

  Fachada& fachada_;
  const FaixaPosicoes& faixa_;
  MenuFigura& menu_;
  int rotulo_ = 0;
  std::vector<QPixmap> imagens_;  // null until drawn
  QSize tamanhoImagens_;
  int larguraCelula_ = 1;
};

}  // namespace tessara
