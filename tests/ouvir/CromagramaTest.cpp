#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "ouvir/Cromagrama.h"

namespace tessara {
namespace {

constexpr double TAXA = 44100;

// A C major triad struck at `golpe` seconds after silence, decaying slowly, up to `fim`.
std::vector<float> triade(double golpe, double fim) {
  std::vector<float> som(static_cast<size_t>(fim * TAXA), 0.0f);
  for (size_t i = static_cast<size_t>(golpe * TAXA); i < som.size(); ++i) {
    const double t = static_cast<double>(i) / TAXA;
    double a = 0;
    for (double hz : {130.81, 164.81, 196.0}) a += std::sin(2 * std::numbers::pi * hz * t);
    som[i] = static_cast<float>(0.2 * a * std::exp(-(t - golpe)));
  }
  return som;
}

// A string sounding `nota` (MIDI) with the given strength of each harmonic, from the first.
struct Corda {
  int nota;
  std::vector<double> harmonicos;
};

std::vector<float> tocar(const std::vector<Corda>& cordas, double segundos) {
  std::vector<float> som(static_cast<size_t>(segundos * TAXA), 0.0f);
  for (size_t i = 0; i < som.size(); ++i) {
    const double t = static_cast<double>(i) / TAXA;
    double a = 0;
    for (const Corda& corda : cordas) {
      const double hz = 440.0 * std::pow(2.0, (corda.nota - 69) / 12.0);
      for (size_t h = 0; h < corda.harmonicos.size(); ++h) {
        a += corda.harmonicos[h] * std::sin(2 * std::numbers::pi * hz * (h + 1) * t);
      }
    }
    som[i] = static_cast<float>(0.05 * a * std::exp(-t));
  }
  return som;
}

// F#m barred at the second fret, its low F# string sounding mostly its octave and twelfth:
// the bass is still F#, not the C# on the next string.
TEST(Cromagrama, BaixoDeFundamentalFraca) {
  const std::vector<double> normal{1.0, 0.5, 0.3};
  const auto som = tocar({{42, {0.06, 1.0, 0.8}},
                          {49, normal},
                          {54, normal},
                          {57, normal},
                          {61, normal},
                          {66, normal}},
                         1.0);
  Cromagrama cromagrama(TAXA);
  std::vector<int> baixos(12, 0);
  cromagrama.alimentar(som.data(), som.size(), [&](const QuadroCroma& q) {
    for (size_t pc = 0; pc < 12; ++pc) baixos[pc] += q.graves[pc] > 0 ? 1 : 0;
  });
  const auto mais = std::max_element(baixos.begin(), baixos.end()) - baixos.begin();
  EXPECT_EQ(mais, 6) << "F# is pitch class 6";
}

// The frames soon after a stroke count in full; the sustain after it little; silence in full.
TEST(Cromagrama, QuadrosLogoAposOGolpePesamMais) {
  constexpr double GOLPE = 0.5;
  const std::vector<float> som = triade(GOLPE, 3.0);
  Cromagrama cromagrama(TAXA);
  std::vector<QuadroCroma> quadros;
  cromagrama.alimentar(som.data(), som.size(), [&](const QuadroCroma& q) { quadros.push_back(q); });
  ASSERT_FALSE(quadros.empty());
  for (const QuadroCroma& q : quadros) {
    SCOPED_TRACE(q.instante);
    if (q.instante < GOLPE - 0.1) {
      EXPECT_EQ(q.peso, 1.0f);  // silence
    } else if (q.instante > GOLPE + 0.2 && q.instante < GOLPE + 0.45) {
      EXPECT_EQ(q.peso, 1.0f);
    } else if (q.instante > GOLPE + 1.0) {
      EXPECT_LT(q.peso, 0.5f);
    }
  }
}

}  // namespace
}  // namespace tessara
