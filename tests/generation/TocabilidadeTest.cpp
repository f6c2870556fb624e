#include <gtest/gtest.h>

#include <vector>

#include "generation/Fingering.h"
#include "generation/Tocabilidade.h"
#include "instruments/InstrumentoCordas.h"

namespace tessara {
namespace {

using Vetor = std::vector<int>;

const InstrumentoCordas kViolao("Guitar", "", 6, 12, 3, 24, {40, 45, 50, 55, 59, 64}, true);

int custo(const Vetor& casas, const TonsAcorde& tons) {
  const Fingering dedos(casas, kViolao.getNumeroCasas());
  return Tocabilidade::custo(casas, dedos.getArranjos().front(), kViolao, tons);
}

// Pairs of shapes of one chord: the first is the one a teacher shows before the second.
TEST(Tocabilidade, AFormaDoProfessorCustaMenos) {
  const TonsAcorde re{2, 6, 9, 0, 2, {}};
  const TonsAcorde la7{9, 1, 4, 7, 9, {}};
  const TonsAcorde fas{6, 9, 12, 4, 6, {}};  // F#m7b5
  const TonsAcorde mi5{4, 4, 11, 0, 4, {}};
  const struct {
    const char* porque;
    TonsAcorde tons;
    Vetor facil;
    Vetor dificil;
  } casos[] = {
      {"open position before up the neck", re, {-1, -1, 0, 2, 3, 2}, {-1, 5, 4, 2, 3, 2}},
      {"open strings before fingers", la7, {-1, 0, 2, 0, 2, 0}, {-1, 0, 2, 2, 2, 3}},
      {"a silent string damped by the finger below", fas, {2, -1, 2, 2, 1, -1}, {2, 0, 4, 2, 1, 0}},
      {"a power chord's upper strings stay silent", mi5, {0, 2, 2, -1, -1, -1}, {0, 2, 2, 4, 5, 0}},
  };
  for (const auto& caso : casos) {
    EXPECT_LT(custo(caso.facil, caso.tons), custo(caso.dificil, caso.tons)) << caso.porque;
  }
}

TEST(Tocabilidade, BaixoForaDaRaizCusta) {
  const TonsAcorde c{12, 4, 7, 0, 12, {}};
  // The same frets read as a chord whose bass is another note cost more.
  const TonsAcorde cSobreE{12, 4, 7, 0, 4, {}};
  EXPECT_GT(custo({-1, 3, 2, 0, 1, 0}, cSobreE), custo({-1, 3, 2, 0, 1, 0}, c));
}

}  // namespace
}  // namespace tessara
