#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "ExecucaoCli.h"
#include "PastaTemporaria.h"
#include "Processo.h"
#include "TesteCli.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;
using Argumentos = std::vector<std::string>;

// Pages of a PDF file: its page objects.
int paginasPdf(const std::string& pdf) {
  const std::string marca = "/Type /Page";
  int paginas = 0;
  for (size_t i = pdf.find(marca); i != std::string::npos; i = pdf.find(marca, i + 1)) {
    if (i + marca.size() < pdf.size() && pdf[i + marca.size()] != 's') ++paginas;
  }
  return paginas;
}

struct TamanhoPng {
  int largura = 0;
  int altura = 0;
};

// Width and height from the PNG header.
TamanhoPng tamanhoPng(const std::string& png) {
  if (png.size() < 24 || png.compare(1, 3, "PNG") != 0) return {};
  const auto numero = [&png](size_t i) {
    int n = 0;
    for (size_t k = i; k < i + 4; ++k) n = n * 256 + static_cast<unsigned char>(png[k]);
    return n;
  };
  return {numero(16), numero(20)};
}

std::string folha(int linhas) {
  std::string texto = "Intro: C  G\n\n";
  for (int i = 0; i < linhas; ++i) texto += "la la la " + std::to_string(i) + "\n";
  return texto;
}

const Argumentos kDezAcordes = {"x32010", "320003", "x02210", "133211", "xx0231",
                                "020100", "x02020", "xx0212", "x21202", "x32310"};

class CliImpressao : public teste::TesteCli {
 protected:
  CliImpressao() { idioma = "en"; }

  void SetUp() override {
    const auto r = cli({"print", "--pdf", (arquivos / "sonda.pdf").string(), "x32010"});
    if (r.erros.find("without Qt") != std::string::npos) GTEST_SKIP() << "built without Qt";
  }

  Argumentos comAcordes(Argumentos argumentos, const Argumentos& acordes = kDezAcordes) {
    argumentos.insert(argumentos.end(), acordes.begin(), acordes.end());
    return argumentos;
  }

  teste::PastaTemporaria arquivos;
};

TEST_F(CliImpressao, DezDiagramasNumaPaginaPdf) {
  const auto pdf = arquivos / "acordes.pdf";
  const auto r = cli(comAcordes({"print", "--pdf", pdf.string()}));
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, pdf.string() + "\n");
  EXPECT_EQ(r.erros, "");
  const std::string conteudo = teste::lerArquivo(pdf);
  EXPECT_EQ(conteudo.substr(0, 5), "%PDF-");
  EXPECT_EQ(paginasPdf(conteudo), 1);
}

TEST_F(CliImpressao, AcordesPorNomeComAPrimeiraPosicaoNoInstrumento) {
  const auto pdf = arquivos / "nomes.pdf";
  auto r = cli(
      {"print", "--pdf", pdf.string(), "C", "G", "Am", "F", "Dm", "E7", "A7", "D7", "B7", "C7"});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(paginasPdf(teste::lerArquivo(pdf)), 1);

  // The chords of a sheet, each once, after its text.
  const auto arquivoFolha = arquivos.escrever("folha.txt", "Am   C   Am\nla la la\n");
  const auto png = arquivos / "folha";
  r = cli({"print", "--png", png.string(), "--text", arquivoFolha.string()});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, (png / "page-1.png").string() + "\n");

  r = cli({"--instrument", "cavaquinho", "print", "--pdf", pdf.string(), "D", "0000"});
  EXPECT_EQ(r.status, 0) << r.erros;

  fs::remove(pdf);
  r = cli({"print", "--pdf", pdf.string(), "C", "Hmaj", "G"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.erros.find("'Hmaj' is not a chord name"), std::string::npos) << r.erros;
  EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(CliImpressao, FolhaLongaGanhaOutraPagina) {
  struct Caso {
    int linhas;
    Argumentos extras;
    int paginasMinimas, paginasMaximas;
  };
  const std::vector<Caso> casos = {{5, {"--content", "text"}, 1, 1},
                                   {120, {"--content", "text"}, 3, 4},
                                   {5, {"x32010", "320003"}, 1, 1},
                                   {30, kDezAcordes, 2, 2},
                                   {70, {}, 2, 3}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(std::to_string(caso.linhas) + " lines");
    const auto arquivoFolha = arquivos.escrever("folha.txt", folha(caso.linhas));
    const auto pdf = arquivos / "folha.pdf";
    Argumentos argumentos = {"print", "--pdf", pdf.string(), "--text", arquivoFolha.string()};
    const auto r = cli(comAcordes(argumentos, caso.extras));
    ASSERT_EQ(r.status, 0) << r.erros;
    const int paginas = paginasPdf(teste::lerArquivo(pdf));
    EXPECT_GE(paginas, caso.paginasMinimas);
    EXPECT_LE(paginas, caso.paginasMaximas);
  }
}

TEST_F(CliImpressao, CancioneiroUmaPaginaPorMusicaDepoisDoSumario) {
  const auto cancioneiro = arquivos.escrever(
      "livro.songbook", "= Wave\nkey: D\nxx0222 D7M\n= Blue\nx32010 C\nnot a line\n");
  const auto pdf = arquivos / "livro.pdf";
  auto r = cli({"print", "--pdf", pdf.string(), "--songbook", cancioneiro.string()});
  ASSERT_EQ(r.status, 0) << r.erros;
  // The line left out is named; the rest prints: the contents, then a page for each song.
  EXPECT_NE(r.erros.find("livro.songbook:6: not a songbook line"), std::string::npos) << r.erros;
  EXPECT_EQ(paginasPdf(teste::lerArquivo(pdf)), 3);
  // As diagrams the songs share a page under their headings.
  r = cli({"print", "--pdf", pdf.string(), "--content", "diagrams", "--songbook",
           cancioneiro.string()});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(paginasPdf(teste::lerArquivo(pdf)), 1);
  r = cli({"print", "--pdf", pdf.string(), "--songbook", (arquivos / "none.songbook").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.erros.find("none.songbook"), std::string::npos) << r.erros;
}

TEST_F(CliImpressao, PaginasDaVisualizacaoComALarguraDoZoom) {
  struct Caso {
    std::string zoom;
    int largura;
  };
  for (const auto& caso : {Caso{"100", 360}, Caso{"200", 720}, Caso{"300", 1080}}) {
    SCOPED_TRACE(caso.zoom);
    const auto pasta = arquivos / ("zoom" + caso.zoom);
    const auto r = cli(comAcordes(
        {"print", "--png", pasta.string(), "--zoom", caso.zoom, "--labels", "intervals"}));
    ASSERT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(r.saida, (pasta / "page-1.png").string() + "\n");
    const auto png = tamanhoPng(teste::lerArquivo(pasta / "page-1.png"));
    EXPECT_EQ(png.largura, caso.largura);
    EXPECT_NEAR(png.altura, caso.largura * 297.0 / 210.0, 1.5);  // an A4 page
  }
  // Without a zoom: 100. A job of several pages writes one picture per page.
  const auto folhaLonga = arquivos.escrever("longa.txt", folha(120));
  const auto r = cli({"print", "--png", (arquivos / "longa").string(), "--text",
                      folhaLonga.string(), "--content", "text"});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(tamanhoPng(teste::lerArquivo(arquivos / "longa" / "page-3.png")).largura, 360);
}

// One SVG document per page, FILE then FILE-2 ..., each with its text as text elements: the
// diagrams' names and the x over a muted string can be searched and selected.
TEST_F(CliImpressao, SvgUmArquivoPorPaginaComTextoComoTexto) {
  const auto arquivoFolha = arquivos.escrever("folha.txt", folha(120));
  const auto svg = arquivos / "acordes.svg";
  const auto r =
      cli({"print", "--svg", svg.string(), "--text", arquivoFolha.string(), "C", "F", "Am7"});
  ASSERT_EQ(r.status, 0) << r.erros;
  std::vector<std::string> linhas;
  std::stringstream saida(r.saida);
  for (std::string linha; std::getline(saida, linha);) linhas.push_back(linha);
  ASSERT_GE(linhas.size(), 3u);
  for (size_t i = 0; i < linhas.size(); ++i) {
    const auto esperado = i == 0 ? svg : arquivos / ("acordes-" + std::to_string(i + 1) + ".svg");
    EXPECT_EQ(linhas[i], esperado.string());
    const std::string conteudo = teste::lerArquivo(esperado);
    EXPECT_EQ(conteudo.substr(0, 5), "<?xml");
    EXPECT_NE(conteudo.find("<svg"), std::string::npos);
    EXPECT_NE(conteudo.find("<text"), std::string::npos);
  }
  EXPECT_FALSE(fs::exists(arquivos / ("acordes-" + std::to_string(linhas.size() + 1) + ".svg")));
  // The diagrams come last: their names and the x over C's and Am7's muted string.
  const std::string ultima = teste::lerArquivo(linhas.back());
  for (const char* texto : {">C</text>", ">F</text>", ">Am7</text>", ">\u00d7</text>"}) {
    EXPECT_NE(ultima.find(texto), std::string::npos) << texto;
  }

  const auto semPasta = arquivos / "no" / "such" / "folder" / "x.svg";
  const auto erro = cli({"print", "--svg", semPasta.string(), "x32010"});
  EXPECT_EQ(erro.status, 1);
  EXPECT_NE(erro.erros.find("cannot write"), std::string::npos) << erro.erros;
}

// A song's sheet is headed by its title, from its title directive or its first line, over
// the program's name; a sheet whose first line is chords has no title.
TEST_F(CliImpressao, CabecalhoDaFolhaComOTituloDaCancao) {
  const std::pair<const char*, const char*> casos[] = {
      {"{title: Wonderwall}\n[Em7]Today is [G]gonna be\n", "Wonderwall"},
      {"Wonderwall - Oasis\n\nEm7  G\nToday is gonna be\n", "Wonderwall - Oasis"},
      {"Em7  G\nToday is gonna be\n", nullptr},
  };
  for (const auto& [texto, titulo] : casos) {
    SCOPED_TRACE(texto);
    const auto arquivoFolha = arquivos.escrever("cancao.txt", texto);
    const auto svg = arquivos / "cancao.svg";
    const auto r = cli({"print", "--svg", svg.string(), "--text", arquivoFolha.string(), "Em7"});
    ASSERT_EQ(r.status, 0) << r.erros;
    const std::string pagina = teste::lerArquivo(svg);
    const size_t nome = pagina.find(">Tessara</text>");
    ASSERT_NE(nome, std::string::npos);
    if (titulo == nullptr) continue;
    const size_t cabecalho = pagina.find(std::string(">") + titulo + "</text>");
    ASSERT_NE(cabecalho, std::string::npos);
    EXPECT_LT(cabecalho, nome);  // the title first, the program's name under it
  }
}

TEST_F(CliImpressao, ArgumentosRecusados) {
  const std::string pdf = (arquivos / "x.pdf").string();
  const std::vector<Argumentos> casos = {
      {"print", "x32010"},
      {"print", "--pdf", pdf, "--png", arquivos.caminho().string(), "x32010"},
      {"print", "--pdf", pdf, "--svg", (arquivos / "x.svg").string(), "x32010"},
      {"print", "--pdf", pdf, "--zoom", "200", "x32010"},
      {"print", "--png", arquivos.caminho().string(), "--zoom", "150", "x32010"},
      {"print", "--pdf", pdf, "--labels", "frets", "x32010"},
      {"print", "--pdf", pdf, "--content", "all", "x32010"},
      {"print", "--pdf"},
  };
  for (const auto& argumentos : casos) {
    const auto r = cli(argumentos);
    EXPECT_EQ(r.status, 2) << argumentos.back();
    EXPECT_NE(r.erros.find("usage:"), std::string::npos);
  }
  EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(CliImpressao, ErrosNaoEscrevemNada) {
  const auto pdf = arquivos / "x.pdf";
  struct Caso {
    Argumentos argumentos;
    std::string erro;
  };
  const std::vector<Caso> casos = {
      {{"print", "--pdf", pdf.string(), "x3201"}, "the instrument has 6"},
      {{"print", "--pdf", pdf.string(), "x32010", "x,3,2,0,1,13"}, "past the instrument's last"},
      {{"print", "--pdf", pdf.string(), "--text", (arquivos / "none.txt").string()},
       "cannot read the chord sheet " + (arquivos / "none.txt").string() +
           ": No such file or directory"},
      {{"print", "--pdf", pdf.string(), "--text", arquivos.caminho().string()},
       "cannot read the chord sheet " + arquivos.caminho().string() + ": not a regular file"},
  };
  for (const auto& caso : casos) {
    const auto r = cli(caso.argumentos);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.erros.find(caso.erro), std::string::npos) << r.erros;
    EXPECT_FALSE(fs::exists(pdf));
  }
  const auto semPasta = arquivos / "no" / "such" / "folder" / "x.pdf";
  const auto r = cli({"print", "--pdf", semPasta.string(), "x32010"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.erros.find("cannot write"), std::string::npos) << r.erros;
}

}  // namespace
}  // namespace tessara
