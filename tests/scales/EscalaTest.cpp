#include <gtest/gtest.h>

#include <string>

#include "foundations/Cp1252.h"
#include "scales/Escala.h"
#include "scales/EscalaExibicao.h"

namespace tessara {
namespace {

TEST(Escala, IgualdadePelasNotasApenas) {
  const Escala a("Ionian", {0, 2, 4, 5, 7, 9, 11, 12});
  const Escala b("Major", {0, 2, 4, 5, 7, 9, 11, 12});
  EXPECT_TRUE(a.equals(b));
  EXPECT_TRUE(a == b);
  EXPECT_FALSE(a != Escala("Ionian", {0, 2, 4, 5, 7, 9, 11, 12}));
  EXPECT_TRUE(a != Escala("Ionian", {0, 2, 4, 5, 7, 9, 11}));
  EXPECT_TRUE(a != Escala("Ionian", {0, 2, 4, 5, 7, 9, 12, 11}));
}

TEST(Escala, OrdemDosNomes) {
  struct Caso {
    std::string a;
    std::string b;
    bool menor;
  };
  const Caso casos[] = {
      // An accidental as second character sorts after any other, "b" included.
      {"Bm", "Bb", true},
      {"Bb", "Bm", false},
      {"C#", "Ca", false},
      {"Cz", "C#", true},
      {"C", "C#", true},
      // With different first letters only those decide.
      {"Ab", "Bm", true},
      {"Bm", "Ab", false},
      // Plain byte order otherwise, the shorter name first.
      {"Dorian", "Doric", true},
      {"Doric", "Dorian", false},
      {"Blue", "Blues", true},
      {"Blues", "Blues", false},
      {"", "A", true},
      {"", "", false},
      // Signed bytes: an accented letter sorts before every ASCII letter.
      {TXT("Ásia"), "Asia", true},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(Escala(c.a, {}).menorQue(Escala(c.b, {})), c.menor) << c.a << " < " << c.b;
  }
}

TEST(EscalaExibicao, Custo) {
  struct Caso {
    const char* descricao;
    EscalaExibicao exibicao;
    int custo;
  };
  const Caso casos[] = {
      {"open position of C major",
       EscalaExibicao({3, 0, 2, 3, 0, 2, 0, 1}, {1, 2, 2, 2, 3, 3, 4, 4}, {}, {}), 306},
      {"one string", EscalaExibicao({5, 7, 8}, {2, 2, 2}, {}, {}), 303},
      {"three strings", EscalaExibicao({5, 7, 8}, {1, 2, 3}, {}, {}), 300},
      {"open strings only", EscalaExibicao({0, 0, 0}, {0, 1, 2}, {}, {}), 0},
      // Only the strings of the instrument laid out on count on their own.
      {"a string beyond the instrument", EscalaExibicao({5, 7, 8}, {3, 3, 3}, {}, {}, 3), 300},
  };
  for (const auto& c : casos) EXPECT_EQ(c.exibicao.getCusto(), c.custo) << c.descricao;
}

TEST(EscalaExibicao, CustoGuardadoEIgualdadeSemCusto) {
  EscalaExibicao a({5, 7, 8}, {2, 2, 2}, {1, 3, 4}, {1, 2, 1});
  const EscalaExibicao semCusto = a;
  EXPECT_EQ(a.getCusto(), 303);
  const EscalaExibicao comCusto = a;
  EXPECT_EQ(comCusto.getCusto(), 303);
  EXPECT_EQ(a.clonar()->getCusto(), 303);
  EXPECT_TRUE(semCusto.equals(comCusto));

  struct Caso {
    const char* descricao;
    EscalaExibicao outra;
  };
  const Caso diferentes[] = {
      {"frets", EscalaExibicao({5, 7, 9}, {2, 2, 2}, {1, 3, 4}, {1, 2, 1})},
      {"strings", EscalaExibicao({5, 7, 8}, {2, 2, 3}, {1, 3, 4}, {1, 2, 1})},
      {"fingers", EscalaExibicao({5, 7, 8}, {2, 2, 2}, {1, 2, 4}, {1, 2, 1})},
      {"right hand", EscalaExibicao({5, 7, 8}, {2, 2, 2}, {1, 3, 4}, {1, 2, 2})},
      {"length", EscalaExibicao({5, 7}, {2, 2}, {1, 3}, {1, 2})},
  };
  for (const auto& c : diferentes) EXPECT_TRUE(a != c.outra) << c.descricao;
  EXPECT_TRUE(EscalaExibicao({3}, {0}, {}, {}) < a);
}

}  // namespace
}  // namespace tessara
