#include "instruments/InstrumentoCordas.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tessara {

bool InstrumentoCordas::cordaUtilizavel(int corda) const {
  return corda >= 0 && corda < numeroCordas_ && static_cast<size_t>(corda) < afinacao_.size();
}

bool InstrumentoCordas::reentrante() const {
  const size_t cordas = std::min(afinacao_.size(), static_cast<size_t>(std::max(numeroCordas_, 0)));
  for (size_t corda = 1; corda < cordas; ++corda) {
    if (afinacao_[corda] < afinacao_[corda - 1]) return true;
  }
  return false;
}

bool InstrumentoCordas::dentroDosLimites() const {
  return cordasValidas(numeroCordas_) && casasValidas(numeroCasas_) &&
         distanciaValida(distancia_) && std::all_of(afinacao_.begin(), afinacao_.end(), notaValida);
}

int InstrumentoCordas::getNota(int corda, int casa) const {
  if (!cordaUtilizavel(corda) || casa < 0 || casa > numeroCasas_) return -1;
  const int64_t nota = static_cast<int64_t>(afinacao_[static_cast<size_t>(corda)]) + casa;
  return nota <= std::numeric_limits<int>::max() ? static_cast<int>(nota) : -1;
}

std::vector<int> InstrumentoCordas::getNotas(const std::vector<int>& casas) const {
  std::vector<int> notas;
  notas.reserve(casas.size());
  for (size_t corda = 0; corda < casas.size(); ++corda) {
    notas.push_back(casas[corda] < 0 ? -1 : getNota(static_cast<int>(corda), casas[corda]));
  }
  return notas;
}

InstrumentoCordas InstrumentoCordas::comCapo(int casa) const {
  if (casa == 0) return *this;
  std::vector<int> afinacao = afinacao_;
  for (int& nota : afinacao) nota += casa;
  return InstrumentoCordas(nome_, descricao_, numeroCordas_, numeroCasas_ - casa, distancia_, som_,
                           std::move(afinacao), false);
}

}  // namespace tessara
