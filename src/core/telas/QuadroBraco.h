#pragma once

namespace tessara {

// A frame around a stretch of the fretboard: the scale position on show on the whole neck.
struct QuadroBraco {
  bool visivel = false;
  int xEsquerda = 0;  // in pixels of the picture area
  int xDireita = 0;
  int yTopo = 0;
  int yBase = 0;
};

}  // namespace tessara
