#include "ouvir/SuavizadorAcordes.h"

#include <algorithm>

namespace tessara {

SuavizadorAcordes::SuavizadorAcordes(std::size_t estados, float custoTroca)
    : delta_(estados, -custoTroca), ficou_(estados, 1), custoTroca_(custoTroca) {
  // A stream starts in silence: the first chord pays for its change like any other.
  if (!delta_.empty()) delta_[0] = 0;
}

int SuavizadorAcordes::passo(const std::vector<float>& emissoes) {
  anterior_ = atual_;
  const float chegada = delta_[static_cast<std::size_t>(atual_)] - custoTroca_;
  float melhor = -1e30f;
  int melhorEstado = atual_;
  for (std::size_t s = 0; s < delta_.size(); ++s) {
    const bool fica = delta_[s] >= chegada;
    ficou_[s] = fica ? 1 : 0;
    delta_[s] = (fica ? delta_[s] : chegada) + emissoes[s];
    // Ties keep the current state, so equal evidence never makes a change.
    if (delta_[s] > melhor || (delta_[s] == melhor && static_cast<int>(s) == atual_)) {
      melhor = delta_[s];
      melhorEstado = static_cast<int>(s);
    }
  }
  // Kept near zero so that hours of frames never lose precision.
  for (float& d : delta_) d -= melhor;
  atual_ = melhorEstado;
  return atual_;
}

}  // namespace tessara
