#pragma once

#include <algorithm>
#include <iterator>

namespace tessara {

// A string's first twelve partials, as semitones above its fundamental (rounded).
struct SerieHarmonica {
  static constexpr int SEMITONS[] = {0, 12, 19, 24, 28, 31, 34, 36, 38, 40, 42, 43};

  static bool contem(int semitons) {
    return std::find(std::begin(SEMITONS), std::end(SEMITONS), semitons) != std::end(SEMITONS);
  }
};

}  // namespace tessara
