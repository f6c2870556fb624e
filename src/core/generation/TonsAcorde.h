#pragma once

#include <vector>

namespace tessara {

// The tones of a chord as the fingering search takes them: pitch classes 1..12 with C = 12.
// A chord without a third or a fifth carries the root there; without a seventh (or sixth in
// its place), 0; without a separate bass, the root.
struct TonsAcorde {
  int raiz = 12;
  int terca = 12;
  int quinta = 12;
  int setima = 0;
  int baixo = 12;
  std::vector<int> tensoes;

  // A power chord: root and fifth, nothing else.
  bool soRaizEQuinta() const {
    return terca == raiz && quinta != raiz && setima == 0 && tensoes.empty();
  }
};

}  // namespace tessara
