#pragma once

#include <cstddef>

namespace tessara {

// The sample rates the analysis accepts and the frame sizes it derives from them.
class TaxaAmostragem {
 public:
  static constexpr double MINIMA = 4000.0;
  static constexpr double MAXIMA = 384000.0;

  // True for a rate the analysis can work at.
  static bool aceita(double taxa);
  // The rate itself; IllegalArgumentException for one outside MINIMA..MAXIMA.
  static double valida(double taxa);
  // The smallest power of two at or above `amostras` (at least 256).
  static std::size_t potenciaDeDois(double amostras);
};

}  // namespace tessara
