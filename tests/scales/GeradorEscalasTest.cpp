#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AmbienteEscalas.h"
#include "foundations/NotFoundException.h"
#include "instruments/InstrumentoCordas.h"

namespace tessara {
namespace {

using Lista = std::vector<int>;

const Escala kMaior("Major", {0, 2, 4, 5, 7, 9, 11, 12});

struct Esperada {
  Lista casas;
  Lista cordas;
  Lista dedos;
};

InstrumentoCordas violao(int casas) {
  return InstrumentoCordas("Guitar", "", 6, casas, 3, 25, {40, 45, 50, 55, 59, 64}, false);
}

class GeradorEscalasTest : public ::testing::Test {
 protected:
  ColecaoPtr<EscalaExibicao> gerar(const Escala& escala, const std::string& tonica) {
    return ambiente.gerador.obterPosicoesEscala(escala, tonica);
  }

  // The displays of the lowest cost, in the order they come.
  static std::vector<EscalaExibicao> maisBaratas(const ColecaoPtr<EscalaExibicao>& exibicoes) {
    std::vector<EscalaExibicao> baratas;
    for (int i = 0; i < exibicoes.size(); ++i) {
      const EscalaExibicao& e = *exibicoes.getElement(i);
      if (e.getCusto() == exibicoes.getElement(0)->getCusto()) baratas.push_back(e);
    }
    return baratas;
  }

  static void verificarOrdem(const ColecaoPtr<EscalaExibicao>& exibicoes) {
    for (int i = 1; i < exibicoes.size(); ++i) {
      ASSERT_LE(exibicoes.getElement(i - 1)->getCusto(), exibicoes.getElement(i)->getCusto()) << i;
    }
  }

  teste::AmbienteEscalas ambiente;
};

TEST_F(GeradorEscalasTest, MaiorEmDoEmLaNoViolao) {
  struct Caso {
    const char* tonica;
    int exibicoes;
    std::vector<Esperada> maisBaratas;
  };
  const Caso casos[] = {
      {"C",
       288,
       {{{3, 0, 2, 3, 0, 2, 0, 1}, {1, 2, 2, 2, 3, 3, 4, 4}, {1, 0, 1, 2, 0, 1, 0, 1}},
        {{10, 7, 9, 10, 8, 10, 7, 8}, {2, 3, 3, 3, 4, 4, 5, 5}, {4, 1, 3, 4, 2, 4, 1, 2}}}},
      {"A",
       264,
       {{{7, 4, 6, 7, 5, 7, 4, 5}, {2, 3, 3, 3, 4, 4, 5, 5}, {4, 1, 3, 4, 2, 4, 1, 2}},
        {{12, 9, 11, 12, 9, 11, 9, 10}, {1, 2, 2, 2, 3, 3, 4, 4}, {4, 1, 3, 4, 1, 3, 1, 2}}}},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.tonica);
    const auto exibicoes = gerar(kMaior, caso.tonica);
    EXPECT_EQ(exibicoes.size(), caso.exibicoes);
    EXPECT_EQ(static_cast<int>(ambiente.gerador.getResultados().size()), caso.exibicoes);
    verificarOrdem(exibicoes);
    const auto baratas = maisBaratas(exibicoes);
    ASSERT_EQ(baratas.size(), caso.maisBaratas.size());
    for (const auto& esperada : caso.maisBaratas) {
      bool achada = false;
      for (const auto& e : baratas) {
        if (e.getCasas() == esperada.casas && e.getCordas() == esperada.cordas) {
          achada = true;
          EXPECT_EQ(e.getCusto(), 306);
          EXPECT_EQ(e.getDedos(), esperada.dedos);
          EXPECT_EQ(e.getDedosMaoDireita(), (Lista{1, 2, 1, 2, 1, 2, 1, 2}));
        }
      }
      EXPECT_TRUE(achada) << ::testing::PrintToString(esperada.casas);
    }
  }
}

TEST_F(GeradorEscalasTest, PrimeiroCaminhoDaBuscaEmDo) {
  const auto exibicoes = gerar(kMaior, "C");
  const auto& primeiro = ambiente.gerador.getResultados().front();
  Lista casas;
  Lista cordas;
  for (const auto& [casa, corda] : primeiro) {
    casas.push_back(casa);
    cordas.push_back(corda);
  }
  EXPECT_EQ(casas, (Lista{8, 10, 12, 8, 10, 12, 9, 10}));
  EXPECT_EQ(cordas, (Lista{0, 0, 0, 1, 1, 1, 2, 2}));
  EXPECT_EQ(GeradorEscalas::dedilhar(casas, cordas), (Lista{1, 2, 4, 1, 2, 4, 1, 2}));
  bool achada = false;
  for (int i = 0; i < exibicoes.size(); ++i) {
    if (exibicoes.getElement(i)->getCasas() == casas) {
      achada = true;
      EXPECT_EQ(exibicoes.getElement(i)->getCusto(), 409);
    }
  }
  EXPECT_TRUE(achada);
}

TEST_F(GeradorEscalasTest, OutrosInstrumentos) {
  EXPECT_EQ(ambiente.gerador.obterPosicoesEscala(kMaior, 0, "C", violao(6)).size(), 12);
  ambiente.instrumentos.setInstrumento(1);
  EXPECT_EQ(gerar(kMaior, "C").size(), 72);
}

// Equal costs keep the order the search found them in, so a request always lists the same way.
TEST_F(GeradorEscalasTest, MesmoPedidoMesmaOrdem) {
  const auto a = gerar(kMaior, "D# or Eb");
  const auto b = gerar(kMaior, "D# or Eb");
  EXPECT_TRUE(a == b);
}

TEST_F(GeradorEscalasTest, EscalasImpossiveisOuRecusadas) {
  struct Caso {
    const char* descricao;
    Escala escala;
    const char* tonica;
  };
  const Caso casos[] = {
      {"steps of an octave beyond the neck", Escala("Octaves", {0, 12, 24, 36, 48, 60}), "C"},
      {"no notes", Escala("Empty", {}), "C"},
      {"more notes than the fretboard shows",
       Escala("Long", {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                       13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}),
       "E"},
      {"a label of the other language", kMaior, "C# ou Db"},
      {"no label", kMaior, ""},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.descricao);
    try {
      gerar(caso.escala, caso.tonica);
      ADD_FAILURE() << "laid out";
    } catch (const NotFoundException& e) {
      EXPECT_EQ(e.getMensagem(), ambiente.texto("exception", "escalaImpossivel"));
      EXPECT_EQ(e.getItem(), caso.escala.getNome() + caso.tonica);
      EXPECT_EQ(e.getRastro(),
                std::vector<std::string>{"GeradorEscalas::obterPosicoesEscala(Escala, string)"});
    }
    EXPECT_TRUE(ambiente.gerador.getResultados().empty());
  }
}

// The fretboard shows 24 notes: a two-octave chromatic scale of 25 is refused, 24 are not.
TEST_F(GeradorEscalasTest, VinteEQuatroNotasCabem) {
  Lista notas;
  for (int i = 0; i < GeradorEscalas::MAXIMO_NOTAS; ++i) notas.push_back(i);
  const auto exibicoes = gerar(Escala("24", notas), "E");
  ASSERT_GT(exibicoes.size(), 0);
  EXPECT_EQ(exibicoes.getElement(0)->getNumeroNotas(), 24);
}

// A falling step moves to the same or a lower string; the pitch always follows the scale.
TEST_F(GeradorEscalasTest, EscalaDescendente) {
  const Escala descendente("Down", {12, 11, 9, 7, 5, 4, 2, 0});
  const auto exibicoes = gerar(descendente, "C");
  ASSERT_GT(exibicoes.size(), 0);
  const auto afinacao = violao(12).getAfinacao();
  for (int i = 0; i < exibicoes.size(); ++i) {
    const auto& e = *exibicoes.getElement(i);
    for (int k = 1; k < e.getNumeroNotas(); ++k) {
      const auto kk = static_cast<size_t>(k);
      EXPECT_LE(e.getCordas()[kk], e.getCordas()[kk - 1]);
      const int nota = afinacao[static_cast<size_t>(e.getCordas()[kk])] + e.getCasas()[kk];
      const int antes = afinacao[static_cast<size_t>(e.getCordas()[kk - 1])] + e.getCasas()[kk - 1];
      EXPECT_EQ(nota - antes, descendente.getNotas()[kk] - descendente.getNotas()[kk - 1]);
    }
  }
}

// Instruments from a damaged base: a tuning shorter than its strings, no strings, frets beyond
// reason. No crash, no reading past the tuning, and a bounded number of displays.
TEST_F(GeradorEscalasTest, InstrumentosDanificados) {
  const InstrumentoCordas curto("Short", "", 6, 12, 3, 25, {40, 45}, false);
  const auto exibicoes = ambiente.gerador.obterPosicoesEscala(kMaior, 9, "A", curto);
  EXPECT_GT(exibicoes.size(), 0);
  for (int i = 0; i < exibicoes.size(); ++i) {
    for (int corda : exibicoes.getElement(i)->getCordas()) EXPECT_LT(corda, 2);
  }

  const InstrumentoCordas vazio("None", "", 0, 12, 3, 25, {}, false);
  EXPECT_THROW(ambiente.gerador.obterPosicoesEscala(kMaior, 0, "C", vazio), NotFoundException);

  // A last note out of reach after countless beginnings: the search gives up in time.
  Lista quase;
  for (int i = 0; i < GeradorEscalas::MAXIMO_NOTAS - 1; ++i) quase.push_back(i);
  quase.push_back(5000);
  const InstrumentoCordas cordas("Strings", "", 20000, 24, 3, 25, Lista(20000, 40), false);
  EXPECT_THROW(ambiente.gerador.obterPosicoesEscala(Escala("Leap", quase), 4, "E", cordas),
               NotFoundException);

  const InstrumentoCordas enorme("Huge", "", 6, 100000, 3, 25, {40, 40, 40, 40, 40, 40}, false);
  const auto muitas = ambiente.gerador.obterPosicoesEscala(kMaior, 0, "C", enorme);
  EXPECT_LE(static_cast<size_t>(muitas.size()), GeradorEscalas::LIMITE_EXIBICOES);
  verificarOrdem(muitas);
}

TEST(CustoTransicao, Regras) {
  struct Caso {
    int a, b, p, q, c, d, custo;
  };
  const Caso casos[] = {
      {0, 2, 5, 1, 1, 2, 0},      // from an open string
      {3, 5, 4, 1, 2, 2, 3},      // up from the little finger to the index
      {3, 5, 4, 3, 2, 3, 4},      // up from the little finger to another
      {5, 3, 1, 4, 3, 2, 3},      // down from the index to the little finger
      {5, 3, 1, 2, 3, 3, 4},      // down from the index to another
      {2, 4, 2, 1, 3, 3, 99},     // higher fret, same string, lower finger
      {2, 4, 1, 3, 3, 3, 0},      // fingers as far apart as the frets
      {2, 3, 2, 2, 3, 3, 3},      // the same finger close by on the same string
      {2, 3, 2, 2, 3, 4, 1},      // ... on another string
      {0, 2, 1, 1, 1, 2, 99999},  // an open string needs finger 5
      {2, 0, 1, 1, 1, 2, 99999}, {2, 3, 5, 1, 1, 2, 99999},  // and only an open string has it
      {2, 3, 1, 5, 1, 2, 99999},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(GeradorEscalas::custoTransicao(c.a, c.b, c.p, c.q, c.c, c.d), c.custo)
        << c.a << ',' << c.b << ',' << c.p << ',' << c.q << ',' << c.c << ',' << c.d;
  }
}

TEST(Dedilhado, CasosPequenos) {
  EXPECT_EQ(GeradorEscalas::dedilhar({}, {}), Lista{});
  EXPECT_EQ(GeradorEscalas::dedilhar({5}, {0}), Lista{1});
  // From and to an open string every finger costs the same: the first one wins.
  EXPECT_EQ(GeradorEscalas::dedilhar({0, 2, 0}, {0, 0, 1}), (Lista{0, 1, 0}));
  EXPECT_EQ(GeradorEscalas::maoDireita(5), (Lista{1, 2, 1, 2, 1}));
}

}  // namespace
}  // namespace tessara
