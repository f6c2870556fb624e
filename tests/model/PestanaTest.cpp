#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Pestana.h"

namespace tessara {
namespace {

TEST(Pestana, EncontradaSoQuandoODedoDeitaSobreCordasVizinhasPresas) {
  struct Caso {
    const char* descricao;
    std::vector<int> casas, dedos;
    std::vector<Pestana> pestanas;
  };
  const std::vector<Caso> casos = {
      {"F: the first finger across all six",
       {1, 3, 3, 2, 1, 1},
       {1, 3, 4, 2, 1, 1},
       {{1, 1, 0, 5}}},
      {"Bm: from the fifth string", {-1, 2, 4, 4, 3, 2}, {6, 1, 3, 4, 2, 1}, {{1, 2, 1, 5}}},
      {"A: the third finger flat on three strings",
       {-1, 0, 2, 2, 2, 0},
       {6, 0, 3, 3, 3, 0},
       {{3, 2, 2, 4}}},
      {"two barres", {-1, 3, 5, 5, 5, 3}, {6, 1, 3, 3, 3, 1}, {{1, 3, 1, 5}, {3, 5, 2, 4}}},
      {"C: no finger twice", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0}, {}},
      {"an open string between breaks it", {1, 0, 3, 2, 1, 1}, {1, 0, 3, 2, 1, 0}, {}},
      {"a muted string between breaks it", {3, -1, 3, 3, 5, 3}, {1, 6, 1, 1, 4, 1}, {}},
      {"a lower fret between breaks it", {3, 2, 3, 0, 0, 0}, {2, 1, 2, 0, 0, 0}, {}},
      {"the ends at different frets", {3, 4, 5, 0, 0, 0}, {1, 2, 1, 0, 0, 0}, {}},
      {"fingers shorter than frets", {1, 1, 1}, {1, 1}, {{1, 1, 0, 1}}},
      {"nothing", {}, {}, {}},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(Pestana::encontrar(caso.casas, caso.dedos), caso.pestanas) << caso.descricao;
  }
}

}  // namespace
}  // namespace tessara
