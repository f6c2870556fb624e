#pragma once

#include <vector>

namespace tessara::teste {

// Notes struck together (a fast strum, lowest first) and held for some seconds.
struct Toque {
  std::vector<int> notas;  // MIDI; negative ones are silent strings
  double segundos = 1.0;
};

// The built-in synthesizer's sound of those strokes in a row on a General MIDI program, as
// mono samples at 44.1 kHz; empty when no SoundFont is installed.
std::vector<float> renderizar(int programa, const std::vector<Toque>& toques);

constexpr double TAXA_SINTESE = 44100.0;

}  // namespace tessara::teste
