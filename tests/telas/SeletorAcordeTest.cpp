#include "telas/SeletorAcorde.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "chords/Especialista.h"

namespace tessara {
namespace {

using Escolha = SeletorAcorde::Escolha;

const Gramatica kGramaticas[] = {Gramatica::Ingles, Gramatica::Portugues};

// The picker over the parser in that grammar, read as the façade reads a name.
SeletorAcorde seletorEm(Gramatica gramatica) {
  return SeletorAcorde(gramatica, [gramatica](const std::string& nome) {
    const int32_t codigo = Especialista::interpretar(nome, IdiomaAcordes{gramatica, ""});
    AnaliseAcorde analise;
    analise.raiz = Especialista::nomeGrafia(Especialista::getRaiz(codigo));
    for (int g = 0; g < Especialista::NUMERO_GRAUS; ++g) {
      if (Especialista::temGrau(codigo, g)) analise.graus.push_back(g);
    }
    const int baixo = Especialista::getBaixo(codigo);
    if (baixo >= 0) analise.baixo = Especialista::nomeGrafia(baixo);
    return analise;
  });
}

// Every root with every quality, without a bass and over each bass, makes a name that the
// grammar reads as that root and that bass, and that the picker reads back to the same choices:
// no two qualities are one chord.
TEST(SeletorAcorde, CadaRaizEQualidadeVoltaDoNomeNasDuasGramaticas) {
  for (const Gramatica gramatica : kGramaticas) {
    const SeletorAcorde seletor = seletorEm(gramatica);
    const IdiomaAcordes idioma{gramatica, ""};
    std::set<std::string> nomes;
    for (int raiz = 0; raiz < SeletorAcorde::NUMERO_RAIZES; ++raiz) {
      for (int q = 0; q < seletor.getNumeroQualidades(); ++q) {
        for (int baixo = SeletorAcorde::SEM_BAIXO; baixo < SeletorAcorde::NUMERO_RAIZES; ++baixo) {
          const Escolha escolha{raiz, q, baixo};
          const std::string nome = seletor.nome(escolha);
          const int32_t codigo = Especialista::interpretar(nome, idioma);
          EXPECT_EQ(Especialista::getClasseRaiz(codigo), raiz) << nome;
          const int lido = Especialista::getBaixo(codigo);
          EXPECT_EQ(lido < 0 ? -1 : Especialista::classeGrafia(lido), baixo) << nome;
          EXPECT_EQ(seletor.ler(nome), escolha) << nome;
          EXPECT_TRUE(nomes.insert(nome).second) << nome;
        }
      }
    }
  }
}

// The symbols are the language's own and mean what a chord book means by them.
TEST(SeletorAcorde, SimbolosDoIdiomaEOsGrausQueDizem) {
  struct Caso {
    Gramatica gramatica;
    Escolha escolha;
    const char* nome;
    std::vector<int> graus;
  };
  const SeletorAcorde ingles = seletorEm(Gramatica::Ingles);
  const SeletorAcorde portugues = seletorEm(Gramatica::Portugues);
  const auto indice = [](const SeletorAcorde& s, const std::string& simbolo) {
    const auto& simbolos = s.getSimbolos();
    return static_cast<int>(std::find(simbolos.begin(), simbolos.end(), simbolo) -
                            simbolos.begin());
  };
  const Caso casos[] = {
      {Gramatica::Ingles, {7, indice(ingles, "maj7"), -1}, "Gmaj7", {3, 6, 10}},
      {Gramatica::Portugues, {7, indice(portugues, "7M"), -1}, "G7M", {3, 6, 10}},
      {Gramatica::Ingles, {11, indice(ingles, "m7b5"), -1}, "Bm7b5", {2, 5, 9}},
      {Gramatica::Portugues, {11, indice(portugues, "m7(b5)"), -1}, "Bm7(b5)", {2, 5, 9}},
      {Gramatica::Ingles, {1, indice(ingles, "dim7"), -1}, "C#dim7", {2, 5, 8}},
      {Gramatica::Portugues, {1, indice(portugues, "\xb0"), -1}, "C#\xb0", {2, 5, 8}},
      {Gramatica::Ingles, {2, indice(ingles, "9"), 6}, "D9/F#", {3, 6, 9, 12}},
      {Gramatica::Portugues, {2, indice(portugues, "7(9)"), 6}, "D7(9)/F#", {3, 6, 9, 12}},
      {Gramatica::Portugues, {0, indice(portugues, "7M(9)"), -1}, "C7M(9)", {3, 6, 10, 12}},
      {Gramatica::Ingles, {10, indice(ingles, "sus4"), -1}, "Bbsus4", {4, 6}},
      {Gramatica::Ingles, {3, indice(ingles, "6"), -1}, "Eb6", {3, 6, 19}},
      {Gramatica::Portugues, {8, indice(portugues, "6"), -1}, "Ab6", {3, 6, 8}},
      {Gramatica::Ingles, {9, SeletorAcorde::MAIOR, 4}, "A/E", {3, 6}},
  };
  for (const Caso& caso : casos) {
    const SeletorAcorde& seletor = caso.gramatica == Gramatica::Ingles ? ingles : portugues;
    ASSERT_LT(caso.escolha.qualidade, seletor.getNumeroQualidades()) << caso.nome;
    EXPECT_EQ(seletor.nome(caso.escolha), caso.nome);
    const int32_t codigo = Especialista::interpretar(caso.nome, IdiomaAcordes{caso.gramatica, ""});
    std::vector<int> graus;
    for (int g = 0; g < Especialista::NUMERO_GRAUS; ++g) {
      if (Especialista::temGrau(codigo, g)) graus.push_back(g);
    }
    EXPECT_EQ(graus, caso.graus) << caso.nome;
  }
}

// A typed name sets the picker when its chord is in the lists, however it is written; any other
// name leaves it alone.
TEST(SeletorAcorde, NomeDigitadoAcertaOuDeixa) {
  const SeletorAcorde ingles = seletorEm(Gramatica::Ingles);
  const SeletorAcorde portugues = seletorEm(Gramatica::Portugues);
  const auto& si = ingles.getSimbolos();
  const auto& sp = portugues.getSimbolos();
  const auto q = [](const std::vector<std::string>& s, const char* simbolo) {
    return static_cast<int>(std::find(s.begin(), s.end(), simbolo) - s.begin());
  };
  struct Caso {
    const SeletorAcorde* seletor;
    const char* nome;
    std::optional<Escolha> escolha;
  };
  const Caso casos[] = {
      {&ingles, "Cmaj7", Escolha{0, q(si, "maj7"), -1}},
      {&ingles, "C7M", Escolha{0, q(si, "maj7"), -1}},
      {&ingles, "Dbm7(b5)", Escolha{1, q(si, "m7b5"), -1}},
      {&ingles, "c#m/g#", Escolha{1, q(si, "m"), 8}},
      {&ingles, "Gdim", Escolha{7, q(si, "dim7"), -1}},
      {&portugues, "C\xba", Escolha{0, q(sp, "\xb0"), -1}},
      {&portugues, "Cdim7", Escolha{0, q(sp, "\xb0"), -1}},
      {&portugues, "F#m7/5-", Escolha{6, q(sp, "m7(b5)"), -1}},
      {&portugues, "A9", Escolha{9, q(sp, "(9)"), -1}},
      {&ingles, "C13(#11)", std::nullopt},
      {&ingles, "Cmaj", std::nullopt},
      {&ingles, "H7", std::nullopt},
      {&portugues, "", std::nullopt},
  };
  for (const Caso& caso : casos) EXPECT_EQ(caso.seletor->ler(caso.nome), caso.escolha) << caso.nome;
}

}  // namespace
}  // namespace tessara
