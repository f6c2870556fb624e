#include "model/Pestana.h"

#include <algorithm>

namespace tessara {

std::vector<Pestana> Pestana::encontrar(std::span<const int> casas, std::span<const int> dedos) {
  std::vector<Pestana> pestanas;
  for (int dedo = PRIMEIRO_DEDO; dedo <= ULTIMO_DEDO; ++dedo) {
    if (const auto pestana = doDedo(casas, dedos, dedo)) pestanas.push_back(*pestana);
  }
  return pestanas;
}

std::optional<Pestana> Pestana::doDedo(std::span<const int> casas, std::span<const int> dedos,
                                       int dedo) {
  const int cordas = static_cast<int>(std::min(casas.size(), dedos.size()));
  int primeira = -1;
  int ultima = -1;
  for (int corda = 0; corda < cordas; ++corda) {
    if (dedos[corda] != dedo || casas[corda] <= 0) continue;
    if (primeira < 0) primeira = corda;
    ultima = corda;
  }
  if (primeira < 0 || ultima == primeira) return std::nullopt;
  const int casa = casas[primeira];
  if (casas[ultima] != casa) return std::nullopt;
  for (int corda = primeira + 1; corda < ultima; ++corda) {
    if (casas[corda] < casa) return std::nullopt;
  }
  return Pestana{dedo, casa, primeira, ultima};
}

}  // namespace tessara
