#pragma once

#include <array>
#include <vector>

namespace tessara {

// How likely each pitch class of a frame is played rather than an overtone of another string:
// a logistic model over signs an ear uses too (the pitch class's own strength, before and after
// the overtones are taken out; the lower notes it could be an overtone of; whether it stands on
// the bass note's harmonic series; whether it is the bass; in how many octaves it sounds). The
// weights were fitted on the built-in synthesizer's nylon and steel guitars playing the second and
// third fingerings of the shipped chords (the tests judge the first).
class PresencaNotas {
 public:
  struct Notas {
    const std::vector<float>& brutas;  // strength per MIDI note as heard
    const std::vector<float>& limpas;  // the same with the overtones taken out
    int minima;                        // the notes that count, lowest and highest
    int maxima;
    int gravesAte;  // the highest note that may be the bass
  };

  // `croma`: the chromagram of the clean notes, the strongest 1.
  static std::array<float, 12> estimar(const Notas& notas, const std::array<float, 12>& croma);
};

}  // namespace tessara
