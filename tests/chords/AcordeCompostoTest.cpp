#include <gtest/gtest.h>

#include <memory>

#include "chords/AcordeComposto.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {
namespace {

using Posicao = PosicaoHarmonicaInstrumentoCordas;

class AcordeCompostoTest : public ::testing::Test {
 protected:
  AcordeCompostoTest() {
    posicoes.addElement(Posicao("C", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0}));
    posicoes.addElement(Posicao("C", {-1, 3, 5, 5, 5, 3}, {6, 1, 2, 3, 4, 1}));
    posicoes.addElement(Posicao("C", {8, 10, 10, 9, 8, 8}, {1, 3, 4, 2, 1, 1}));
  }

  ColecaoPtr<PosicaoHarmonica> posicoes;
};

TEST_F(AcordeCompostoTest, GuardaCopiaDasPosicoesECodigoZero) {
  AcordeComposto acorde("C", posicoes);
  posicoes.removeAllElements();  // the chord keeps its own copies
  ASSERT_EQ(acorde.getPosicoes().size(), 3);
  EXPECT_EQ(acorde.getNome(), "C");
  EXPECT_EQ(acorde.getCodigo(), 0);
  acorde.getPosicoes().addElement(Posicao("C", {0, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0}));
  EXPECT_EQ(acorde.getPosicoes().size(), 4);  // the collection itself, not a copy
}

TEST_F(AcordeCompostoTest, CloneIndependenteAtribuirNaoCopiaPosicoes) {
  auto original = std::make_unique<AcordeComposto>("C", posicoes);
  original->setCodigo(42);
  std::unique_ptr<Acorde> clone = original->clonar();
  auto* composto = dynamic_cast<AcordeComposto*>(clone.get());
  ASSERT_NE(composto, nullptr);
  EXPECT_EQ(composto->getNome(), "C");
  EXPECT_EQ(composto->getCodigo(), 42);
  ASSERT_EQ(composto->getPosicoes().size(), 3);
  EXPECT_TRUE(composto->getPosicoes() == original->getPosicoes());
  EXPECT_NE(composto->getPosicoes().getElement(0), original->getPosicoes().getElement(0));

  clone.reset();  // destroying the copy leaves the source's fingerings alone
  ASSERT_EQ(original->getPosicoes().size(), 3);
  EXPECT_EQ(original->getPosicoes().getElement(2)->getChave(),
            Posicao::calcularChave({8, 10, 10, 9, 8, 8}, {1, 3, 4, 2, 1, 1}));

  AcordeComposto destino;
  destino.atribuir(*original);
  EXPECT_EQ(destino.getNome(), "C");
  EXPECT_EQ(destino.getCodigo(), 42);
  EXPECT_EQ(destino.getPosicoes().size(), 0);
}

}  // namespace
}  // namespace tessara
