#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "AcordesTeste.h"
#include "InteracaoGravada.h"
#include "PastaTemporaria.h"
#include "foundations/DataFormatException.h"
#include "foundations/RaizNaoEncontradaException.h"
#include "languages/GerenciadorIdiomas.h"

namespace tessara {
namespace {

using E = Especialista;
using teste::graus;
using teste::ingles;
using teste::portugues;

constexpr int C = 0, CS = 1, DB = 2, D = 3, DS = 4, EB = 5, MI = 6, F = 7, FS = 8, GB = 9, G = 10,
              GS = 11, AB = 12, A = 13, AS = 14, BB = 15, B = 16;

TEST(CodigoAcorde, CamposEGrausDobrados) {
  int32_t c = E::setGrau(0, 1, true);  // a second is kept as the ninth
  EXPECT_FALSE(E::temGrau(c, 1));
  EXPECT_TRUE(E::temGrau(c, 12));
  const int dobrados[][2] = {{0, 11}, {1, 12}, {14, 3}, {17, 6}, {20, 9}, {21, 10}, {8, 8}};
  for (const auto& [grau, guardado] : dobrados) {
    EXPECT_EQ(graus(E::setGrau(0, grau, true)), std::vector<int>{guardado}) << grau;
  }
  c = E::setGrau(E::setGrau(c, 3, true), 12, false);
  EXPECT_EQ(graus(c), std::vector<int>{3});
  EXPECT_EQ(E::setGrau(c, 22, true), c);  // no such degree
  EXPECT_FALSE(E::temGrau(-1, 22));

  const int32_t si = E::setGrau(E::setRaiz(0, B), 3, true);
  EXPECT_LT(si, 0);  // root B fills the sign bit
  EXPECT_EQ(E::getRaiz(si), B);
  EXPECT_EQ(E::getClasseRaiz(si), 11);
  EXPECT_EQ(E::getBaixo(si), -1);
  EXPECT_EQ(E::setBaixo(0, C), 1);
  EXPECT_EQ(E::getBaixo(E::setBaixo(si, GB)), GB);
  EXPECT_EQ(E::getClasseRaiz(E::setRaiz(0, DB)), 1);
}

TEST(CodigoAcorde, GrafiasForaDaTabela) {
  EXPECT_EQ(E::nomeGrafia(AB), "Ab");
  EXPECT_EQ(E::nomeGrafia(17), "");
  EXPECT_EQ(E::nomeGrafia(-1), "");
  EXPECT_EQ(E::classeGrafia(31), -1);
  EXPECT_EQ(E::getClasseRaiz(E::setRaiz(0, 31)), -1);
  EXPECT_EQ(E::grafiaDaClasse(-1), B);
  EXPECT_EQ(E::grafiaDaClasse(13), CS);
  EXPECT_EQ(E::nomear(E::setRaiz(0, 31), Gramatica::Ingles), "5(omit5)");  // no crash
}

TEST(LerRaiz, NomeInteiroSemCaixa) {
  const char* nomes[] = {"C",  "C#", "Db", "D",  "D#", "Eb", "E",  "F", "F#",
                         "Gb", "G",  "G#", "Ab", "A",  "A#", "Bb", "B"};
  for (int i = 0; i < E::NUMERO_GRAFIAS; ++i) EXPECT_EQ(E::lerRaiz(nomes[i], ingles()), i);
  EXPECT_EQ(E::lerRaiz("db", ingles()), DB);
  EXPECT_EQ(E::lerRaiz("bB", ingles()), BB);
  for (const char* recusado : {"", "H", "Cb", "E#", "Fb", "B#", "C#m", "CC", "#"}) {
    try {
      E::lerRaiz(recusado, portugues());
      ADD_FAILURE() << recusado;
    } catch (const RaizNaoEncontradaException& e) {
      EXPECT_EQ(e.getMensagem(), TXT("Não foi encontrada raiz para o acorde: nota fundamental "
                                     "inválida ") +
                                     recusado);
      EXPECT_TRUE(e.getRastro().empty());
    }
  }
}

struct CasoLeitura {
  const char* nome;
  int raiz;
  std::vector<int> graus;
  int baixo;
};

void verificarLeituras(const std::vector<CasoLeitura>& casos, const IdiomaAcordes& idioma) {
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nome);
    const int32_t c = E::interpretar(TXT(caso.nome), idioma);
    EXPECT_EQ(E::getRaiz(c), caso.raiz);
    EXPECT_EQ(graus(c), caso.graus);
    EXPECT_EQ(E::getBaixo(c), caso.baixo);
  }
}

TEST(Interpretar, GramaticaPortuguesa) {
  verificarLeituras(
      {
          {"C", C, {3, 6}, -1},
          {"Cm7", C, {2, 6, 9}, -1},
          {"C7M", C, {3, 6, 10}, -1},
          {"Cmaj7", C, {3, 6, 10}, -1},
          {"CM7", C, {3, 6, 10}, -1},
          {"C7+", C, {3, 6, 10}, -1},
          // "4", "sus4" and "sus" suspend the fourth: the third goes.
          {"Csus4", C, {4, 6}, -1},
          {"Csus", C, {4, 6}, -1},
          {"C4", C, {4, 6}, -1},
          {"C7/4", C, {4, 6, 9}, -1},
          {"C7(4)", C, {4, 6, 9}, -1},
          {"C4/7", C, {4, 6, 9}, -1},
          // A fourth beside the third.
          {"Cadd4", C, {3, 4, 6}, -1},
          {"C(11)", C, {3, 6, 15}, -1},
          {"Cadd11", C, {3, 6, 15}, -1},
          {"C11", C, {3, 6, 15}, -1},
          {"C13", C, {3, 6, 19}, -1},
          {"Csus2", C, {6, 12}, -1},
          {"C5", C, {6}, -1},
          {"Cº", C, {2, 5, 8}, -1},
          {"Cdim7", C, {2, 5, 8}, -1},
          {"C°", C, {2, 5, 8}, -1},
          {"Cø", C, {2, 5, 9}, -1},
          {"Chalf-dim", C, {2, 5, 9}, -1},
          {"C7(9)", C, {3, 6, 9, 12}, -1},
          {"C7/9", C, {3, 6, 9, 12}, -1},
          {"C7.9", C, {3, 6, 9, 12}, -1},
          {"C9", C, {3, 6, 12}, -1},
          {"C6", C, {3, 6, 8}, -1},
          {"C7M9", C, {3, 6, 10, 12}, -1},
          {"C(b13)", C, {3, 6, 18}, -1},
          {"C7(b5)", C, {3, 5, 9}, -1},
          {"Caug", C, {3, 7}, -1},
          {"Comit5", C, {3}, -1},
          {"C7(11+/13)", C, {3, 6, 9, 16, 19}, -1},
          {"Cmin7", C, {2, 6, 9}, -1},
          {"C/E", C, {3, 6}, MI},
          {"C7(b9)/E", C, {3, 6, 9, 11}, MI},
          {"C|E", C, {3, 6}, MI},
          {"C/", C, {3, 6}, -1},
          {"Db", DB, {3, 6}, -1},
          {"c#m", CS, {2, 6}, -1},
          {"Bbm7/Ab", BB, {2, 6, 9}, AB},
          {"F#7\\a#", FS, {3, 6, 9}, AS},
      },
      portugues());
}

TEST(Interpretar, GramaticaInglesa) {
  verificarLeituras(
      {
          {"C9", C, {3, 6, 9, 12}, -1},
          {"Csus4", C, {4, 6}, -1},
          {"Csus", C, {4, 6}, -1},
          {"C4", C, {3, 4, 6, 9}, -1},
          {"Cadd4", C, {3, 4, 6}, -1},
          {"C6", C, {3, 6, 19}, -1},
          {"C(b13)", C, {3, 18}, -1},
          {"Cadd9", C, {3, 6, 12}, -1},
          {"C2", C, {3, 6, 12}, -1},
          {"C7sus4", C, {4, 6, 9}, -1},
          {"Cm7b5", C, {2, 5, 9}, -1},
          {"Cdim", C, {2, 5, 8}, -1},
          {"C7#9", C, {3, 6, 9, 13}, -1},
          {"Cmaj7/G", C, {3, 6, 10}, G},
          // "11" and "13" alone are dominant chords with the ninth.
          {"C11", C, {3, 6, 9, 12, 15}, -1},
          {"C13", C, {3, 6, 9, 12, 19}, -1},
          {"Cm11", C, {2, 6, 9, 12, 15}, -1},
          {"Cm13", C, {2, 6, 9, 12, 19}, -1},
          {"C13sus4", C, {4, 6, 9, 12, 19}, -1},
          {"Cmaj13", C, {3, 6, 10, 12, 19}, -1},
          {"Cmaj11", C, {3, 6, 10, 12, 15}, -1},
          {"C7(11)", C, {3, 6, 9, 15}, -1},
          {"C7(13)", C, {3, 6, 9, 19}, -1},
          {"Cadd11", C, {3, 6, 15}, -1},
          {"C6/9", C, {3, 6, 12, 19}, -1},
          // The augmented seventh, the other minor marks, the triangle.
          {"C7+", C, {3, 7, 9}, -1},
          {"C+7", C, {3, 7, 9}, -1},
          {"C-7", C, {2, 6, 9}, -1},
          {"C-", C, {2, 6}, -1},
          {"Cmi7", C, {2, 6, 9}, -1},
          {"C-5", C, {3, 5}, -1},  // the flat fifth, as before
          {"C^7", C, {3, 6, 10}, -1},
          {"Cdim7", C, {2, 5, 8}, -1},
      },
      ingles());
}

// Spellings whose reading players agree on, read alike or each in its own way by the two
// grammars.
TEST(Interpretar, GrafiasDosMusicosNasDuasGramaticas) {
  struct Caso {
    const char* nome;
    std::vector<int> portugues;
    std::vector<int> ingles;
  };
  const Caso casos[] = {
      // "7#" and "7+" before 5, 9 or 11: the minor seventh and the raised tension.
      {"C7#9", {3, 6, 9, 13}, {3, 6, 9, 13}},
      {"C7+9", {3, 6, 9, 13}, {3, 6, 9, 13}},
      {"C7(#9)", {3, 6, 9, 13}, {3, 6, 9, 13}},
      {"C7#5", {3, 7, 9}, {3, 7, 9}},
      {"C7+5", {3, 7, 9}, {3, 7, 9}},
      {"C7#11", {3, 6, 9, 16}, {3, 6, 9, 16}},
      {"C7+11", {3, 6, 9, 16}, {3, 6, 9, 16}},
      {"C7+", {3, 6, 10}, {3, 7, 9}},
      {"C7#", {3, 6, 10}, {3, 6, 10}},
      {"C7+(9)", {3, 6, 10, 12}, {3, 7, 9, 12}},
      // A "7" after the diminished sign is the diminished seventh already there.
      {"C°7", {2, 5, 8}, {2, 5, 8}},
      {"Cº7", {2, 5, 8}, {2, 5, 8}},
      {"Co7", {2, 5, 8}, {2, 5, 8}},
      {"Cdim7", {2, 5, 8}, {2, 5, 8}},
      {"Cº(7)", {2, 5, 8, 9}, {2, 5, 8, 9}},
      {"Cº7M", {2, 5, 8, 10}, {2, 5, 8, 10}},
      // The English "9" brings the minor seventh only to a chord without one, without a sixth
      // or thirteenth and not diminished.
      {"C9", {3, 6, 12}, {3, 6, 9, 12}},
      {"C6/9", {3, 6, 8, 12}, {3, 6, 12, 19}},
      {"C69", {3, 6, 8, 12}, {3, 6, 12, 19}},
      {"Cmaj7(9)", {3, 6, 10, 12}, {3, 6, 10, 12}},
      {"C7M(9)", {3, 6, 10, 12}, {3, 6, 10, 12}},
      {"C7(9)", {3, 6, 9, 12}, {3, 6, 9, 12}},
      {"Cm9", {2, 6, 12}, {2, 6, 9, 12}},
      {"Cº9", {2, 5, 8, 12}, {2, 5, 8, 12}},
      {"C13", {3, 6, 19}, {3, 6, 9, 12, 19}},
      // New spellings.
      {"C+", {3, 7}, {3, 7}},
      {"Cm+", {2, 7}, {2, 7}},
      {"Cmaj9", {3, 6, 10, 12}, {3, 6, 10, 12}},
      {"C7(9+)", {3, 6, 9, 13}, {3, 6, 9, 13}},
      {"Comit5", {3}, {3}},
      {"C7(omit5)", {3, 9}, {3, 9}},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nome);
    EXPECT_EQ(graus(E::interpretar(TXT(caso.nome), portugues())), caso.portugues);
    EXPECT_EQ(graus(E::interpretar(TXT(caso.nome), ingles())), caso.ingles);
  }
  // The "+" of the augmented chord ends the name or comes before a separator.
  for (const auto* idioma : {&portugues(), &ingles()}) {
    const int32_t c = E::interpretar("C+/E", *idioma);
    EXPECT_EQ(graus(c), (std::vector<int>{3, 7}));
    EXPECT_EQ(E::getBaixo(c), MI);
    EXPECT_EQ(E::getRaiz(E::interpretar("E7(9+)", *idioma)), MI);
    EXPECT_THROW(E::interpretar("C+x", *idioma), DataFormatException);
  }
}

TEST(Interpretar, Recusas) {
  struct Caso {
    const char* nome;
    const IdiomaAcordes& idioma;
    bool raiz;  // refused for its root, else for the rest
  };
  const Caso casos[] = {
      {"Cmaj", portugues(), false}, {"Cmajor", ingles(), false}, {"C/X", portugues(), false},
      {"C/E7", portugues(), false}, {"CB", portugues(), false},  {"Cmm", ingles(), false},
      {"C7 ", ingles(), false},     {"C:", portugues(), false},  {"H", portugues(), true},
      {"Cb", ingles(), true},       {"Cb13", ingles(), true},    {"", portugues(), true},
      {"E#m", portugues(), true},   {"/", ingles(), true},       {"\xE9", ingles(), true},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nome);
    EXPECT_FALSE(E::ehNomeDeAcorde(caso.nome, caso.idioma));
    if (caso.raiz) {
      EXPECT_THROW(E::interpretar(caso.nome, caso.idioma), RaizNaoEncontradaException);
      continue;
    }
    try {
      E::interpretar(caso.nome, caso.idioma);
      ADD_FAILURE();
    } catch (const DataFormatException& e) {
      EXPECT_EQ(e.getMensagem(), caso.nome);
    }
  }
  // The question without the exception answers the same for names that read.
  for (const char* nome : {"C", "Am7(9)", "C/E", "F#m7(b5)", "Bb/D"}) {
    EXPECT_TRUE(E::ehNomeDeAcorde(nome, portugues())) << nome;
  }
}

TEST(Interpretar, RecusaNaoDeixaCodigoParcialNemAceitaEntradaLonga) {
  const std::string longo = "C7" + std::string(10000, '/') + "9";
  EXPECT_EQ(graus(E::interpretar(longo, portugues())), (std::vector<int>{3, 6, 9, 12}));
  EXPECT_THROW(E::interpretar("C" + std::string(10000, '7') + "x", ingles()), DataFormatException);
  EXPECT_THROW(E::interpretar(std::string(10000, '\xFF'), ingles()), RaizNaoEncontradaException);
}

TEST(Nomear, ExemplosDasDuasGramaticas) {
  struct Caso {
    std::vector<int> graus;
    int baixo;
    const char* portugues;
    const char* ingles;
  };
  const Caso casos[] = {
      {{3, 6}, -1, "C", "C"},
      {{2, 6, 9}, -1, "Cm7", "Cm7"},
      {{3, 6, 10}, -1, "C7M", "Cmaj7"},
      // The suspended fourth; a fourth beside the third is "add4".
      {{4, 6}, -1, "C4", "Csus4"},
      {{4, 6, 9}, -1, "C4/7", "Csus4/7"},
      {{3, 4, 6}, -1, "C(add4)", "Cadd4"},
      {{3, 4, 6, 9}, -1, "C7(add4)", "C4/7"},
      {{2, 4, 6}, -1, "Cm(add4)", "Cmadd4"},
      {{4, 6, 12}, -1, "C4(9)", "Csus4(add9)"},
      {{2, 5, 8}, -1, "Cº(b5/6)", "Cdim7"},
      // A seventh over the diminished chord goes into the list: "º7" is the chord itself.
      {{2, 5, 8, 9}, -1, "Cº(7/b5/6)", "Cdim7(7)"},
      {{2, 5, 8, 10}, -1, "Cº(7M/b5/6)", "Cdim7(maj7)"},
      {{2, 5, 9}, -1, "Cm7(b5)", "Cm7b5"},
      {{2, 5, 9, 12}, -1, "Cm7(b5/9)", "Cm7b5(9)"},
      {{3, 6, 9, 12}, -1, "C7(9)", "C7(9)"},
      {{3, 6, 12, 15}, -1, "C(9/11)", "Cadd9(add11)"},
      {{3, 6}, MI, "C/E", "C/E"},
      {{3, 6, 12}, -1, "C(9)", "Cadd9"},
      // English "11" and "13" only after a seventh or sixth; alone they are "add11" and "6".
      {{3, 6, 15}, -1, "C(11)", "C(add11)"},
      {{3, 6, 19}, -1, "C(13)", "C6"},
      {{2, 6, 19}, -1, "Cm(13)", "Cm6"},
      {{3, 6, 12, 19}, -1, "C(9/13)", "C6(9)"},
      {{3, 6, 9, 12, 19}, -1, "C7(9/13)", "C7(9/13)"},
      {{3, 6, 10, 12, 19}, -1, "C7M(9/13)", "Cmaj7(9/13)"},
      {{3, 18}, -1, "C(b13/omit5)", "C(b13)"},
      {{3, 6, 9, 11, 19}, GB, "C7(b9/13)/Gb", "C7(b9/13)/Gb"},
      // The power chord and the chords without a third: "5" after the root.
      {{6}, -1, "C5", "C5"},
      {{6, 12}, -1, "C5(9)", "Csus2"},
      {{6, 9}, -1, "C5(7)", "C5(7)"},
      // "sus" only without a third.
      {{2, 6, 9, 12}, -1, "Cm7(9)", "Cm7(9)"},
      {{2, 6, 12}, -1, "Cm(9)", "Cmadd9"},
      // Both sevenths, both altered fifths, no fifth at all.
      {{3, 6, 9, 10}, -1, "C7/7M", "C7/maj7"},
      {{3, 5, 7, 9}, -1, "C7(b5/#5)", "C7(b5/#5)"},
      {{3, 9}, -1, "C7(omit5)", "C7(omit5)"},
      {{3, 7, 9}, -1, "C7(#5)", "C7(#5)"},
  };
  for (const auto& caso : casos) {
    const int32_t c = teste::codigo(C, caso.graus, caso.baixo);
    EXPECT_EQ(E::nomear(c, Gramatica::Portugues), TXT(caso.portugues));
    EXPECT_EQ(E::nomear(c, Gramatica::Ingles), TXT(caso.ingles));
  }
  EXPECT_EQ(E::nomear(E::interpretar("c#m", portugues()), Gramatica::Portugues), "C#m");
}

TEST(CodigoDasNotas, FormaDeMiMaiorNoViolao) {
  const std::vector<int> notas = {40, 47, 52, 56, 59, 64};
  const int32_t c = E::codigoDasNotas(notas, 40, portugues());
  EXPECT_EQ(E::getRaiz(c), MI);
  EXPECT_EQ(graus(c), (std::vector<int>{3, 6}));
  EXPECT_EQ(E::getBaixo(c), -1);

  // C7 with E in the bass and two silent strings: the root's octave does not matter.
  const std::vector<int> c7 = {-1, 52, 48, 55, 58, -1};
  const int32_t comBaixo = E::codigoDasNotas(c7, 60, ingles());
  EXPECT_EQ(E::getRaiz(comBaixo), C);
  EXPECT_EQ(graus(comBaixo), (std::vector<int>{3, 6, 9}));
  EXPECT_EQ(E::getBaixo(comBaixo), MI);
}

TEST(CodigoDasNotas, NonaAumentadaEDecimaPrimeiraDependemDoQueVeioAntes) {
  // Fifteen semitones above C: an augmented ninth above the major third, else a minor third.
  EXPECT_EQ(graus(E::codigoDasNotas(std::vector<int>{48, 52, 63}, 48, ingles())),
            (std::vector<int>{3, 6, 13}));
  // Below the major third it would be a second third, which no name holds: still the #9.
  EXPECT_EQ(graus(E::codigoDasNotas(std::vector<int>{48, 63, 64}, 48, ingles())),
            (std::vector<int>{3, 6, 13}));
  // Eighteen semitones: an augmented eleventh above a fifth, else a diminished fifth.
  EXPECT_EQ(graus(E::codigoDasNotas(std::vector<int>{48, 55, 66}, 48, ingles())),
            (std::vector<int>{6, 16}));
  EXPECT_EQ(graus(E::codigoDasNotas(std::vector<int>{48, 66}, 48, ingles())),
            (std::vector<int>{5}));
}

// A voicing without its perfect fifth names the chord as if the fifth were there, unless an
// altered fifth stands in its place. Frets on the guitar, the root on the lowest string.
TEST(CodigoDasNotas, QuintaJustaOmitidaNaoEntraNoNome) {
  struct Caso {
    std::vector<int> casas;
    const char* portugues;
    const char* ingles;
  };
  const Caso casos[] = {
      {{-1, 3, 2, 3, 1, 0}, "C7", "C7"},
      {{-1, 3, 3, 3, 1, 1}, "C4/7(11)", "Csus4/7(11)"},
      {{-1, 3, 2, 2, 1, 0}, "C(6)", "C6"},
      {{-1, 3, 2, 0, 1, 0}, "C", "C"},
      {{-1, 3, 1, 3, 4, -1}, "Cm7", "Cm7"},
      {{-1, 3, 4, 3, 5, -1}, "C7(b5)", "C7(b5)"},  // the b5 stays alone
      {{-1, 3, 2, 1, 1, 0}, "C(#5)", "C(#5)"},
  };
  const std::vector<int> afinacao = {40, 45, 50, 55, 59, 64};
  for (const auto& caso : casos) {
    std::vector<int> notas;
    for (size_t s = 0; s < afinacao.size(); ++s) {
      notas.push_back(caso.casas[s] < 0 ? -1 : afinacao[s] + caso.casas[s]);
    }
    SCOPED_TRACE(caso.ingles);
    EXPECT_EQ(E::nomear(E::codigoDasNotas(notas, notas[1], portugues()), Gramatica::Portugues),
              TXT(caso.portugues));
    EXPECT_EQ(E::nomear(E::codigoDasNotas(notas, notas[1], ingles()), Gramatica::Ingles),
              TXT(caso.ingles));
  }
}

// One or two pitch classes are no chord: the note, or the interval, except the power chord.
TEST(NomePoucasNotas, NotaIntervaloOuNada) {
  struct Caso {
    std::vector<int> notas;
    int raiz;
    const char* ingles;
    const char* portugues;
  };
  const Caso casos[] = {
      {{50, -1, 62}, 50, "D", "D"},
      {{48, 52, -1}, 48, "C-E (M3)", "C-E (3M)"},
      {{52, 60}, 52, "E-C (m6)", "E-C (6m)"},
      {{45, 48, 57}, 45, "A-C (m3)", "A-C (3m)"},
      {{40, 47, 52}, 40, "", ""},  // E5: named as a chord
      {{48, 52, 55}, 48, "", ""},  // three pitch classes
      {{-1, -1}, -1, "", ""},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(E::nomePoucasNotas(caso.notas, caso.raiz, Gramatica::Ingles), caso.ingles);
    EXPECT_EQ(E::nomePoucasNotas(caso.notas, caso.raiz, Gramatica::Portugues), caso.portugues);
  }
}

TEST(Leituras, CustoDeCadaLeitura) {
  struct Caso {
    std::vector<int> graus;
    int baixo;
    int custo;
  };
  const Caso casos[] = {
      // The plain triads and seventh chords.
      {{3, 6}, -1, 0},
      {{2, 6}, -1, 0},
      {{2, 5}, -1, 0},
      {{3, 7}, -1, 0},
      {{2, 5, 8}, -1, 0},
      {{2, 5, 9}, -1, 0},
      {{3, 6, 9}, -1, 0},
      {{3, 6, 10}, -1, 0},
      {{2, 6, 10}, -1, 0},
      // Tensions, odd fifths, no third, a slash bass.
      {{3, 6, 9, 12}, -1, 2},
      {{3, 6, 19}, -1, 2},
      {{2, 7}, -1, 2},
      {{3, 5}, -1, 2},
      {{3, 6, 9, 10}, -1, 2},
      {{6}, -1, 4},
      {{4, 6}, -1, 6},
      {{3, 6}, MI, 1},
      {{3, 6, 9}, G, 1},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(E::custoLeitura(teste::codigo(C, caso.graus, caso.baixo)), caso.custo)
        << ::testing::PrintToString(caso.graus) << ' ' << caso.baixo;
  }
}

// The name of a shape with every sounding note as the root, the simplest first: the plain
// chord over a slash bass before an odd fifth with the root below.
TEST(Leituras, AMaisSimplesPrimeiro) {
  struct Caso {
    std::vector<int> casas;
    std::vector<const char*> ingles;
  };
  const Caso casos[] = {
      {{0, 3, 2, 0, 1, 0}, {"C/E", "Em(#5/b13)", "G6sus4(11)/E"}},
      {{2, -1, 0, 2, 3, 2}, {"D/F#", "F#m(#5/b13)", "A6sus4(11)/F#"}},
      {{-1, 3, 2, 0, 1, 0}, {"C", "Em(#5)/C", "G6sus4/C"}},
      {{-1, 0, 2, 0, 1, 0}, {"Am7", "C6/A", "Emadd4(#5)/A", "G6sus4(9)/A"}},
      {{-1, -1, -1, -1, -1, -1}, {}},
  };
  const std::vector<int> afinacao = {40, 45, 50, 55, 59, 64};
  for (const auto& caso : casos) {
    std::vector<int> notas;
    for (size_t s = 0; s < afinacao.size(); ++s) {
      notas.push_back(caso.casas[s] < 0 ? -1 : afinacao[s] + caso.casas[s]);
    }
    std::vector<std::string> nomes;
    for (const int32_t c : E::leituras(notas, ingles())) {
      nomes.push_back(E::nomear(c, Gramatica::Ingles));
    }
    EXPECT_EQ(nomes, std::vector<std::string>(caso.ingles.begin(), caso.ingles.end()))
        << ::testing::PrintToString(caso.casas);
  }
}

// Close voicings whose degree pairs no name holds are read as players name them.
TEST(CodigoDasNotas, VozesFechadasViramOsGrausQueOsNomesTem) {
  struct Caso {
    std::vector<int> notas;  // above C 48
    bool emIngles;
    std::vector<int> graus;
  };
  const Caso casos[] = {
      {{48, 52, 54, 55}, false, {3, 6, 16}},  // b5 beside the fifth: #11
      {{48, 52, 55, 56}, false, {3, 6, 18}},  // #5 beside the fifth: b13
      {{48, 52, 55, 56}, true, {3, 18}},      // English b13 leaves the fifth out
      {{48, 52, 55, 57}, false, {3, 6, 8}},   // Portuguese C6
      {{48, 52, 55, 57}, true, {3, 6, 19}},   // English "6" is the 13
      {{48, 51, 54, 57}, true, {2, 5, 8}},    // the diminished keeps its sixth
  };
  for (const auto& caso : casos) {
    std::vector<int> notas = caso.notas;
    EXPECT_EQ(graus(E::codigoDasNotas(notas, 48, caso.emIngles ? ingles() : portugues())),
              caso.graus);
  }
}

TEST(CodigoDasNotas, NotasGravesSemRestoNegativoESemRaiz) {
  // Notes below 12: the root goes below zero, its pitch class stays B.
  const int32_t c = E::codigoDasNotas(std::vector<int>{2, 6, 11}, 11, ingles());
  EXPECT_EQ(E::getRaiz(c), B);
  EXPECT_EQ(E::getBaixo(c), D);
  EXPECT_EQ(graus(c), (std::vector<int>{2, 6}));
  EXPECT_EQ(E::getRaiz(E::codigoDasNotas(std::vector<int>{-1, -1}, 0, ingles())), C);
  EXPECT_EQ(E::getRaiz(E::codigoDasNotas(std::vector<int>{0, INT_MAX}, INT_MAX, ingles())), G);
  try {
    E::codigoDasNotas(std::vector<int>{40, 44}, -1, ingles());
    ADD_FAILURE();
  } catch (const RaizNaoEncontradaException& e) {
    EXPECT_EQ(e.getMensagem(), TXT("Não foi encontrada raiz para o acorde: invalid root note "));
  }
}

TEST(Transpor, RaizEBaixoReescritosORestoComoEscrito) {
  struct Caso {
    const char* nome;
    int passos;
    int direcao;
    const char* esperado;
  };
  const Caso casos[] = {
      {"Db7/Ab", 1, E::ACIMA, "D7/A"},
      {"C#m", 1, E::ABAIXO, "Cm"},
      {"Bb", 2, E::ACIMA, "C"},
      {"Am", 1, E::ABAIXO, "Abm"},
      {"C/G", 1, E::ABAIXO, "B/Gb"},
      {"B7(9)", 1, E::ACIMA, "C7(9)"},
      {"c7M(9)", 0, E::ACIMA, "C7M(9)"},  // no step: the root is still written out
      {"Dbm", 3, 2, "Dbm"},               // no such direction
      {"C", 13, E::ACIMA, "C#"},
      {"Db", 12, E::ACIMA, "C#"},
      {"E", INT_MAX, E::ABAIXO, "A"},
      {"F#m7\\C#", 1, E::ABAIXO, "Fm7\\C"},
      // The bass is rewritten where it was read, whatever the separator before it.
      {"C|E", 1, E::ACIMA, "C#|F"},
      {"Am.E", 2, E::ACIMA, "Bm.F#"},
      {"C4/7/E", 1, E::ACIMA, "C#4/7/F"},
      {"C7/9\\E", 1, E::ABAIXO, "B7/9\\Eb"},
      // A suffix led by an accidental must not join a one-letter root.
      {"Dbb5", 1, E::ACIMA, "D(b5)"},
      {"C##5/E", 1, E::ACIMA, "D(#5)/F"},
      {"Db#9", 1, E::ABAIXO, "C(#9)"},
      {"Db#9", 1, E::ACIMA, "D(#9)"},
      {"Ebb9", 2, E::ACIMA, "F(b9)"},
      {"Ebb9", 1, E::ACIMA, "E(b9)"},
      {"Dbb5", 2, E::ACIMA, "D#b5"},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(E::transpor(caso.nome, caso.passos, caso.direcao, portugues()), caso.esperado)
        << caso.nome << " " << caso.passos;
  }
  EXPECT_THROW(E::transpor("Cmaj", 1, E::ACIMA, portugues()), DataFormatException);
  EXPECT_THROW(E::transpor("Hm", 1, E::ACIMA, portugues()), RaizNaoEncontradaException);
}

TEST(Transpor, DozePassosEmQualquerNomeVoltamAoMesmoSom) {
  for (int raiz = 0; raiz < E::NUMERO_GRAFIAS; ++raiz) {
    const std::string nome = E::nomeGrafia(raiz) + "m7/" + E::nomeGrafia(16 - raiz);
    for (const int direcao : {E::ACIMA, E::ABAIXO}) {
      const int32_t antes = E::interpretar(nome, ingles());
      const int32_t depois = E::interpretar(E::transpor(nome, 12, direcao, ingles()), ingles());
      EXPECT_EQ(E::getClasseRaiz(depois), E::getClasseRaiz(antes)) << nome;
      EXPECT_EQ(E::classeGrafia(E::getBaixo(depois)), E::classeGrafia(E::getBaixo(antes)));
    }
  }
}

TEST(Especialista, GramaticaETextoDoIdiomaCarregado) {
  teste::PastaTemporaria pasta;
  teste::InteracaoGravada interacao;
  const auto idioma = [](const std::string& nome, const std::string& texto) {
    return "[EspecificacaoIdioma]\r\nnomeIdioma=" + nome +
           "\r\ncodAplicacao=Tessara3.0\r\n[exception]\r\nraizAcorde=" + texto + "\r\n";
  };
  pasta.escrever("en.idm", idioma("English", "bad root "));
  pasta.escrever("pt.idm", idioma(TXT("Português (Brasil)"), "raiz ruim "));
  GerenciadorIdiomas idiomas(pasta.caminho(), interacao);
  const Especialista especialista(idiomas);
  EXPECT_EQ(especialista.idiomaAtual().gramatica, Gramatica::Ingles);  // nothing loaded yet

  ASSERT_NE(idiomas.carregarIdioma(idiomas.indiceDoCodigo("pt")), nullptr);
  EXPECT_EQ(graus(especialista.interpretar("Cadd4")), (std::vector<int>{3, 4, 6}));
  EXPECT_EQ(especialista.nomear(teste::codigo(C, {6})), "C5");
  ASSERT_NE(idiomas.carregarIdioma(idiomas.indiceDoCodigo("en")), nullptr);
  EXPECT_EQ(graus(especialista.interpretar("Csus4")), (std::vector<int>{4, 6}));
  EXPECT_EQ(especialista.transpor("Csus4/E", 1, E::ACIMA), "C#sus4/F");
  try {
    especialista.lerRaiz("H");
    ADD_FAILURE();
  } catch (const RaizNaoEncontradaException& e) {
    EXPECT_EQ(e.getMensagem(), TXT("Não foi encontrada raiz para o acorde: bad root H"));
  }
}

TEST(Especialista, UsaBemol) {
  EXPECT_TRUE(E::usaBemol("Db"));
  EXPECT_TRUE(E::usaBemol("Bbm7"));
  EXPECT_FALSE(E::usaBemol("D"));
  EXPECT_FALSE(E::usaBemol("D#m"));
  EXPECT_FALSE(E::usaBemol("b"));
}

}  // namespace
}  // namespace tessara
