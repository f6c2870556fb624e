#pragma once

namespace tessara {

// What the label at each string of a fingering shows: the finger, the note or the interval
// to the root. The fretboard's view modes and the printed diagrams' labels use the same values,
// which the settings and the print dialog's list store by position.
struct ModoRotulo {
  static constexpr int DEDOS = 0;
  static constexpr int NOTAS = 1;
  static constexpr int INTERVALOS = 2;
};

}  // namespace tessara
