#pragma once

namespace tessara {

// A barre on the fretboard: one bar along its fret position from one outer string to the
// other, drawn under the dots, as wide as a dot.
struct BarraBraco {
  int x = 0;      // the fret position's centre, in pixels of the picture area
  int yTopo = 0;  // the centre of the outer string nearer the top
  int yBase = 0;  // and of the one nearer the bottom
};

}  // namespace tessara
