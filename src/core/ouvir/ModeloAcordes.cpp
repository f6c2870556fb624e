#include "ouvir/ModeloAcordes.h"

#include <cmath>
#include <numeric>

#include "ouvir/SerieHarmonica.h"
#include "ouvir/VocabularioAcordes.h"

namespace tessara {

namespace {

// How much a harmonic weighs against the one before it, and how many of a note's first
// harmonics a template holds (the note, octave, fifth, octave, third, fifth).
constexpr float DECAIMENTO_HARMONICO = 0.2f;
constexpr std::size_t HARMONICOS = 6;
// Scale of the scores into log-likelihoods, the bass's weight, the cost of an inversion.
constexpr float ESCALA = 25.0f;
constexpr float PESO_GRAVE = 0.25f;
constexpr float CUSTO_INVERSAO = 0.1f;
// No chord: a frame matching no template better than this, or too quiet to be playing.
constexpr float PONTOS_SEM_ACORDE = 0.6f;

std::array<float, 12> modelo(uint16_t classes) {
  std::array<float, 12> m{};
  for (int pc = 0; pc < 12; ++pc) {
    if ((classes & (1u << pc)) == 0) continue;
    float peso = 1.0f;
    for (std::size_t h = 0; h < HARMONICOS; ++h) {
      m[static_cast<std::size_t>((pc + SerieHarmonica::SEMITONS[h]) % 12)] += peso;
      peso *= DECAIMENTO_HARMONICO;
    }
  }
  const float norma = std::sqrt(std::inner_product(m.begin(), m.end(), m.begin(), 0.0f));
  for (float& v : m) v /= norma;
  return m;
}

}  // namespace

ModeloAcordes::ModeloAcordes() {
  estados_.push_back({});
  modelos_.push_back({});
  const auto& tipos = VocabularioAcordes::tipos();
  for (int t = 0; t < static_cast<int>(tipos.size()); ++t) {
    const TipoAcorde& tipo = tipos[static_cast<std::size_t>(t)];
    for (int raiz = 0; raiz < 12; ++raiz) {
      const auto m = modelo(VocabularioAcordes::classes(tipo, raiz));
      for (int i = 0; i < 12; ++i) {
        if ((tipo.baixos & (1u << i)) == 0) continue;
        estados_.push_back({raiz, t, (raiz + i) % 12});
        modelos_.push_back(m);
      }
    }
  }
}

void ModeloAcordes::pontuar(const QuadroCroma& quadro, std::vector<float>& log) const {
  log.resize(estados_.size());
  const auto& c = quadro.agudos;
  const float norma = std::sqrt(std::inner_product(c.begin(), c.end(), c.begin(), 0.0f));
  // A lone string is no chord, however much its overtones look like a major triad.
  const bool nenhum = quadro.silencio() || norma <= 0 || quadro.notaSozinha;
  log[0] = ESCALA * (nenhum ? 2.0f : PONTOS_SEM_ACORDE);
  for (std::size_t s = 1; s < estados_.size(); ++s) {
    const EstadoAcorde& e = estados_[s];
    float pontos = 0;
    if (!nenhum) {
      pontos = std::inner_product(c.begin(), c.end(), modelos_[s].begin(), 0.0f) / norma;
      pontos += PESO_GRAVE * quadro.graves[static_cast<std::size_t>(e.baixo)];
      if (e.baixo != e.raiz) pontos -= CUSTO_INVERSAO;
    }
    log[s] = ESCALA * pontos;
  }
}

}  // namespace tessara
