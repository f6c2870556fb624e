#include <gtest/gtest.h>

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
