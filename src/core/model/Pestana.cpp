#include "model/Pestana.h"

#include <algorithm>

namespace tessara {

namespace {

constexpr int PRIMEIRO_DEDO = 1;
constexpr int ULTIMO_DEDO = 4;

}  // namespace

std::vector<Pestana> Pestana::encontrar(const std::vector<int>& casas,
                                        const std::vector<int>& dedos) {
  const int cordas = static_cast<int>(std::min(casas.size(), dedos.size()));
  std::vector<Pestana> pestanas;
  for (int dedo = PRIMEIRO_DEDO; dedo <= ULTIMO_DEDO; ++dedo) {
    int primeira = -1;
    int ultima = -1;
    for (int corda = 0; corda < cordas; ++corda) {
      if (dedos[corda] != dedo || casas[corda] <= 0) continue;
      if (primeira < 0) primeira = corda;
      ultima = corda;
    }
    if (primeira < 0 || ultima == primeira) continue;
    const int casa = casas[primeira];
    bool inteira = casas[ultima] == casa;
    for (int corda = primeira + 1; inteira && corda < ultima; ++corda) {
      inteira = casas[corda] >= casa;
    }
    if (inteira) pestanas.push_back({dedo, casa, primeira, ultima});
  }
  return pestanas;
}

}  // namespace tessara
