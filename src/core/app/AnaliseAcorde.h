#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessara {

// What a chord name reads as: its code, the written root, the degrees present (0..21), the
// written bass (empty without one) and the canonical name, in the current language's grammar.
struct AnaliseAcorde {
  int32_t codigo = 0;
  std::string raiz;
  std::vector<int> graus;
  std::string baixo;
  std::string nome;
};

}  // namespace tessara
