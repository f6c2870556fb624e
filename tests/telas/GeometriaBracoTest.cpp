#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "telas/GeometriaBraco.h"

namespace tessara {
namespace {

using G = GeometriaBraco;

TEST(GeometriaBraco, SeisCordasDeFrenteComACordaZeroEmCima) {
  const G g(6, 0, false);
  EXPECT_EQ(g.getXCasas(), (std::vector<int>{784, 736, 679, 620, 568, 515, 468, 425, 380, 337, 296,
                                             257, 219, 180, 143}));
  EXPECT_EQ(g.getYCordas()[0], 101);
  EXPECT_EQ(g.getYCordas()[5], 221);
  EXPECT_EQ(g.getXMao(), 18);
  EXPECT_EQ(g.getGrupo(), 0);
}

TEST(GeometriaBraco, OrientacoesEContagensDeCordas) {
  struct Caso {
    int cordas, orientacao;
    bool brasil;
    int casas, x0, x1, x12, y0, yUltima, xMao;
  };
  const Caso casos[] = {
      {6, 1, false, 15, 784, 736, 219, 221, 101, 18},  // front, inverted
      {6, 2, false, 15, 13, 56, 573, 221, 101, 774},   // the player's view
      {6, 3, false, 15, 13, 56, 573, 101, 221, 774},
      {6, 0, true, 15, 784, 742, 209, 101, 221, 18},  // the Brazilian pictures
      {6, 2, true, 15, 13, 50, 583, 221, 101, 774},
      {5, 0, false, 15, 784, 742, 223, 113, 209, 18},
      {5, 2, false, 15, 13, 50, 569, 209, 113, 774},
      {4, 0, false, 13, 784, 742, 223, 126, 198, 18},
      {4, 3, true, 13, 13, 50, 569, 126, 198, 774},    // no Brazilian set for 4 strings
      {6, 7, false, 15, 784, 736, 219, 101, 221, 18},  // out of range: orientation 0
      {6, -1, false, 15, 784, 736, 219, 101, 221, 18},
  };
  for (const auto& c : casos) {
    const G g(c.cordas, c.orientacao, c.brasil);
    SCOPED_TRACE(testing::Message() << c.cordas << " strings, orientation " << c.orientacao);
    ASSERT_EQ(static_cast<int>(g.getXCasas().size()), c.casas);
    EXPECT_EQ(g.getXCasas()[0], c.x0);
    EXPECT_EQ(g.getXCasas()[1], c.x1);
    EXPECT_EQ(g.getXCasas()[12], c.x12);
    EXPECT_EQ(g.getYCordas()[0], c.y0);
    EXPECT_EQ(g.getYCordas()[static_cast<size_t>(c.cordas - 1)], c.yUltima);
    EXPECT_EQ(g.getXMao(), c.xMao);
  }
}

TEST(GeometriaBraco, AcertosSoDentroDasJanelasEstritas) {
  const G g(6, 0, false);
  EXPECT_EQ(g.casaEm(787, 20), 0);
  EXPECT_EQ(g.casaEm(784, 20), 0);
  EXPECT_EQ(g.casaEm(736 + 16, 20), 1);
  EXPECT_EQ(g.casaEm(736 + 17, 20), -1);
  EXPECT_EQ(g.casaEm(736 - 17, 20), -1);
  EXPECT_EQ(g.casaEm(143, 20), 14);
  EXPECT_EQ(g.casaEm(143, 13), -1);  // past the instrument's last fret
  EXPECT_EQ(g.cordaEm(101 + 11, 6), 0);
  EXPECT_EQ(g.cordaEm(101 + 12, 6), -1);
  EXPECT_EQ(g.cordaEm(101 - 12, 6), -1);
  EXPECT_EQ(g.cordaEm(221, 6), 5);
  EXPECT_EQ(g.cordaEm(221, 5), -1);  // an instrument of five strings has no sixth
  // Seven strings: only six slots exist to hit.
  EXPECT_EQ(g.cordaEm(221, 7), 5);
  // Four strings use slots 0..3 only, whatever the slots beyond hold.
  const G quatro(4, 1, false);
  EXPECT_EQ(quatro.cordaEm(quatro.getYCordas()[4], 4), -1);
  EXPECT_EQ(quatro.casaEm(180, 20), -1);  // no fret 13 in the table
}

// The open strings' dots and labels sit whole inside the picture, the nut side in every
// orientation, and still clear of the first fret's.
TEST(GeometriaBraco, CordasSoltasCabemNaFigura) {
  for (int cordas : {4, 5, 6}) {
    for (int orientacao = 0; orientacao < G::NUMERO_ORIENTACOES; ++orientacao) {
      for (bool brasil : {false, true}) {
        const G g(cordas, orientacao, brasil);
        SCOPED_TRACE(testing::Message() << cordas << " strings, orientation " << orientacao);
        const int x = g.getXCasas()[0];
        EXPECT_GE(x - G::LARGURA_MARCADOR / 2, 0);
        EXPECT_LE(x + G::LARGURA_MARCADOR / 2, G::LARGURA);
        EXPECT_GE(std::abs(x - g.getXCasas()[1]), 2 * G::RAIO_CASA + 1);
      }
    }
  }
}

TEST(GeometriaBraco, VizinhosNuncaSeSobrepoem) {
  for (int cordas : {4, 5, 6}) {
    for (bool brasil : {false, true}) {
      const auto& t = G::tabela(cordas, brasil);
      for (size_t i = 1; i < t.size(); ++i) EXPECT_GE(t[i - 1] - t[i], 2 * G::RAIO_CASA + 1);
    }
  }
}

}  // namespace
}  // namespace tessara
