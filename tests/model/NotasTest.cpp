#include <gtest/gtest.h>

#include "foundations/Cp1252.h"
#include "model/Notas.h"

namespace tessara {
namespace {

const std::string kPortugues = TXT("Português (Brasil)");

TEST(Notas, NomesPorClasse) {
  struct Caso {
    int n;
    const char* sustenido;
    const char* bemol;
    const char* intervalo;
  };
  const Caso casos[] = {{0, "C", "C", "T"},     {1, "C#", "Db", "b9"}, {3, "D#", "Eb", "3m"},
                        {4, "E", "E", "3M"},    {6, "F#", "Gb", "b5"}, {8, "G#", "Ab", "#5"},
                        {10, "A#", "Bb", "7"},  {11, "B", "B", "7M"},  {12, "C", "C", "T"},
                        {13, "C#", "Db", "b9"}, {64, "E", "E", "3M"},  {127, "G", "G", "5"}};
  for (const auto& c : casos) {
    EXPECT_EQ(nomeNota(c.n), c.sustenido) << c.n;
    EXPECT_EQ(nomeNotaBemol(c.n), c.bemol) << c.n;
    EXPECT_EQ(nomeIntervalo(c.n), c.intervalo) << c.n;
  }
}

TEST(Notas, NomeComOitava) {
  EXPECT_EQ(nomeNotaOitava(60), "C4");  // scientific pitch
  EXPECT_EQ(nomeNotaOitava(69), "A4");
  EXPECT_EQ(nomeNotaOitava(40), "E2");
  EXPECT_EQ(nomeNotaOitava(0), "C-1");
  EXPECT_EQ(nomeNotaOitava(23), "B0");
  EXPECT_EQ(nomeNotaOitava(127), "G9");
}

TEST(Notas, RotulosEnarmonicosDependemDoIdioma) {
  EXPECT_EQ(nomeNotaEnarmonica(1, kPortugues), "C# ou Db");
  EXPECT_EQ(nomeNotaEnarmonica(1, "English"), "C# or Db");
  EXPECT_EQ(nomeNotaEnarmonica(1, "Deutsch"), "C# or Db");
  EXPECT_EQ(nomeNotaEnarmonica(12, "English"), "");
  EXPECT_EQ(indiceNotaEnarmonica("C# or Db", "English"), 1);
  EXPECT_EQ(indiceNotaEnarmonica("C# or Db", kPortugues), -1);
  EXPECT_EQ(indiceNotaEnarmonica("C#", "English"), -1);
  for (int i = 0; i < NUMERO_NOTAS; ++i) {
    for (const auto& idioma : {kPortugues, std::string("English")}) {
      EXPECT_EQ(indiceNotaEnarmonica(nomeNotaEnarmonica(i, idioma), idioma), i);
    }
  }
}

TEST(Notas, ClasseDoGeradorVaiDeUmADoze) {
  EXPECT_EQ(classeNota(0), 12);
  EXPECT_EQ(classeNota(12), 12);
  EXPECT_EQ(classeNota(13), 1);
  EXPECT_EQ(classeNota(11), 11);
  EXPECT_EQ(classeNota(64), 4);
}

}  // namespace
}  // namespace tessara
