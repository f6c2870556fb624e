#include "ouvir/PresencaNotas.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "ouvir/SerieHarmonica.h"

namespace tessara {

namespace {

// Strengths are compared on a log scale whose knee is this share of the frame's strongest note.
constexpr float JOELHO = 0.05f;
// A clean note this near the strongest counts (the pitch class's lowest, an octave it is in);
// a heard note this near, as the bass.
constexpr float LIMIAR_NOTA = 0.1f;
constexpr float LIMIAR_GRAVE = 0.04f;
constexpr int MAIS_OITAVAS = 4;

// The model's weights, one per sign of a pitch class:
enum Sinal {
  CONSTANTE,
  LIMPA,          // its strongest note with the overtones taken out
  CROMA,          // its chroma
  BRUTA,          // its strongest note as heard
  QUINTA_ABAIXO,  // as heard, the pitch classes whose third, fifth and seventh harmonics
  TERCA_ABAIXO,   // fall on it: a fifth, a major third and a minor seventh below
  SETIMA_ABAIXO,
  NA_SERIE,        // its lowest clean note is on the bass's harmonic series
  BAIXO,           // it is the bass
  OITAVAS,         // in how many octaves it is clean (up to four)
  FONTE_TERCEIRO,  // as heard, the notes whose third, fifth and second harmonics its
  FONTE_QUINTO,    // strongest note would be: an octave and a fifth, two octaves and a third,
  FONTE_SEGUNDO,   // and an octave below it
  RESTO,           // how much of its strongest note is left once the overtones are taken out
  SINAIS
};
constexpr float PESOS[SINAIS] = {-3.0043f, 3.8957f,  6.1543f,  3.1484f, -0.5797f,
                                 -0.1372f, -1.8490f, -1.8105f, 1.2191f, 0.8255f,
                                 -4.2648f, -3.2181f, 1.6774f,  -2.5754f};

float comprimida(float x) { return std::log1p(x / JOELHO) / std::log1p(1.0f / JOELHO); }

float maior(const std::vector<float>& v) {
  const float m = *std::max_element(v.begin(), v.end());
  return m > 0 ? m : 1.0f;
}

// What the notes say of each pitch class.
struct Classe {
  float bruta = 0;  // strongest note as heard, of the strongest heard
  float limpa = 0;  // strongest clean note, of the strongest clean
  int maisForte = -1;
  std::optional<int> maisGrave;
  int oitavas = 0;
};

}  // namespace

std::array<float, 12> PresencaNotas::estimar(const Notas& notas,
                                             const std::array<float, 12>& croma) {
  const float topoBruto = maior(notas.brutas);
  const float topoLimpo = maior(notas.limpas);
  auto bruta = [&](int m) {
    return m < 0 ? 0.0f : notas.brutas[static_cast<std::size_t>(m)] / topoBruto;
  };
  auto limpa = [&](int m) { return notas.limpas[static_cast<std::size_t>(m)] / topoLimpo; };
  std::array<Classe, 12> classes{};
  std::optional<int> baixo;
  for (int m = notas.minima; m <= notas.maxima; ++m) {
    Classe& c = classes[static_cast<std::size_t>(m % 12)];
    if (c.maisForte < 0 || bruta(m) > c.bruta) c.maisForte = m;
    c.bruta = std::max(c.bruta, bruta(m));
    c.limpa = std::max(c.limpa, limpa(m));
    if (limpa(m) >= LIMIAR_NOTA) {
      ++c.oitavas;
      if (!c.maisGrave) c.maisGrave = m;
    }
    if (!baixo && m <= notas.gravesAte && bruta(m) >= LIMIAR_GRAVE) baixo = m;
  }
  std::array<float, 12> chance{};
  for (int pc = 0; pc < 12; ++pc) {
    const Classe& c = classes[static_cast<std::size_t>(pc)];
    auto outra = [&](int deslocamento) {
      return comprimida(classes[static_cast<std::size_t>((pc + deslocamento + 12) % 12)].bruta);
    };
    const bool comBaixo = baixo && c.maisGrave;
    float sinais[SINAIS] = {};
    sinais[CONSTANTE] = 1;
    sinais[LIMPA] = comprimida(c.limpa);
    sinais[CROMA] = croma[static_cast<std::size_t>(pc)];
    sinais[BRUTA] = comprimida(c.bruta);
    sinais[QUINTA_ABAIXO] = outra(-7);
    sinais[TERCA_ABAIXO] = outra(-4);
    sinais[SETIMA_ABAIXO] = outra(2);
    sinais[NA_SERIE] = comBaixo && SerieHarmonica::contem(*c.maisGrave - *baixo) ? 1.0f : 0.0f;
    sinais[BAIXO] = comBaixo && pc == *baixo % 12 ? 1.0f : 0.0f;
    sinais[OITAVAS] = static_cast<float>(std::min(c.oitavas, MAIS_OITAVAS)) / MAIS_OITAVAS;
    sinais[FONTE_TERCEIRO] = comprimida(bruta(c.maisForte - 19));
    sinais[FONTE_QUINTO] = comprimida(bruta(c.maisForte - 28));
    sinais[FONTE_SEGUNDO] = comprimida(bruta(c.maisForte - 12));
    sinais[RESTO] = std::min(1.0f, limpa(c.maisForte) / (bruta(c.maisForte) + 1e-9f));
    float z = 0;
    for (int s = 0; s < SINAIS; ++s) z += PESOS[s] * sinais[s];
    chance[static_cast<std::size_t>(pc)] = 1.0f / (1.0f + std::exp(-z));
  }
  return chance;
}

}  // namespace tessara
