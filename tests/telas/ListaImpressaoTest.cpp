#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "NucleoTeste.h"
#include "app/Fachada.h"
#include "instruments/InstrumentoCordas.h"
#include "instruments/XMLInstrumentoParser.h"
#include "telas/ListaImpressao.h"

namespace tessara {
namespace {

using Nomes = std::vector<std::string>;
using Casas = std::vector<int>;

// The print list over the root's objects: English, the shipped English chord base, a user
// ukulele beside the built-in guitar, the guitar current.
class ListaImpressaoTest : public ::testing::Test {
 protected:
  ListaImpressaoTest() {
    std::filesystem::copy_file(std::filesystem::path(TESSARA_BIN_DIR) / "chords-en.bin",
                               ambiente.programa() / "chords-en.bin");
    ambiente.nucleo.parserInstrumentos().salvar(
        ambiente.usuario() / "instrumentos.xml",
        {InstrumentoCordas("Ukulele", "", 4, 12, 4, 24, {67, 60, 64, 69}, false)});
    fachada.setInstrumento(0);
    lista.definirAoMudar([this] { ++mudancas; });
  }

  Nomes nomes() const {
    Nomes todos;
    for (const auto& linha : lista.linhas()) todos.push_back(linha.nome);
    return todos;
  }
  void preencher(const Nomes& acordes, bool repetir = true) {
    for (const auto& nome : acordes) ASSERT_TRUE(lista.adicionarPorNome(nome, repetir)) << nome;
  }
  int indiceUkulele() {
    const auto todos = fachada.getNomesInstrumentos();
    return static_cast<int>(std::find(todos.begin(), todos.end(), "Ukulele") - todos.begin());
  }

  teste::NucleoTeste ambiente;
  Fachada& fachada = ambiente.nucleo.fachada();
  ListaImpressao lista{fachada};
  int mudancas = 0;
};

TEST_F(ListaImpressaoTest, AddingByNameKeepsOrRefusesRepeatsAndLeavesNoChordCurrent) {
  struct Caso {
    bool repetir;
    Nomes esperados;
  };
  const Caso casos[] = {{true, {"C", "G", "C", "Am7", "G"}}, {false, {"C", "G", "Am7"}}};
  for (const auto& caso : casos) {
    lista.limpar();
    preencher({"C", "G", "C", "Am7", "G"}, caso.repetir);
    EXPECT_EQ(nomes(), caso.esperados) << caso.repetir;
    EXPECT_EQ(fachada.getIndiceAcordeAtual(), -1);
  }
  // Each line holds the chord's first fingering, named as the chord base names it.
  EXPECT_EQ(lista.linhas()[0].posicao.getCasas(), (Casas{-1, 3, 2, 0, 1, 0}));
}

TEST_F(ListaImpressaoTest, ARefusedNameAddsNothing) {
  preencher({"C"});
  mudancas = 0;
  EXPECT_FALSE(lista.adicionarPorNome("Hx7", true));
  EXPECT_EQ(nomes(), Nomes{"C"});
  EXPECT_EQ(mudancas, 0);
}

TEST_F(ListaImpressaoTest, AFingeringFromTheFretboardIsFiledUnderTheChordManagersName) {
  const auto propria = fachada.posicaoDasCasas({3, 2, 0, 0, 0, 3});
  lista.adicionar(propria);
  lista.adicionar(propria, false);
  ASSERT_EQ(lista.tamanho(), 2);
  EXPECT_EQ(lista.linhas()[0].nome, fachada.getNomeAcordeAtual());
  EXPECT_EQ(lista.linhas()[1].nome, propria.getNome());
  // The chord manager now holds that fingering under its chord, current.
  EXPECT_EQ(fachada.getPosicaoAcordeAtual()->getCasas(), propria.getCasas());
}

TEST_F(ListaImpressaoTest, ReplacingRemovingAndSelecting) {
  preencher({"C", "G", "Am7", "D"});
  const auto e = fachada.posicaoDasCasas({0, 2, 2, 1, 0, 0});
  EXPECT_TRUE(lista.substituir(1, e));
  EXPECT_FALSE(lista.substituir(4, e));
  EXPECT_EQ(nomes(), (Nomes{"C", "E", "Am7", "D"}));
  EXPECT_EQ(lista.linhas()[1].posicao.getCasas(), e.getCasas());

  lista.selecionar({0, 2, 9});
  EXPECT_EQ(lista.selecionadas(), (std::set<int>{0, 2}));
  lista.removerSelecionadas();
  EXPECT_EQ(nomes(), (Nomes{"E", "D"}));
  EXPECT_TRUE(lista.selecionadas().empty());

  lista.selecionarTudo();
  lista.removerSelecionadas();
  EXPECT_TRUE(lista.vazia());
}

TEST_F(ListaImpressaoTest, ALineBecomesTheChordManagersCurrentFingering) {
  preencher({"C"});
  const auto propria = fachada.posicaoDasCasas({-1, 3, 5, 5, 5, 3});
  lista.adicionar(propria);
  fachada.limparAcorde();
  ASSERT_NE(lista.tornarAtual(1), nullptr);
  EXPECT_EQ(fachada.getNomeAcordeAtual(), "C");
  EXPECT_EQ(fachada.getPosicaoAcordeAtual()->getCasas(), propria.getCasas());
  EXPECT_EQ(lista.tornarAtual(2), nullptr);
}

TEST_F(ListaImpressaoTest, RebuildsForAnInstrumentWithOtherStringsOnlyWhenNeeded) {
  preencher({"C", "G7", "Am"});
  const std::optional<InstrumentoCordas> violao = *fachada.getInstrumentoAtual();

  // The same guitar again: the fingerings stay as they are.
  mudancas = 0;
  lista.regenerar(violao);
  EXPECT_EQ(mudancas, 0);

  fachada.setInstrumento(indiceUkulele());
  lista.regenerar(violao);
  EXPECT_EQ(nomes(), (Nomes{"C", "G7", "Am"}));
  for (const auto& linha : lista.linhas()) {
    EXPECT_EQ(linha.posicao.getCasas().size(), 4u) << linha.nome;
    EXPECT_EQ(linha.posicao.getNome(), linha.nome);
  }
}

TEST_F(ListaImpressaoTest, CopiesForPrintingKeepTheOrderAndOutliveTheList) {
  preencher({"G", "C", "D"});
  const auto copias = lista.copias();
  lista.limpar();
  ASSERT_EQ(copias.size(), 3);
  EXPECT_EQ(copias.getElement(0)->getNome(), "G");
  EXPECT_EQ(copias.getElement(2)->getNome(), "D");
  EXPECT_EQ(copias.getElement(1)->getCasas(), (Casas{-1, 3, 2, 0, 1, 0}));
}

}  // namespace
}  // namespace tessara
