#include "ouvir/PresencaNotas.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "ouvir/SerieHarmonica.h"

namespace tessara {

namespace {

// Strengths are compared on a log scale whose knee is this share of the frame's strongest note.
constexpr float JOELHO = 0.05f;
// A clean note this near the strongest counts as the pitch class's lowest; a heard note this
// near, as the bass.
constexpr float LIMIAR_NOTA = 0.1f;
constexpr float LIMIAR_GRAVE = 0.04f;

// The model's weights: a constant; the pitch class's strongest clean note, its chroma, its
// strongest note as heard; as heard, the pitch classes a fifth, a major third and a minor
// seventh below (whose third, fifth and seventh harmonics fall on it); its lowest clean note on
// the bass's harmonic series; being the bass.
constexpr float PESOS[] = {-4.9084f, 4.9290f,  8.3076f,  0.1707f, -1.1913f,
                           -0.5596f, -1.8969f, -2.2186f, 1.8877f};

float comprimida(float x) { return std::log1p(x / JOELHO) / std::log1p(1.0f / JOELHO); }

float maior(const std::vector<float>& v) {
  const float m = *std::max_element(v.begin(), v.end());
  return m > 0 ? m : 1.0f;
}

}  // namespace

std::array<float, 12> PresencaNotas::estimar(const Notas& notas,
                                             const std::array<float, 12>& croma) {
  const float topoBruto = maior(notas.brutas);
  const float topoLimpo = maior(notas.limpas);
  std::array<float, 12> brutas{};
  std::array<float, 12> limpas{};
  std::array<std::optional<int>, 12> maisGrave{};
  std::optional<int> baixo;
  for (int m = notas.minima; m <= notas.maxima; ++m) {
    const auto pc = static_cast<std::size_t>(m % 12);
    const float bruta = notas.brutas[static_cast<std::size_t>(m)] / topoBruto;
    const float limpa = notas.limpas[static_cast<std::size_t>(m)] / topoLimpo;
    brutas[pc] = std::max(brutas[pc], bruta);
    limpas[pc] = std::max(limpas[pc], limpa);
    if (!maisGrave[pc] && limpa >= LIMIAR_NOTA) maisGrave[pc] = m;
    if (!baixo && m <= notas.gravesAte && bruta >= LIMIAR_GRAVE) baixo = m;
  }
  std::array<float, 12> chance{};
  for (int pc = 0; pc < 12; ++pc) {
    auto bruta = [&](int deslocamento) {
      return comprimida(brutas[static_cast<std::size_t>((pc + deslocamento + 12) % 12)]);
    };
    const auto i = static_cast<std::size_t>(pc);
    const bool comBaixo = baixo && maisGrave[i];
    const float naSerie = comBaixo && SerieHarmonica::contem(*maisGrave[i] - *baixo) ? 1.0f : 0.0f;
    const float eBaixo = comBaixo && pc == *baixo % 12 ? 1.0f : 0.0f;
    const float z = PESOS[0] + PESOS[1] * comprimida(limpas[i]) + PESOS[2] * croma[i] +
                    PESOS[3] * bruta(0) + PESOS[4] * bruta(-7) + PESOS[5] * bruta(-4) +
                    PESOS[6] * bruta(2) + PESOS[7] * naSerie + PESOS[8] * eBaixo;
    chance[i] = 1.0f / (1.0f + std::exp(-z));
  }
  return chance;
}

}  // namespace tessara
