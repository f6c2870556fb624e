#pragma once

#include <array>
#include <vector>

#include "ouvir/EstadoAcorde.h"
#include "ouvir/QuadroCroma.h"

namespace tessara {

// The chord HMM's states and how well each explains a chroma frame. State 0 is no chord; the
// others are every kind of the vocabulary on every root, with each chord tone in the bass.
// A state's score is the cosine between the treble chroma and the chord's template (its tones
// with their first harmonics folded in, weaker with each), plus a bonus when the bass heard is
// the state's bass, less a little for a bass that is not the root (the plain reading wins a
// tie, as Am7 over C6/A).
class ModeloAcordes {
 public:
  ModeloAcordes();

  const std::vector<EstadoAcorde>& estados() const { return estados_; }
  // Log-likelihoods, one per state, of that frame.
  void pontuar(const QuadroCroma& quadro, std::vector<float>& log) const;

 private:
  std::vector<EstadoAcorde> estados_;
  std::vector<std::array<float, 12>> modelos_;  // unit-length template per state (0 unused)
};

}  // namespace tessara
