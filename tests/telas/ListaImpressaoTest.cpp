#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "NucleoTeste.h"
#include "PastaTemporaria.h"
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

TEST_F(ListaImpressaoTest, ASongGoesInUnderItsHeadingEachChordOnce) {
  preencher({"G"});
  lista.adicionarCancao({"Wave", "D", 2}, {"D", "A7", "D", "Nonsense!", "A7", "G"});
  EXPECT_EQ(nomes(), (Nomes{"G", "D", "A7", "G"}));
  ASSERT_EQ(lista.musicas().size(), 1u);
  EXPECT_EQ(lista.musicas()[0], (CabecalhoCancao{"Wave", "D", 2}));
  EXPECT_EQ(lista.linhas()[0].musica, -1);
  for (int i = 1; i < 4; ++i) EXPECT_EQ(lista.linhas()[static_cast<size_t>(i)].musica, 0);
  EXPECT_EQ(fachada.getIndiceAcordeAtual(), -1);
  // A sheet without a heading is no song.
  lista.adicionarCancao({}, {"Em", "Em"});
  EXPECT_EQ(lista.linhas().back().musica, -1);
  EXPECT_EQ(lista.musicas().size(), 1u);
}

TEST_F(ListaImpressaoTest, MovingALineKeepsItsFingeringAndSelectsIt) {
  preencher({"C", "G", "Am", "F"});
  struct Caso {
    int de, para;
    Nomes esperados;
  };
  const Caso casos[] = {
      {0, 3, {"G", "Am", "F", "C"}}, {3, 0, {"C", "G", "Am", "F"}}, {2, 1, {"C", "Am", "G", "F"}}};
  for (const auto& caso : casos) {
    ASSERT_TRUE(lista.mover(caso.de, caso.para));
    EXPECT_EQ(nomes(), caso.esperados);
    EXPECT_EQ(lista.selecionadas(), std::set<int>{caso.para});
  }
  EXPECT_EQ(lista.linhas()[1].posicao.getCasas(), (Casas{-1, 0, 2, 2, 1, 0}));
  EXPECT_FALSE(lista.mover(0, 4));
  EXPECT_FALSE(lista.mover(-1, 0));
}

// The list is written after every change and a new list in another run reads it back: names,
// the user's own fingerings, songs and all.
TEST_F(ListaImpressaoTest, KeptInTheUserFolderAcrossRuns) {
  const auto arquivo = ambiente.usuario() / "lista.songbook";
  EXPECT_FALSE(lista.guardarEm(arquivo).lida);
  preencher({"C"});
  lista.adicionar(fachada.posicaoDasCasas({-1, 3, 5, 5, 5, 3}));
  lista.adicionarCancao({"Wave", "D", 2}, {"D", "A7"});
  ASSERT_TRUE(std::filesystem::exists(arquivo));
  EXPECT_TRUE(lista.erroGuarda().empty());

  ListaImpressao outra(fachada);
  const auto abertura = outra.guardarEm(arquivo);
  EXPECT_TRUE(abertura.lida);
  EXPECT_TRUE(abertura.linhasIgnoradas.empty());
  EXPECT_TRUE(abertura.recusados.empty());
  ASSERT_EQ(outra.tamanho(), 4);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(outra.linhas()[i].nome, lista.linhas()[i].nome);
    EXPECT_EQ(outra.linhas()[i].posicao.getCasas(), lista.linhas()[i].posicao.getCasas());
    EXPECT_EQ(outra.linhas()[i].musica, lista.linhas()[i].musica);
  }
  EXPECT_EQ(outra.linhas()[1].posicao.getCasas(), (Casas{-1, 3, 5, 5, 5, 3}));
  EXPECT_EQ(outra.musicas(), lista.musicas());
  EXPECT_FALSE(std::filesystem::exists(arquivo.string() + ".damaged"));
  // Removing goes to the file too.
  outra.selecionarTudo();
  outra.removerSelecionadas();
  EXPECT_EQ(ListaImpressao(fachada).guardarEm(arquivo).lida, true);
  EXPECT_EQ(Cancioneiro::ler(teste::lerArquivo(arquivo)).entradas().size(), 0u);
}

// A damaged file loads what it can; the file as it was stays beside it before it is rewritten.
TEST_F(ListaImpressaoTest, ADamagedKeptListLoadsWhatItCanAndKeepsTheFile) {
  const auto arquivo = ambiente.usuario() / "lista.songbook";
  const std::string danificado =
      "x32010 C\n32\x01garbage\n= Song\nkey: G\n320003 G\nxx0232 NoSuchChord!\n";
  struct Caso {
    const char* descricao;
    std::string conteudo;
    Nomes esperados;
    std::vector<size_t> ignoradas;
    std::vector<std::string> recusados;
  };
  const Caso casos[] = {
      // Frets that fit keep the name they were saved under, known or not.
      {"a line of garbage", danificado, {"C", "G", "NoSuchChord!"}, {2}, {}},
      // Frets for another instrument: the chord is found again by its name.
      {"four-string frets", "2220 D\n0003 C\n", {"D", "C"}, {}, {}},
      {"neither frets nor name serve", "2220 NoSuchChord!\n", {}, {}, {"NoSuchChord!"}},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.descricao);
    std::filesystem::remove(arquivo.string() + ".damaged");
    std::ofstream(arquivo, std::ios::binary) << caso.conteudo;
    ListaImpressao lida(fachada);
    const auto abertura = lida.guardarEm(arquivo);
    Nomes obtidos;
    for (const auto& linha : lida.linhas()) obtidos.push_back(linha.nome);
    EXPECT_EQ(obtidos, caso.esperados);
    EXPECT_EQ(abertura.linhasIgnoradas, caso.ignoradas);
    EXPECT_EQ(abertura.recusados, caso.recusados);
    const bool completa = caso.ignoradas.empty() && caso.recusados.empty();
    EXPECT_EQ(std::filesystem::exists(arquivo.string() + ".damaged"), !completa);
    if (!completa) {
      EXPECT_EQ(teste::lerArquivo(arquivo.string() + ".damaged"), caso.conteudo);
    }
  }
}

TEST_F(ListaImpressaoTest, SavedAndOpenedAsASongbookInPlaceOrAfterTheList) {
  preencher({"C", "G"});
  const auto arquivo = ambiente.usuario() / "meu.songbook";
  std::string erro;
  ASSERT_TRUE(lista.salvar(arquivo, &erro)) << erro;
  lista.limpar();
  preencher({"Am"});
  EXPECT_TRUE(lista.abrir(arquivo, true).lida);
  EXPECT_EQ(nomes(), (Nomes{"Am", "C", "G"}));
  EXPECT_TRUE(lista.abrir(arquivo, false).lida);
  EXPECT_EQ(nomes(), (Nomes{"C", "G"}));
  const auto ausente = lista.abrir(ambiente.usuario() / "none.songbook", false);
  EXPECT_FALSE(ausente.lida);
  EXPECT_EQ(nomes(), (Nomes{"C", "G"}));
  // A folder is no songbook: refused, the list unchanged.
  const auto pasta = lista.abrir(ambiente.usuario(), false);
  EXPECT_FALSE(pasta.lida);
  EXPECT_FALSE(pasta.motivo.empty());
  EXPECT_EQ(nomes(), (Nomes{"C", "G"}));
}

}  // namespace
}  // namespace tessara
