#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "ImpressaoTeste.h"
#include "printing/DiagramaImpressao.h"
#include "printing/GerenciadorImpressao.h"
#include "printing/LayoutImpressao.h"
#include "printing/MarcasDiagrama.h"
#include "printing/MedidasPagina.h"

namespace tessara {
namespace {

using Caixa = MarcasDiagrama::Caixa;

// Chord-book shapes on the guitar: muted strings, barres, neighbouring open strings, and a
// shape up the neck that takes a fret number instead of the nut.
struct Forma {
  const char* nome;
  std::vector<int> casas;
  std::vector<int> dedos;
  std::vector<int> abafadas;
  std::vector<int> soltas;
  std::vector<Pestana> pestanas;
  int casaInicial;
};

const std::vector<Forma>& formas() {
  static const std::vector<Forma> tabela = {
      {"C9", {-1, 3, 2, 3, 3, 0}, {6, 2, 1, 3, 4, 0}, {0}, {5}, {}, 0},
      {"Am7", {-1, 0, 2, 0, 1, 0}, {6, 0, 2, 0, 1, 0}, {0}, {1, 3, 5}, {}, 0},
      {"F", {1, 3, 3, 2, 1, 1}, {1, 3, 4, 2, 1, 1}, {}, {}, {{1, 1, 0, 5}}, 0},
      {"F#7", {2, 4, 2, 3, 2, 2}, {1, 3, 1, 2, 1, 1}, {}, {}, {{1, 2, 0, 5}}, 0},
      {"G", {3, 2, 0, 0, 0, 3}, {2, 1, 0, 0, 0, 3}, {}, {2, 3, 4}, {}, 0},
      {"D/F#", {2, -1, 0, 2, 3, 2}, {1, 6, 0, 2, 4, 3}, {1}, {2}, {}, 0},
      {"E", {0, 2, 2, 1, 0, 0}, {0, 2, 3, 1, 0, 0}, {}, {0, 4, 5}, {}, 0},
      {"Bm", {-1, 2, 4, 4, 3, 2}, {6, 1, 3, 4, 2, 1}, {0}, {}, {{1, 2, 1, 5}}, 0},
      {"Cm", {-1, 3, 5, 5, 4, 3}, {6, 1, 3, 4, 2, 1}, {0}, {}, {{1, 3, 1, 5}}, 3},
      {"A", {5, 7, 7, 6, 5, 5}, {1, 3, 4, 2, 1, 1}, {}, {}, {{1, 5, 0, 5}}, 5},
  };
  return tabela;
}

std::vector<int> cordas(std::span<const MarcasDiagrama::Marca> marcas) {
  std::vector<int> resultado;
  for (const auto& m : marcas) resultado.push_back(m.corda);
  return resultado;
}

// The page's diagram grid at a zoom (0: the printed page).
MarcasDiagrama::Grade grade(int zoom) {
  const auto m = zoom == 0 ? MedidasPagina::paraImpressora({2480, 3508})
                           : MedidasPagina::paraVisualizacao(TamanhoPagina{2480, 3508}, zoom);
  return {100.0, 200.0, 0.2 * m.alturaDiagrama, 0.2 * m.larguraDiagrama, 6};
}

TEST(MarcasDiagrama, FormasDosLivrosDeAcordes) {
  for (const auto& forma : formas()) {
    SCOPED_TRACE(forma.nome);
    const MarcasDiagrama marcas(grade(0), forma.casas, forma.dedos, 12);
    EXPECT_EQ(cordas(marcas.getAbafadas()), forma.abafadas);
    EXPECT_EQ(cordas(marcas.getSoltas()), forma.soltas);
    ASSERT_EQ(marcas.getPestanas().size(), forma.pestanas.size());
    for (size_t i = 0; i < forma.pestanas.size(); ++i) {
      EXPECT_EQ(marcas.getPestanas()[i].pestana, forma.pestanas[i]);
    }
    // Nut or fret number, never both.
    EXPECT_EQ(marcas.getCasaInicial(), forma.casaInicial);
    EXPECT_EQ(marcas.getTrasteZero().has_value(), forma.casaInicial == 0);
    // Every string has exactly one mark: above the grid, a dot, or under a barre.
    std::vector<int> vistas(6, 0);
    for (int c : cordas(marcas.getAbafadas())) ++vistas[c];
    for (int c : cordas(marcas.getSoltas())) ++vistas[c];
    for (int c : cordas(marcas.getPontos())) ++vistas[c];
    for (const auto& b : marcas.getPestanas()) {
      for (int c = b.pestana.primeiraCorda; c <= b.pestana.ultimaCorda; ++c) {
        if (forma.casas[c] == b.pestana.casa) ++vistas[c];
      }
    }
    EXPECT_EQ(vistas, std::vector<int>(6, 1));
  }
}

TEST(MarcasDiagrama, MarcasAcimaDaGradeNuncaSeTocamEmNenhumZoom) {
  for (int zoom : {0, 100, 200, 300}) {
    for (const auto& forma : formas()) {
      SCOPED_TRACE(std::string(forma.nome) + " at zoom " + std::to_string(zoom));
      const auto g = grade(zoom);
      const MarcasDiagrama marcas(g, forma.casas, forma.dedos, 12);
      std::vector<Caixa> acima;
      for (const auto lista : {marcas.getAbafadas(), marcas.getSoltas()}) {
        for (const auto& m : lista) acima.push_back(m.caixa);
      }
      for (size_t i = 0; i < acima.size(); ++i) {
        // Above the grid and clear of the nut.
        EXPECT_LT(acima[i].base, g.topo);
        if (marcas.getTrasteZero()) {
          EXPECT_FALSE(acima[i].sobrepoe(*marcas.getTrasteZero()));
        }
        // Narrower than the spacing, with room for the pen between neighbours.
        EXPECT_LT(acima[i].direita - acima[i].esquerda, 0.7 * g.espacoCordas);
        for (size_t j = i + 1; j < acima.size(); ++j) {
          EXPECT_FALSE(acima[i].sobrepoe(acima[j])) << i << ' ' << j;
        }
      }
      // Dots and barres do not touch each other either.
      std::vector<Caixa> pressionadas;
      for (const auto& p : marcas.getPontos()) pressionadas.push_back(p.caixa);
      for (const auto& b : marcas.getPestanas()) pressionadas.push_back(b.caixa);
      for (size_t i = 0; i < pressionadas.size(); ++i) {
        for (size_t j = i + 1; j < pressionadas.size(); ++j) {
          EXPECT_FALSE(pressionadas[i].sobrepoe(pressionadas[j])) << i << ' ' << j;
        }
      }
    }
  }
}

// The same shapes on the page: one bar per barre carrying its finger once, the x as text, the
// nut as a bar on the grid's top line or the fret number beside the grid.
TEST(MarcasDiagrama, NaPaginaUmaBarraPorPestanaComODedoUmaVez) {
  teste::EspecialistaTeste especialista;
  const auto medidas = MedidasPagina::paraImpressora({2892, 4000});
  const auto instrumento = teste::violao();
  for (const auto& forma : formas()) {
    SCOPED_TRACE(forma.nome);
    teste::SuperficieGravada superficie;
    const auto posicoes = teste::lista({teste::posicao(forma.nome, forma.casas, forma.dedos)});
    const TrabalhoImpressao trabalho{TrabalhoImpressao::DIAGRAMAS, ModoRotulo::DEDOS, posicoes, "",
                                     instrumento};
    LayoutImpressao(superficie, medidas, especialista.especialista)
        .desenhar("Tessara", "", trabalho);
    const size_t nut = forma.casaInicial == 0 ? 1 : 0;
    EXPECT_EQ(superficie.barras.size(), forma.pestanas.size() + nut);
    EXPECT_EQ(superficie.elipses.size(), forma.soltas.size());
    int xs = 0;
    std::vector<std::string> numeros;
    std::vector<std::string> claros;
    for (const auto& t : superficie.textos) {
      if (t.texto == DiagramaImpressao::MARCA_ABAFADA) ++xs;
      if (t.face == "Times New Roman" && t.texto != forma.nome) numeros.push_back(t.texto);
      if (t.claro) claros.push_back(t.texto);
    }
    EXPECT_EQ(xs, static_cast<int>(forma.abafadas.size()));
    const std::vector<std::string> numeroEsperado =
        forma.casaInicial == 0 ? std::vector<std::string>{}
                               : std::vector<std::string>{std::to_string(forma.casaInicial)};
    EXPECT_EQ(numeros, numeroEsperado);
    // One label per barre and per dot: a barre's finger is written once.
    EXPECT_EQ(claros.size(), forma.pestanas.size() + superficie.discos.size());
    for (const auto& p : forma.pestanas) {
      EXPECT_EQ(std::count(claros.begin(), claros.end(), std::to_string(p.dedo)), 1);
    }
  }
}

TEST(MarcasDiagrama, CabecalhoSemEnderecoQuandoOIdiomaNaoTem) {
  // The shipped languages leave the address empty: the heading is the program's name alone.
  for (const char* codigo : {"en", "pt"}) {
    SCOPED_TRACE(codigo);
    teste::EspecialistaTeste especialista;
    especialista.idiomas.carregarIdioma(especialista.idiomas.indiceDoCodigo(codigo));
    teste::FrenteGravada frente;
    const auto instrumento = teste::violao();
    GerenciadorImpressao gerenciador(especialista.idiomas, especialista.especialista,
                                     especialista.interacao, frente,
                                     [&instrumento] { return &instrumento; });
    teste::ImpressoraGravada impressora;
    gerenciador.imprimir(impressora, TrabalhoImpressao::DIAGRAMAS, ModoRotulo::DEDOS, {}, "",
                         instrumento);
    EXPECT_EQ(impressora.superficie.apenasTextos(), std::vector<std::string>{"Tessara"});
  }
  // An address the language file fills in comes as the second line.
  teste::EspecialistaTeste especialista;
  teste::SuperficieGravada superficie;
  const auto instrumento = teste::violao();
  const TrabalhoImpressao trabalho{
      TrabalhoImpressao::DIAGRAMAS, ModoRotulo::DEDOS, {}, "", instrumento};
  LayoutImpressao(superficie, MedidasPagina::paraImpressora({2892, 4000}),
                  especialista.especialista)
      .desenhar("Tessara", "https://example.org", trabalho);
  EXPECT_EQ(superficie.apenasTextos(),
            (std::vector<std::string>{"Tessara", "https://example.org"}));
}

}  // namespace
}  // namespace tessara
