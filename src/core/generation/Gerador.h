#pragma once

#include <span>
#include <string>

#include "foundations/ColecaoPtr.h"
#include "model/PosicaoHarmonica.h"

namespace tessara {

// Lists the fingerings of a chord given as its tones: pitch classes 1..12 with C = 12. A
// chord without a third or a fifth passes the root there; without a seventh, 0; without a
// separate bass, the root.
class Gerador {
 public:
  virtual ~Gerador() = default;

  virtual ColecaoPtr<PosicaoHarmonica> montar(const std::string& nome, int raiz, int terca,
                                              int quinta, int setima, int baixo,
                                              std::span<const int> tensoes) = 0;
};

}  // namespace tessara
