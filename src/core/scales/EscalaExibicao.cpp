#include "scales/EscalaExibicao.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>

namespace tessara {

namespace {

constexpr int64_t MAXIMO_INICIAL = 0;
constexpr int64_t MINIMO_INICIAL = 30000;
constexpr int64_t PESO_EXTENSAO = 100;

struct Extremos {
  int64_t maximo = MAXIMO_INICIAL;
  int64_t minimo = MINIMO_INICIAL;
};

// Only frets from a damaged instrument base could leave the int range.
int limitar(int64_t valor) {
  return static_cast<int>(
      std::clamp<int64_t>(valor, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

EscalaExibicao::EscalaExibicao(std::vector<int> casas, std::vector<int> cordas,
                               std::vector<int> dedos, std::vector<int> dedosMaoDireita,
                               int numeroCordas)
    : casas_(std::move(casas)),
      cordas_(std::move(cordas)),
      dedos_(std::move(dedos)),
      dedosMaoDireita_(std::move(dedosMaoDireita)),
      numeroCordas_(numeroCordas) {}

bool EscalaExibicao::equals(const EscalaExibicao& outra) const {
  return casas_ == outra.casas_ && cordas_ == outra.cordas_ &&
         dedosMaoDireita_ == outra.dedosMaoDireita_ && dedos_ == outra.dedos_;
}

int EscalaExibicao::getCusto() const {
  if (custo_ == -1) custo_ = calcularCusto();
  return custo_;
}

// The per-string extremes start at 0 and 30000, so a string without notes never counts and a
// string with one note counts nothing; the whole display's extremes start the same way. Only
// the instrument's strings are summed. Displays hold at most a few dozen notes: each string's
// extremes are found by a scan from its first note, without any allocation.
int EscalaExibicao::calcularCusto() const {
  const size_t notas = std::min(casas_.size(), cordas_.size());
  Extremos geral;
  int64_t soma = 0;
  for (size_t k = 0; k < notas; ++k) {
    geral.maximo = std::max<int64_t>(geral.maximo, casas_[k]);
    geral.minimo = std::min<int64_t>(geral.minimo, casas_[k]);
    const int corda = cordas_[k];
    if (corda < 0 || corda >= numeroCordas_ ||
        std::find(cordas_.begin(), cordas_.begin() + static_cast<std::ptrdiff_t>(k), corda) !=
            cordas_.begin() + static_cast<std::ptrdiff_t>(k)) {
      continue;
    }
    Extremos daCorda;
    for (size_t j = k; j < notas; ++j) {
      if (cordas_[j] != corda) continue;
      daCorda.maximo = std::max<int64_t>(daCorda.maximo, casas_[j]);
      daCorda.minimo = std::min<int64_t>(daCorda.minimo, casas_[j]);
    }
    if (daCorda.maximo > daCorda.minimo) soma += daCorda.maximo - daCorda.minimo;
  }
  return limitar((geral.maximo - geral.minimo) * PESO_EXTENSAO + soma);
}

}  // namespace tessara
