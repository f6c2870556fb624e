#pragma once

#include <string>

namespace tessara {

// A chord heard: root and bass as pitch classes, its quality and full name in the grammar
// asked for. No chord (silence, a lone note, noise) is `temAcorde` false.
struct AcordeOuvido {
  bool temAcorde = false;
  int raiz = 0;
  int baixo = 0;          // pitch classes 0..11 (C = 0)
  std::string qualidade;  // what follows the root: "", "m", "7", "maj7" or "7M", ...
  std::string nome;       // the whole name, "C/E", "Am7"

  bool operator==(const AcordeOuvido&) const = default;
};

}  // namespace tessara
