#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include "model/PosicaoHarmonicaInstrumentoCordas.h"
#include "printing/DiagramaAvulso.h"

namespace tessara {

class Fachada;

// A fingering's diagram on the current instrument as a picture or an SVG document, drawn as
// the printed page draws it: the main window's small diagrams and the picture a user copies.
class ImagemDiagrama {
 public:
  // `alturaGrade`: the grid's height in the drawing's own units; `rotulo` what the dots say.
  ImagemDiagrama(const Fachada& fachada, int alturaGrade, int rotulo);

  // In the drawing's own units.
  QSize tamanho() const;
  // White, `escala` device pixels per unit.
  QImage imagem(const PosicaoHarmonicaInstrumentoCordas& posicao, double escala = 1) const;
  // Its texts kept as text.
  QByteArray svg(const PosicaoHarmonicaInstrumentoCordas& posicao) const;

 private:
  const Fachada& fachada_;
  DiagramaAvulso diagrama_;
};

}  // namespace tessara
