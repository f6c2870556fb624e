#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "ImpressaoTeste.h"
#include "printing/DiagramaImpressao.h"
#include "printing/LayoutImpressao.h"
#include "printing/MarcasDiagrama.h"
#include "printing/MedidasPagina.h"

namespace tessara {
namespace {

using Textos = std::vector<std::string>;
using teste::posicao;

// A page 2892 wide, so that a unit is a device unit: margins 200, diagrams 330 x 420,
// a diagram's grid 84 between frets and 66 between strings.
class LayoutImpressaoTest : public ::testing::Test {
 protected:
  int desenhar(int conteudo, int rotulo, const teste::Posicoes& posicoes,
               const std::string& texto = "") {
    const TrabalhoImpressao trabalho{conteudo, rotulo, posicoes, texto, instrumento};
    return LayoutImpressao(superficie, medidas, especialista.especialista)
        .desenhar("Tessara", "https://tessara.app", trabalho);
  }
  int desenhar(int rotulo, const PosicaoHarmonicaInstrumentoCordas& p) {
    return desenhar(TrabalhoImpressao::DIAGRAMAS, rotulo, teste::lista({p}));
  }

  // What the dots and bars say, then what stands under open strings (the texts after the two
  // heading lines, the muted strings' marks left out).
  Textos rotulos() const {
    Textos resultado;
    for (const auto& t : superficie.textosEm("Arial")) {
      if (t.altura < medidas.alturaFonteUrl && t.texto != DiagramaImpressao::MARCA_ABAFADA) {
        resultado.push_back(t.texto);
      }
    }
    return resultado;
  }
  // The y of the diagram's six fret lines (the horizontal lines).
  std::vector<int> linhasCasas() const {
    std::vector<int> ys;
    for (const auto& l : superficie.linhas) {
      if (l.y1 == l.y2) ys.push_back(l.y1);
    }
    return ys;
  }
  // The ring or dot of the string whose centre lies at that x.
  const teste::SuperficieGravada::Elipse& circuloEm(int x) const {
    for (const auto* marcas : {&superficie.elipses, &superficie.discos}) {
      for (const auto& e : *marcas) {
        if (std::abs(e.centroX() - x) <= 1) return e;
      }
    }
    throw std::runtime_error("no circle there");
  }
  size_t circulos() const { return superficie.elipses.size() + superficie.discos.size(); }
  int xCorda(int corda) const {
    std::vector<int> xs;
    for (const auto& l : superficie.linhas) {
      if (l.x1 == l.x2) xs.push_back(l.x1);
    }
    return xs.at(static_cast<size_t>(corda));
  }
  // Which fret space (1 = the first below the top line, 0 = above the grid) a circle is in.
  int espaco(const teste::SuperficieGravada::Elipse& e) const {
    const auto ys = linhasCasas();
    if (e.base <= ys.front()) return 0;
    for (size_t i = 1; i < ys.size(); ++i) {
      if (e.topo > ys[i - 1] && e.base < ys[i]) return static_cast<int>(i);
    }
    return -1;
  }

  teste::EspecialistaTeste especialista;
  InstrumentoCordas instrumento = teste::violao();
  MedidasPagina medidas = MedidasPagina::paraImpressora({2892, 4000});
  teste::SuperficieGravada superficie;
};

TEST_F(LayoutImpressaoTest, ListaVaziaDaUmaPaginaComAsDuasLinhasDoCabecalho) {
  EXPECT_EQ(desenhar(TrabalhoImpressao::DIAGRAMAS, ModoRotulo::DEDOS, {}), 1);
  ASSERT_EQ(superficie.textos.size(), 2u);
  const auto& titulo = superficie.textos[0];
  const auto& url = superficie.textos[1];
  // Centred; the second line one text height and 20 units below the first.
  EXPECT_EQ(titulo.texto, "Tessara");
  EXPECT_EQ(titulo.altura, 150);
  EXPECT_EQ(titulo.x, 1446 - 7 * 75 / 2);
  EXPECT_EQ(titulo.y, 200);
  EXPECT_EQ(url.texto, "https://tessara.app");
  EXPECT_EQ(url.altura, 100);
  EXPECT_EQ(url.x, 1446 - 19 * 50 / 2);
  EXPECT_EQ(url.y, 200 + 150 + 20);
  EXPECT_TRUE(superficie.linhas.empty());
  EXPECT_TRUE(superficie.elipses.empty());
  EXPECT_EQ(superficie.paginas, 1);
  EXPECT_EQ(superficie.retangulos, 0);
}

// A song's text is headed by its title, the program's name under it in the smaller face; a
// job that prints no text keeps the usual heading.
TEST_F(LayoutImpressaoTest, CabecalhoComOTituloDaCancaoQuandoOTextoImprime) {
  struct Caso {
    int conteudo;
    std::vector<std::pair<std::string, int>> cabecalho;
  };
  const std::string url = "https://tessara.app";
  const Caso casos[] = {
      {TrabalhoImpressao::TEXTO_E_DIAGRAMAS, {{"Wonderwall", 150}, {"Tessara", 100}, {url, 100}}},
      {TrabalhoImpressao::TEXTO, {{"Wonderwall", 150}, {"Tessara", 100}, {url, 100}}},
      {TrabalhoImpressao::DIAGRAMAS, {{"Tessara", 150}, {url, 100}}},
  };
  const auto posicoes = teste::lista({posicao("C", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0})});
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.conteudo);
    superficie = {};
    const TrabalhoImpressao trabalho{caso.conteudo, ModoRotulo::DEDOS, posicoes, "la la",
                                     instrumento,   nullptr,           nullptr,  "Wonderwall"};
    LayoutImpressao(superficie, medidas, especialista.especialista)
        .desenhar("Tessara", url, trabalho);
    ASSERT_GE(superficie.textos.size(), caso.cabecalho.size());
    int y = 0;
    for (size_t i = 0; i < caso.cabecalho.size(); ++i) {
      EXPECT_EQ(superficie.textos[i].texto, caso.cabecalho[i].first);
      EXPECT_EQ(superficie.textos[i].altura, caso.cabecalho[i].second);
      EXPECT_GT(superficie.textos[i].y, y);  // each line under the one before
      y = superficie.textos[i].y;
    }
  }
}

TEST_F(LayoutImpressaoTest, LinhasDeDiagramasEquilibradas) {
  const std::map<int, std::vector<int>> casos = {
      {1, {1}}, {4, {4}}, {5, {3, 2}}, {9, {3, 3, 3}}, {10, {4, 3, 3}}, {13, {4, 3, 3, 3}}};
  for (const auto& [diagramas, linhas] : casos) {
    EXPECT_EQ(LayoutImpressao::diagramasPorLinha(diagramas, 4), linhas) << diagramas;
  }
  EXPECT_TRUE(LayoutImpressao::diagramasPorLinha(0, 4).empty());

  // On the page: the names of ten diagrams stand on three rows of 4, 3 and 3.
  desenhar(TrabalhoImpressao::DIAGRAMAS, ModoRotulo::DEDOS, teste::acordesDeDo(10));
  std::map<int, int> nomesPorY;
  for (const auto& t : superficie.textosEm("Times New Roman")) ++nomesPorY[t.y];
  std::vector<int> contagens;
  for (const auto& [y, n] : nomesPorY) contagens.push_back(n);
  EXPECT_EQ(contagens, (std::vector<int>{4, 3, 3}));
  // Rows are 1.8 diagram heights apart.
  EXPECT_EQ(std::next(nomesPorY.begin())->first - nomesPorY.begin()->first, 756);
}

TEST_F(LayoutImpressaoTest, UmaLinhaDeQuatroCentradaComPassoDeUmVirgulaNove) {
  desenhar(TrabalhoImpressao::DIAGRAMAS, ModoRotulo::DEDOS, teste::acordesDeDo(4));
  std::vector<int> esquerdas;
  for (const auto& l : superficie.linhas) {
    if (l.y1 == l.y2 && (esquerdas.empty() || esquerdas.back() != l.x1)) esquerdas.push_back(l.x1);
  }
  // Centred for 1.8 diagram widths each (4 x 0.9 x 330 each side of 1446), stepping by 1.9.
  EXPECT_EQ(esquerdas, (std::vector<int>{357, 984, 1611, 2238}));
}

TEST_F(LayoutImpressaoTest, CasaInicial) {
  struct Caso {
    std::vector<int> casas;
    int inicial;
  };
  const std::vector<Caso> casos = {{{-1, 3, 2, 0, 1, 0}, 0},   {{-1, 2, 4, 4, 4, 2}, 0},
                                   {{5, 7, 7, 6, 5, 5}, 5},    {{0, 7, 9, 9, 8, 0}, 7},
                                   {{0, 0, 14, 14, 0, 0}, 12}, {{-1, -1, -1, -1, -1, -1}, 0}};
  for (const auto& caso : casos) {
    EXPECT_EQ(MarcasDiagrama::casaInicial(caso.casas, 12), caso.inicial);
  }
}

TEST_F(LayoutImpressaoTest, PestanaNaQuintaCasaLeva5EComecaNoPrimeiroEspaco) {
  desenhar(ModoRotulo::DEDOS, posicao("A", {5, 7, 7, 6, 5, 5}, {1, 3, 4, 2, 1, 1}));
  const auto ys = linhasCasas();
  ASSERT_EQ(ys.size(), 6u);
  const auto nome = superficie.textosEm("Times New Roman");
  ASSERT_EQ(nome.size(), 2u);
  const auto& numero = nome[1];
  EXPECT_EQ(numero.texto, "5");
  // Left of the grid, in the middle of the first fret space; no nut above it.
  EXPECT_LT(numero.x + static_cast<int>(numero.texto.size()) * numero.altura / 2, xCorda(0));
  EXPECT_NEAR(numero.y + numero.altura / 2, (ys[0] + ys[1]) / 2, 2);
  ASSERT_EQ(superficie.barras.size(), 1u);
  const auto& pestana = superficie.barras[0];
  EXPECT_GT(pestana.topo, ys[0]);
  EXPECT_LT(pestana.base, ys[1]);

  const std::vector<int> espacos = {3, 3, 2};  // fret - 4, of the strings off the barre
  for (int corda = 1; corda <= 3; ++corda) {
    EXPECT_EQ(espaco(circuloEm(xCorda(corda))), espacos[static_cast<size_t>(corda - 1)]) << corda;
  }
  EXPECT_EQ(rotulos(), (Textos{"1", "3", "4", "2"}));
}

TEST_F(LayoutImpressaoTest, CasaMaisAltaQuatroNaoLevaRotuloEUsaOsEspacosUmAQuatro) {
  desenhar(ModoRotulo::DEDOS, posicao("B", {-1, 2, 4, 4, 4, 2}, {6, 1, 2, 3, 4, 1}));
  EXPECT_EQ(superficie.apenasTextos("Times New Roman"), Textos{"B"});
  EXPECT_EQ(espaco(circuloEm(xCorda(2))), 4);
  EXPECT_EQ(espaco(circuloEm(xCorda(3))), 4);
  // The barre on the second fret, under the nut.
  ASSERT_EQ(superficie.barras.size(), 2u);
  const auto ys = linhasCasas();
  EXPECT_GT(superficie.barras[1].topo, ys[1]);
  EXPECT_LT(superficie.barras[1].base, ys[2]);
}

TEST_F(LayoutImpressaoTest, CordaSoltaAcimaDaGradeEAbafadaComX) {
  const auto c = posicao("C", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0});
  // Pressed strings in their dots, then the open strings' labels under the grid.
  const std::map<int, Textos> porTipo = {{ModoRotulo::DEDOS, {"3", "2", "1"}},
                                         {ModoRotulo::NOTAS, {"C", "E", "C", "G", "E"}},
                                         {ModoRotulo::INTERVALOS, {"T", "3M", "T", "5", "3M"}}};
  for (const auto& [rotulo, esperados] : porTipo) {
    SCOPED_TRACE(rotulo);
    superficie = teste::SuperficieGravada();
    desenhar(rotulo, c);
    EXPECT_EQ(superficie.elipses.size(), 2u);  // rings over the open strings
    EXPECT_EQ(superficie.discos.size(), 3u);
    EXPECT_EQ(espaco(circuloEm(xCorda(3))), 0);
    EXPECT_EQ(espaco(circuloEm(xCorda(5))), 0);
    EXPECT_EQ(espaco(circuloEm(xCorda(1))), 3);
    EXPECT_EQ(rotulos(), esperados);
    // The muted string's x, as text, above the grid over its string.
    std::vector<teste::SuperficieGravada::Texto> marcas;
    for (const auto& t : superficie.textos) {
      if (t.texto == DiagramaImpressao::MARCA_ABAFADA) marcas.push_back(t);
    }
    ASSERT_EQ(marcas.size(), 1u);
    EXPECT_LT(marcas[0].y + marcas[0].altura, linhasCasas().front());
    EXPECT_NEAR(marcas[0].x + marcas[0].altura / 4, xCorda(0), 2);
    // Labels on the dots are white, those under the grid black.
    for (const auto& t : superficie.textosEm("Arial")) {
      if (t.texto == "G") {
        EXPECT_FALSE(t.claro);
      } else if (t.texto == "T" || t.texto == "3") {
        EXPECT_TRUE(t.claro);
      }
    }
  }
}

TEST_F(LayoutImpressaoTest, NotasEscritasPeloAcorde) {
  // Gb: its third is Bb, its fifth Db, never A# or C#.
  desenhar(ModoRotulo::NOTAS, posicao("Gb", {2, 4, 4, 3, 2, 2}, {1, 3, 4, 2, 1, 1}));
  // The barre's strings first, each its own note, then the dots.
  EXPECT_EQ(rotulos(), (Textos{"Gb", "Db", "Gb", "Db", "Gb", "Bb"}));
}

TEST_F(LayoutImpressaoTest, CasaSemDedoAtribuidoFicaNoSeuEspaco) {
  // A fingering clicked on the fretboard has no fingers: its notes still sit on their frets.
  desenhar(ModoRotulo::DEDOS, posicao("C", {-1, 3, 2, 0, 1, 0}, {6, 0, 0, 0, 0, 0}));
  EXPECT_EQ(espaco(circuloEm(xCorda(1))), 3);
  EXPECT_EQ(espaco(circuloEm(xCorda(2))), 2);
  EXPECT_EQ(espaco(circuloEm(xCorda(4))), 1);
  EXPECT_EQ(espaco(circuloEm(xCorda(3))), 0);
  EXPECT_TRUE(rotulos().empty());
}

TEST_F(LayoutImpressaoTest, IntervalosMedidosDaTonica) {
  struct Caso {
    const char* descricao;
    PosicaoHarmonicaInstrumentoCordas posicao;
    std::optional<std::pair<int, int>> tonica;
    Textos rotulos;
  };
  const std::vector<Caso> casos = {
      {"the root marker wins over the name",
       posicao("Am", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0}),
       std::pair{1, 3},
       {"T", "3M", "T", "5", "3M"}},
      {"no string sounds the root: measured from the name's root",
       posicao("C7M", {-1, -1, 2, 0, 0, 0}, {6, 6, 2, 0, 0, 0}),
       std::nullopt,
       {"3M", "5", "7M", "3M"}},
      {"a name the parser refuses: circles without labels",
       posicao("H7", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0}),
       std::nullopt,
       {}},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.descricao);
    superficie = teste::SuperficieGravada();
    auto p = caso.posicao;
    if (caso.tonica) p.setTonica(caso.tonica->first, caso.tonica->second);
    desenhar(ModoRotulo::INTERVALOS, p);
    EXPECT_EQ(rotulos(), caso.rotulos);
    EXPECT_EQ(circulos(), caso.rotulos.empty() ? 5u : caso.rotulos.size());
  }
}

TEST_F(LayoutImpressaoTest, NomeRecusadoNaoInterrompeOTrabalho) {
  const auto recusado = posicao("H7", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0});
  const auto c = posicao("C", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0});
  desenhar(TrabalhoImpressao::DIAGRAMAS, ModoRotulo::INTERVALOS,
           teste::lista({recusado, c, recusado}));
  EXPECT_EQ(superficie.apenasTextos("Times New Roman"), (Textos{"H7", "C", "H7"}));
  EXPECT_EQ(circulos(), 15u);
  EXPECT_EQ(rotulos(), (Textos{"T", "3M", "T", "5", "3M"}));
}

TEST_F(LayoutImpressaoTest, LinhasDoTexto) {
  const std::map<std::string, Textos> casos = {
      {"a\n\nb", {"a", " ", "b"}},
      {"a\r\n\r\nb\r\n", {"a", " ", "b"}},
      {"a\rb", {"a", "b"}},
      {"a\tb", {"a  b"}},
      {"\n\na\n", {" ", "a"}},
      {"a\n\n\n", {"a", " ", " "}},
      {"", {}},
  };
  for (const auto& [texto, linhas] : casos) {
    EXPECT_EQ(LayoutImpressao::linhasTexto(texto), linhas) << texto;
  }
}

TEST_F(LayoutImpressaoTest, TextoEmCourierComUmaLinhaEmBrancoMantida) {
  desenhar(TrabalhoImpressao::TEXTO, ModoRotulo::DEDOS, teste::acordesDeDo(2), "a\n\nb\tc");
  const auto linhas = superficie.textosEm("Courier New");
  ASSERT_EQ(linhas.size(), 3u);
  const Textos esperadas = {"a", " ", "b  c"};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(linhas[i].texto, esperadas[i]);
    EXPECT_EQ(linhas[i].x, 200);
    EXPECT_EQ(linhas[i].altura, 65);
    // Below the heading and a gap of 120; one text height and 20 units apart.
    EXPECT_EQ(linhas[i].y, 370 + 100 + 20 + 120 + 85 * static_cast<int>(i));
  }
  // Text only: the fingerings are not drawn.
  EXPECT_EQ(circulos(), 0u);
}

// A line far wider than the page is drawn only as far as it can show: a line of megabytes
// would otherwise be laid out whole.
TEST_F(LayoutImpressaoTest, LinhaLongaSoAteOndeSeVe) {
  std::string longa;
  for (int i = 0; longa.size() < 1000000; ++i) longa += std::to_string(i) + ' ';
  desenhar(TrabalhoImpressao::TEXTO, ModoRotulo::DEDOS, {}, "a\n" + longa + "\nb");
  const auto linhas = superficie.textosEm("Courier New");
  ASSERT_EQ(linhas.size(), 3u);
  const std::string& desenhada = linhas[1].texto;
  EXPECT_EQ(desenhada, longa.substr(0, desenhada.size()));
  EXPECT_GE(static_cast<int>(desenhada.size()) * linhas[1].altura / 2, medidas.largura);
  EXPECT_LT(desenhada.size(), 10000u);
  EXPECT_EQ(linhas[2].texto, "b");
}

TEST_F(LayoutImpressaoTest, ConteudoEscolheTextoDiagramasOuAmbos) {
  const std::string texto = "Am  C\nline";
  struct Caso {
    int conteudo;
    size_t linhasTexto;
    size_t diagramas;
  };
  for (const auto& caso :
       {Caso{TrabalhoImpressao::TEXTO_E_DIAGRAMAS, 2, 3}, Caso{TrabalhoImpressao::DIAGRAMAS, 0, 3},
        Caso{TrabalhoImpressao::TEXTO, 2, 0}}) {
    SCOPED_TRACE(caso.conteudo);
    superficie = teste::SuperficieGravada();
    desenhar(caso.conteudo, ModoRotulo::DEDOS, teste::acordesDeDo(3), texto);
    const auto linhas = superficie.textosEm("Courier New");
    const auto nomes = superficie.textosEm("Times New Roman");
    EXPECT_EQ(linhas.size(), caso.linhasTexto);
    EXPECT_EQ(nomes.size(), caso.diagramas);
    // The text comes first, the diagrams after a gap.
    if (!linhas.empty() && !nomes.empty()) {
      EXPECT_GE(nomes.front().y, linhas.back().y + 85 + 120);
    }
  }
}

TEST_F(LayoutImpressaoTest, TextoLongoContinuaNaPaginaSeguinteSemCabecalho) {
  std::string texto;
  for (int i = 0; i < 80; ++i) texto += "line " + std::to_string(i) + "\n";
  // 37 lines fit below the heading, 42 on a page of their own.
  EXPECT_EQ(desenhar(TrabalhoImpressao::TEXTO, ModoRotulo::DEDOS, {}, texto), 3);
  EXPECT_EQ(superficie.paginas, 3);
  const auto linhas = superficie.textosEm("Courier New");
  ASSERT_EQ(linhas.size(), 80u);
  EXPECT_EQ(linhas[36].pagina, 1);
  EXPECT_EQ(linhas[37].pagina, 2);
  EXPECT_EQ(linhas[37].y, 200);
  EXPECT_EQ(linhas[79].pagina, 3);
  for (const auto& linha : linhas) EXPECT_LE(linha.y + 65, 4000 - 200);
  EXPECT_EQ(superficie.textosEm("Arial").size(), 2u);  // the heading, once
}

TEST_F(LayoutImpressaoTest, LinhasDeDiagramasContinuamNaPaginaSeguinte) {
  // Nine rows of four: four rows fit on a page.
  EXPECT_EQ(desenhar(TrabalhoImpressao::DIAGRAMAS, ModoRotulo::DEDOS, teste::acordesDeDo(36)), 3);
  std::map<int, std::set<int>> linhasPorPagina;
  for (const auto& t : superficie.textosEm("Times New Roman")) {
    linhasPorPagina[t.pagina].insert(t.y);
  }
  ASSERT_EQ(linhasPorPagina.size(), 3u);
  EXPECT_EQ(linhasPorPagina[1].size(), 4u);
  EXPECT_EQ(linhasPorPagina[2].size(), 4u);
  EXPECT_EQ(linhasPorPagina[3].size(), 1u);
  EXPECT_EQ(*linhasPorPagina[2].begin(), 200 + 84 / 3);
  for (const auto& l : superficie.linhas) EXPECT_LE(std::max(l.y1, l.y2), 4000 - 200);
}

TEST_F(LayoutImpressaoTest, CanetasDaImpressao) {
  desenhar(ModoRotulo::DEDOS, posicao("C", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0}));
  std::vector<int> cordas;
  for (const auto& l : superficie.linhas) {
    if (l.y1 == l.y2) {
      EXPECT_EQ(l.caneta, 2);
    } else {
      cordas.push_back(l.caneta);
    }
  }
  EXPECT_EQ(cordas, (std::vector<int>{7, 5, 4, 3, 3, 2}));
  for (const auto& e : superficie.elipses) EXPECT_EQ(e.caneta, 2);
}

TEST(MedidasPagina, VisualizacaoSegueOZoomNasProporcoesDaPagina) {
  struct Caso {
    std::optional<TamanhoPagina> impressora;
    int zoom;
    int largura, altura, caneta, afastamento;
  };
  const std::vector<Caso> casos = {
      {TamanhoPagina{2480, 3508}, 100, 360, 509, 2, 10},
      {TamanhoPagina{2480, 3508}, 200, 720, 1018, 4, 20},
      {TamanhoPagina{2480, 3508}, 300, 1080, 1528, 6, 30},
      {TamanhoPagina{4960, 7016}, 100, 360, 509, 2, 10},
      {std::nullopt, 100, 360, 471, 2, 10},
      {std::nullopt, 300, 1080, 1413, 6, 30},
  };
  for (const auto& caso : casos) {
    const auto m = MedidasPagina::paraVisualizacao(caso.impressora, caso.zoom);
    EXPECT_EQ(m.largura, caso.largura);
    EXPECT_EQ(m.altura, caso.altura);
    EXPECT_EQ(m.larguraCaneta, caso.caneta);
    EXPECT_EQ(m.afastamento, caso.afastamento);
  }
  const auto m = MedidasPagina::paraVisualizacao(TamanhoPagina{2480, 3508}, 100);
  EXPECT_EQ(m.margemEsquerda, 24);  // 200 x 360 div 2892
  EXPECT_EQ(m.larguraDiagrama, 41);
  EXPECT_EQ(m.alturaDiagrama, 52);
  EXPECT_EQ(m.alturaFonteTexto, 8);
}

TEST(MedidasPagina, ImpressaoUsaAPaginaDaImpressora) {
  const auto m = MedidasPagina::paraImpressora({2480, 3508});
  EXPECT_EQ(m.largura, 2480);
  EXPECT_EQ(m.altura, 3508);
  EXPECT_EQ(m.larguraCaneta, 2);
  EXPECT_EQ(m.afastamento, 10);
  EXPECT_EQ(m.margemSuperior, 171);
  EXPECT_EQ(m.alturaFonteTitulo, 128);
}

}  // namespace
}  // namespace tessara

namespace tessara {
namespace {

using Grupo = TrabalhoImpressao::Grupo;

TEST(TrechosImpressaoTest, SongsAndTheDiagramsBetweenThemCoverTheJobOnce) {
  struct Caso {
    const char* descricao;
    std::vector<Grupo> grupos;
    std::vector<Grupo> esperados;
  };
  const Caso casos[] = {
      {"no songs", {}, {{"", "", 0, 5}}},
      {"songs with chords between and after",
       {{"A", "Key D", 0, 2}, {"B", "", 3, 1}},
       {{"A", "Key D", 0, 2}, {"", "", 2, 1}, {"B", "", 3, 1}, {"", "", 4, 1}}},
      {"a song past the end and one overlapping the one before",
       {{"A", "", 1, 3}, {"B", "", 2, 2}, {"C", "", 4, 9}},
       {{"", "", 0, 1}, {"A", "", 1, 3}, {"C", "", 4, 1}}},
  };
  const InstrumentoCordas instrumento = teste::violao();
  const auto posicoes = teste::acordesDeDo(5);
  const std::string texto;
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.descricao);
    const TrabalhoImpressao trabalho{
        TrabalhoImpressao::DIAGRAMAS, 0, posicoes, texto, instrumento, &caso.grupos};
    EXPECT_EQ(LayoutImpressao::trechos(trabalho), caso.esperados);
  }
}

// The print list's songs: headed by title, key and capo over their diagrams, or printed as a
// songbook with a page for each song after a title page with the contents.
class CancioneiroImpressaoTest : public ::testing::Test {
 protected:
  int desenhar(int conteudo) {
    const TrabalhoImpressao trabalho{conteudo, 0, posicoes, texto, instrumento, &grupos, &textos};
    return LayoutImpressao(superficie, medidas, especialista.especialista)
        .desenhar("Tessara", "https://tessara.app", trabalho);
  }
  // The page each of those texts is written on; -1 for one not written.
  std::vector<int> paginasDe(const std::vector<std::string>& procurados) const {
    std::vector<int> paginas;
    for (const auto& procurado : procurados) {
      int pagina = -1;
      for (const auto& t : superficie.textos) {
        if (t.texto == procurado) pagina = t.pagina;
      }
      paginas.push_back(pagina);
    }
    return paginas;
  }

  teste::EspecialistaTeste especialista;
  InstrumentoCordas instrumento = teste::violao();
  MedidasPagina medidas = MedidasPagina::paraImpressora({2892, 4000});
  teste::SuperficieGravada superficie;
  teste::Posicoes posicoes =
      teste::lista({teste::posicao("D", {-1, -1, 0, 2, 3, 2}, {6, 6, 0, 1, 3, 2}),
                    teste::posicao("A7", {-1, 0, 2, 0, 2, 0}, {6, 0, 2, 0, 3, 0}),
                    teste::posicao("Am", {-1, 0, 2, 2, 1, 0}, {6, 0, 2, 3, 1, 0}),
                    teste::posicao("C", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0})});
  std::string texto;
  std::vector<Grupo> grupos{{"Wave", "Key D, Capo 2", 0, 2}, {"Blue", "", 2, 1}};
  TrabalhoImpressao::TextosCancioneiro textos{"Songbook", "Contents", "Other chords"};
};

TEST_F(CancioneiroImpressaoTest, ASongsHeadingStandsOverItsDiagramsInTheList) {
  EXPECT_EQ(desenhar(TrabalhoImpressao::DIAGRAMAS), 1);
  auto y = [&](const std::string& procurado) {
    for (const auto& t : superficie.textos) {
      if (t.texto == procurado) return t.y;
    }
    return -1;
  };
  ASSERT_GE(y("Wave   Key D, Capo 2"), 0);
  ASSERT_GE(y("Blue"), 0);
  // Each heading above its own diagrams and below the ones before.
  EXPECT_LT(y("Wave   Key D, Capo 2"), y("D"));
  EXPECT_LT(y("A7"), y("Blue"));
  EXPECT_LT(y("Blue"), y("Am"));
  // The chord after the songs goes on a row of its own, without a heading.
  EXPECT_GT(y("C"), y("Am"));
  EXPECT_EQ(superficie.textosEm("Arial").front().texto, "Tessara");
}

TEST_F(CancioneiroImpressaoTest, ASongbookHasATitlePageAndAPageForEachSong) {
  EXPECT_EQ(desenhar(TrabalhoImpressao::CANCIONEIRO), 4);
  EXPECT_EQ(paginasDe({"Songbook", "Contents", "1.  Wave   (Key D, Capo 2)", "2.  Blue",
                       "3.  Other chords"}),
            (std::vector<int>{1, 1, 1, 1, 1}));
  EXPECT_EQ(paginasDe({"Wave", "Key D, Capo 2", "D", "A7", "Blue", "Am", "Other chords", "C"}),
            (std::vector<int>{2, 2, 2, 2, 3, 3, 4, 4}));
  EXPECT_EQ(paginasDe({"Tessara"}), std::vector<int>{-1});
}

TEST_F(CancioneiroImpressaoTest, ASongsSheetFollowsItsDiagramsOnItsPagesOnly) {
  std::string longa;
  for (int i = 0; i < 120; ++i) longa += "  A7      D\nverse " + std::to_string(i) + "\n";
  grupos = {{"Wave", "Key D", 0, 2, "  D      A7\nVou te contar\n"}, {"Blue", "", 2, 2, longa}};
  const int paginas = desenhar(TrabalhoImpressao::CANCIONEIRO);
  // The title page, Wave's page, and Blue's sheet running over more than one page.
  EXPECT_GT(paginas, 3);
  EXPECT_EQ(paginasDe({"Vou te contar", "Blue", "verse 0", "verse 119"}),
            (std::vector<int>{2, 3, 3, paginas}));
  const auto courier = superficie.textosEm("Courier New");
  const auto linha = [&](const std::string& procurado) {
    return *std::find_if(courier.begin(), courier.end(),
                         [&](const auto& t) { return t.texto == procurado; });
  };
  // Below the diagrams, chords kept over their syllables by the fixed-width face.
  for (const auto& t : superficie.textosEm("Arial")) {
    if (t.pagina == 2) {
      EXPECT_LT(t.y, linha("Vou te contar").y) << t.texto;
    }
  }
  EXPECT_EQ(linha("  D      A7").x, linha("Vou te contar").x);
}

TEST_F(CancioneiroImpressaoTest, OneSongNeedsNoTitlePage) {
  grupos = {{"Wave", "Key D", 0, 4}};
  EXPECT_EQ(desenhar(TrabalhoImpressao::CANCIONEIRO), 1);
  EXPECT_EQ(paginasDe({"Wave", "Key D", "C", "Songbook"}), (std::vector<int>{1, 1, 1, -1}));
}

}  // namespace
}  // namespace tessara
