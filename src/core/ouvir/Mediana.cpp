#include "ouvir/Mediana.h"

#include <algorithm>

namespace tessara {

double Mediana::de(std::vector<double> valores) {
  if (valores.empty()) return 0;
  const auto meio = valores.begin() + static_cast<std::ptrdiff_t>(valores.size() / 2);
  std::nth_element(valores.begin(), meio, valores.end());
  return *meio;
}

}  // namespace tessara
