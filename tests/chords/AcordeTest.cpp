#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "AcordesTeste.h"
#include "chords/Especialista.h"
#include "foundations/Cp1252.h"
#include "model/Acorde.h"

namespace tessara {
namespace {

TEST(Acorde, OrdemDosNomes) {
  const std::vector<std::string> ordenados = {"C",   TXT("Cº"), "C7", "Cm", "C#",
                                              "C#m", "D",       "D7", "D#", "Db"};
  for (size_t i = 0; i + 1 < ordenados.size(); ++i) {
    EXPECT_TRUE(Acorde::ordemNomes(ordenados[i], ordenados[i + 1]))
        << ordenados[i] << " < " << ordenados[i + 1];
    EXPECT_FALSE(Acorde::ordemNomes(ordenados[i + 1], ordenados[i]));
  }
  EXPECT_FALSE(Acorde::ordemNomes("C7", "C7"));
  auto embaralhados = ordenados;
  std::reverse(embaralhados.begin(), embaralhados.end());
  std::sort(embaralhados.begin(), embaralhados.end(), Acorde::ordemNomes);
  EXPECT_EQ(embaralhados, ordenados);
}

TEST(Acorde, IgualdadePeloCodigoCloneIndependente) {
  const Acorde c7("C7");
  const Acorde dm("Dm");
  EXPECT_EQ(c7.getCodigo(), 0);
  EXPECT_TRUE(c7 == dm);  // both built from a name: code 0
  Acorde outro("C7");
  outro.setCodigo(5);
  EXPECT_TRUE(c7 != outro);
  auto copia = outro.clonar();
  EXPECT_EQ(copia->getNome(), "C7");
  EXPECT_EQ(copia->getCodigo(), 5);
  EXPECT_FALSE(dm < *copia);
  EXPECT_TRUE(*copia < dm);
}

TEST(Acorde, DoCodigoTemONomeCanonicoDaGramatica) {
  const int32_t diminuto = teste::codigo(0, {2, 5, 8});
  const Acorde portugues(diminuto, Especialista::nomear(diminuto, Gramatica::Portugues));
  const Acorde ingles(diminuto, Especialista::nomear(diminuto, Gramatica::Ingles));
  EXPECT_EQ(portugues.getNome(), TXT("Cº(b5/6)"));
  EXPECT_EQ(ingles.getNome(), "Cdim7");
  EXPECT_EQ(portugues.getCodigo(), diminuto);
  EXPECT_TRUE(portugues == ingles);
  EXPECT_FALSE(Acorde(teste::codigo(0, {3, 6}), "C7(omit5)") == portugues);
}

}  // namespace
}  // namespace tessara
