#include "ouvir/TaxaAmostragem.h"

#include <cmath>
#include <string>

#include "foundations/IllegalArgumentException.h"

namespace tessara {

bool TaxaAmostragem::aceita(double taxa) {
  return std::isfinite(taxa) && taxa >= MINIMA && taxa <= MAXIMA;
}

double TaxaAmostragem::valida(double taxa) {
  if (!aceita(taxa)) {
    throw IllegalArgumentException("a sample rate of 4000 to 384000 Hz", std::to_string(taxa),
                                   "TaxaAmostragem", "valida");
  }
  return taxa;
}

std::size_t TaxaAmostragem::potenciaDeDois(double amostras) {
  std::size_t n = 256;
  while (static_cast<double>(n) < amostras) n *= 2;
  return n;
}

}  // namespace tessara
