#pragma once

#include <string>

namespace tessara {

// One thing drawn over the fretboard picture: a dot (the red or the blue picture) or a one-line
// label, as a box of GeometriaBraco's marker size around its centre.
struct MarcadorBraco {
  bool visivel = false;
  int x = 0;  // centre, in pixels of the picture area
  int y = 0;
  std::string texto;      // a label's text, CP1252
  bool tonica = false;    // a dot: the red picture of the root rather than the blue one
  bool destaque = false;  // a label: white text, for the note being played, rather than black
};

}  // namespace tessara
