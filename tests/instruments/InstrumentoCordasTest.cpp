#include <gtest/gtest.h>

#include "instruments/InstrumentoCordas.h"

namespace tessara {
namespace {

InstrumentoCordas violao(std::string nome = "Violao",
                         std::vector<int> afinacao = {40, 45, 50, 55, 59, 64}) {
  return InstrumentoCordas(std::move(nome), "seis cordas", 6, 12, 3, 25, std::move(afinacao), true);
}

TEST(InstrumentoCordas, IdentidadePeloNomeExato) {
  EXPECT_TRUE(violao() == violao("Violao", {38, 45, 50, 55, 59, 64}));
  EXPECT_FALSE(violao() != violao("Violao", {}));
  EXPECT_TRUE(violao() != violao("violao"));
  EXPECT_TRUE(violao() != violao("Violao "));
}

TEST(InstrumentoCordas, CopiasIndependentesEAtribuicaoCompleta) {
  const InstrumentoCordas original = violao();
  auto afinacao = original.getAfinacao();
  afinacao[0] = 0;
  EXPECT_EQ(original.getAfinacao()[0], 40);

  InstrumentoCordas usuario("Bandolim", "quatro pares", 4, 12, 4, 25, {55, 62, 69, 76}, false);
  usuario = original;
  EXPECT_EQ(usuario.getName(), "Violao");
  EXPECT_EQ(usuario.getDescricao(), "seis cordas");
  EXPECT_EQ(usuario.getNumeroCordas(), 6);
  EXPECT_EQ(usuario.getNumeroCasas(), 12);
  EXPECT_EQ(usuario.getDistancia(), 3);
  EXPECT_EQ(usuario.getSom(), 25);
  EXPECT_EQ(usuario.getAfinacao(), original.getAfinacao());
  EXPECT_TRUE(usuario.usaBaseAcordes());
}

TEST(InstrumentoCordas, NotaDeCadaCasa) {
  const InstrumentoCordas v = violao();
  EXPECT_EQ(v.getNota(0, 5), 45);
  EXPECT_EQ(v.getNota(1, 0), 45);
  EXPECT_EQ(v.getNota(5, 12), 76);
  for (const auto& [corda, casa] : {std::pair{0, 13}, {0, -1}, {6, 0}, {-1, 0}}) {
    EXPECT_EQ(v.getNota(corda, casa), -1) << corda << "/" << casa;
  }
  // A damaged base may leave strings without a tuning entry: they never sound.
  const InstrumentoCordas curto = violao("Curto", {40, 45, 50, 55, 59});
  EXPECT_TRUE(curto.cordaUtilizavel(4));
  EXPECT_FALSE(curto.cordaUtilizavel(5));
  EXPECT_EQ(curto.getNota(5, 0), -1);
  // ... and a longer tuning does not add strings.
  const InstrumentoCordas longo = violao("Longo", {40, 45, 50, 55, 59, 64, 69});
  EXPECT_FALSE(longo.cordaUtilizavel(6));
  EXPECT_EQ(InstrumentoCordas("x", "", 1, 12, 3, 0, {2147483647}, false).getNota(0, 1), -1);
}

TEST(InstrumentoCordas, AfinacaoReentrante) {
  struct Caso {
    std::vector<int> afinacao;
    int cordas;
    bool reentrante;
  };
  const Caso casos[] = {
      {{40, 45, 50, 55, 59, 64}, 6, false}, {{38, 45, 50, 55, 59, 64}, 6, false},  // drop D
      {{50, 55, 50, 55, 59, 62}, 6, true},   // a string lower than the one before it
      {{67, 60, 64, 69}, 4, true},           // the ukulele's high G
      {{55, 55, 62, 69}, 4, false},          // a unison does not fall
      {{40, 45, 50, 55, 59, 30}, 5, false},  // a tuning entry past the strings does not count
  };
  for (const auto& caso : casos) {
    const InstrumentoCordas i("i", "", caso.cordas, 12, 3, 0, caso.afinacao, false);
    EXPECT_EQ(i.reentrante(), caso.reentrante) << ::testing::PrintToString(caso.afinacao);
  }
}

}  // namespace
}  // namespace tessara
