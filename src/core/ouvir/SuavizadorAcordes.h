#pragma once

#include <cstdint>
#include <vector>

namespace tessara {

// Viterbi decoding of the chord HMM one frame at a time. Each state keeps the best path's
// log-probability ending in it; the transitions are "stay" (free) or "change to any other"
// (a fixed cost), so a frame costs one pass over the states. The state whose best path is
// best now is the causal answer: a new chord takes over once its evidence has paid for the
// change, which keeps a strum from flickering between readings.
class SuavizadorAcordes {
 public:
  SuavizadorAcordes(std::size_t estados, float custoTroca);

  // State 0, no chord, is where every stream starts.
  // One frame's log-likelihoods, one per state; returns the best state now.
  int passo(const std::vector<float>& emissoes);
  int atual() const { return atual_; }

  // Of the last frame: the best state of the frame before, and for each state whether its
  // best path stayed in it (else it came from that best state), for a decoder that traces
  // the best path back.
  int melhorAnterior() const { return anterior_; }
  const std::vector<uint8_t>& ficou() const { return ficou_; }

 private:
  std::vector<float> delta_;
  std::vector<uint8_t> ficou_;
  float custoTroca_;
  int atual_ = 0;
  int anterior_ = 0;
};

}  // namespace tessara
