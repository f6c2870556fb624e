#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "generation/Fingering.h"

namespace tessara {
namespace {

using Vetor = std::vector<int>;

Vetor primeiro(const Vetor& casas, int numeroCasas = 12) {
  const Fingering f(casas, numeroCasas);
  return f.getArranjos().empty() ? Vetor{} : f.getArranjos().front();
}

struct Caso {
  const char* nome;
  Vetor casas;
  Vetor dedos;  // the first arrangement; empty when there is none
};

const Caso kCasos[] = {
    {"DoMaior", {-1, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0}},
    {"FaPestana", {1, 3, 3, 2, 1, 1}, {1, 3, 4, 2, 1, 1}},
    {"LaMaior", {-1, 0, 2, 2, 2, 0}, {0, 0, 1, 2, 3, 0}},
    {"SolMaior", {3, 2, 0, 0, 0, 3}, {2, 1, 0, 0, 0, 3}},
    // A barre over a string pressed higher only when nothing else fits: D is 1 3 2.
    {"ReMaiorSemPestanaPartida", {-1, -1, 0, 2, 3, 2}, {0, 0, 0, 1, 3, 2}},
    {"FaPequenoComPestanaInteira", {-1, -1, 3, 2, 1, 1}, {0, 0, 3, 2, 1, 1}},
    {"SiMenorPestana", {-1, 2, 4, 4, 3, 2}, {0, 1, 3, 4, 2, 1}},
    {"CincoCasasDiferentes", {1, 2, 3, 4, 5, -1}, {}},
    {"NenhumaPressionada", {0, -1, 0, 0, -1, 0}, {0, 0, 0, 0, 0, 0}},
    // Fret 1 and fret 5 are only in reach of the index and the little finger.
    {"SoOMindinhoAlcanca", {-1, 1, -1, 5, -1, -1}, {0, 1, 0, 4, 0, 0}},
    // A barre never lies across a silent string: one finger per string instead, or nothing.
    {"FaSemPestanaSobreCordaMuda", {1, -1, 3, 2, 1, -1}, {1, 0, 4, 3, 2, 0}},
    {"SiBemolSemPestanaSobreCordaMuda", {-1, 1, -1, 3, 3, 1}, {0, 1, 0, 3, 4, 2}},
    {"CincoNaMesmaCasaComCordaMuda", {1, -1, 1, 1, 1, 1}, {}},
    {"PestanaAcimaDaCordaMuda", {-1, 1, 1, 3, 3, 1}, {0, 1, 1, 3, 4, 1}},
};

class PrimeiroArranjo : public ::testing::TestWithParam<Caso> {};

TEST_P(PrimeiroArranjo, ComoOsDedosVaoAoBraco) {
  EXPECT_EQ(primeiro(GetParam().casas), GetParam().dedos);
}

INSTANTIATE_TEST_SUITE_P(Casos, PrimeiroArranjo, ::testing::ValuesIn(kCasos),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(Fingering, PestanaEOrdemPorCusto) {
  const Fingering re(Vetor{-1, -1, 0, 2, 3, 2}, 12);
  EXPECT_TRUE(re.temPestana());
  // The barre (1 2 1, cost 0) comes after every arrangement without one, however cheap.
  const auto& arranjos = re.getArranjos();
  const auto pestana = std::find(arranjos.begin(), arranjos.end(), Vetor{0, 0, 0, 1, 2, 1});
  ASSERT_NE(pestana, arranjos.end());
  EXPECT_EQ(re.getCustos()[static_cast<size_t>(pestana - arranjos.begin())], 0);
  EXPECT_EQ(re.getCustos().front(), 1);
  EXPECT_TRUE(std::is_sorted(re.getCustos().begin(),
                             re.getCustos().begin() + (pestana - arranjos.begin())));
  EXPECT_EQ(re.getArranjos().size(), re.getCustos().size());

  // F with a full barre has a single arrangement.
  EXPECT_EQ(Fingering(Vetor{1, 3, 3, 2, 1, 1}, 12).getArranjos().size(), 1u);

  // An open string above the lowest fret rules the barre out.
  EXPECT_FALSE(Fingering(Vetor{-1, 0, 2, 2, 2, 0}, 12).temPestana());
  EXPECT_FALSE(Fingering(Vetor{-1, -1, -1, -1, -1, -1}, 12).temPestana());
}

TEST(Fingering, EmpateGuardaAOrdemEmQueFoiAchado) {
  // A major: (1, 2, 3) and (2, 3, 4) both cost 2; the one found first comes first.
  const Fingering la(Vetor{-1, 0, 2, 2, 2, 0}, 12);
  ASSERT_GE(la.getArranjos().size(), 2u);
  EXPECT_EQ(la.getCustos()[0], 2);
  EXPECT_EQ(la.getCustos()[1], 2);
  EXPECT_EQ(la.getArranjos()[1], (Vetor{0, 0, 2, 3, 4, 0}));
}

TEST(Fingering, PestanaNaoDivideACasaComOutroDedo) {
  const Fingering f(Vetor{-1, -1, 2, 2, 2, 2}, 12);
  ASSERT_FALSE(f.getArranjos().empty());
  EXPECT_EQ(f.getArranjos().front(), (Vetor{0, 0, 1, 1, 1, 1}));
  for (const auto& arranjo : f.getArranjos()) {
    const auto indicador = std::count(arranjo.begin(), arranjo.end(), 1);
    const bool outroDedo = std::any_of(arranjo.begin(), arranjo.end(), [](int d) { return d > 1; });
    EXPECT_FALSE(indicador >= 2 && outroDedo);  // every string is at fret 2
  }
}

TEST(Fingering, CasaAlemDoInstrumentoNaoEPressionada) {
  // Fret 5 on a four-fret instrument needs no finger.
  EXPECT_EQ(primeiro({-1, 2, 5, -1}, 4), (Vetor{0, 1, 0, 0}));
}

}  // namespace
}  // namespace tessara
