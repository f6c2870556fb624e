#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "CoresBraco.h"
#include "ExecucaoCli.h"
#include "PastaTemporaria.h"
#include "Processo.h"
#include "TesteCli.h"
#include "foundations/Texto.h"
#include "telas/GeometriaBraco.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;

using Cor = teste::CorPonto;
using teste::corEm;
using teste::nomeCor;

struct Ponto {
  int corda;
  int casa;
  Cor cor;
};

std::vector<int> numeros(const std::string& lista) {
  std::vector<int> valores;
  std::stringstream partes(lista);
  for (std::string parte; std::getline(partes, parte, ',');) {
    valores.push_back(texto::inteiro(parte).value_or(-99));
  }
  return valores;
}

class CliBracoTest : public teste::TesteCli {
 protected:
  // The dots of a scale's cheapest display, as the scale command lists it: all blue.
  std::vector<Ponto> pontosDaEscala(const std::string& escala, const std::string& tonica,
                                    int classeTonica) {
    const auto r =
        cli({"--lang", "en", "scale", escala, tonica, "--limit", "1", "--format", "tsv"});
    EXPECT_EQ(r.status, 0) << r.erros;
    std::vector<std::string> colunas;
    std::stringstream linha(r.saida.substr(0, r.saida.find('\n')));
    for (std::string c; std::getline(linha, c, '\t');) colunas.push_back(c);
    std::vector<Ponto> pontos;
    if (colunas.size() < 4) return pontos;
    const auto casas = numeros(colunas[2]);
    const auto cordas = numeros(colunas[3]);
    // The key's roots red, on the standard guitar's strings.
    const int afinacao[] = {40, 45, 50, 55, 59, 64};
    for (size_t k = 0; k < casas.size() && k < cordas.size(); ++k) {
      const int nota = afinacao[cordas[k]] + casas[k];
      pontos.push_back(
          {cordas[k], casas[k], nota % 12 == classeTonica ? Cor::Vermelho : Cor::Azul});
    }
    return pontos;
  }

  teste::PastaTemporaria arquivos;
};

// C as x32010: the root on the A string.
const std::vector<Ponto> kDoMaior = {{1, 3, Cor::Vermelho},
                                     {2, 2, Cor::Azul},
                                     {3, 0, Cor::Azul},
                                     {4, 1, Cor::Azul},
                                     {5, 0, Cor::Azul}};

TEST_F(CliBracoTest, PontosNasCasasDasCordasRaizVermelhaEmCadaVariante) {
  struct Caso {
    std::vector<std::string> opcoes;  // before the command
    std::vector<std::string> argumentos;
    int cordas;
    int orientacao;
    bool brasileiro;
    std::vector<Ponto> pontos;
  };
  const Caso casos[] = {
      {{"--lang", "en"}, {"C"}, 6, 0, false, kDoMaior},
      {{"--lang", "en"}, {"x32010"}, 6, 0, false, kDoMaior},
      {{"--lang", "en"}, {"C", "--orientation", "2"}, 6, 2, false, kDoMaior},
      {{"--lang", "en"},
       {"C", "--orientation", "1", "--labels", "intervals"},
       6,
       1,
       false,
       kDoMaior},
      {{"--lang", "en"}, {"C", "--labels", "notes"}, 6, 0, false, kDoMaior},
      // The Portuguese 6-string picture has frets of its own.
      {{"--lang", "pt"}, {"C", "--orientation", "3"}, 6, 3, true, kDoMaior},
      // E G C E: the lowest string sounding is taken as the root.
      {{"--lang", "en", "--instrument", "Cavaquinho"},
       {"2012"},
       4,
       0,
       false,
       {{0, 2, Cor::Vermelho}, {1, 0, Cor::Azul}, {2, 1, Cor::Azul}, {3, 2, Cor::Azul}}},
      {{"--lang", "en"},
       {"--scale", "Major (Ionian)", "G", "--labels", "fingers"},
       6,
       0,
       false,
       pontosDaEscala("Major (Ionian)", "G", 7)},
  };
  int numero = 0;
  for (const auto& caso : casos) {
    const fs::path png = arquivos / ("braco-" + std::to_string(numero++) + ".png");
    std::vector<std::string> argumentos = caso.opcoes;
    argumentos.push_back("fretboard");
    argumentos.insert(argumentos.end(), caso.argumentos.begin(), caso.argumentos.end());
    argumentos.insert(argumentos.end(), {"--png", png.string()});
    SCOPED_TRACE(testing::PrintToString(argumentos));
    const auto r = cli(argumentos);
    ASSERT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(r.saida, png.string() + "\n");
    const QImage imagem(QString::fromStdString(png.string()));
    ASSERT_EQ(imagem.size(), QSize(797, 325));

    const GeometriaBraco geometria(caso.cordas, caso.orientacao, caso.brasileiro);
    const auto centro = [&](int corda, int casa) {
      return std::pair{geometria.getXCasas()[static_cast<size_t>(casa)],
                       geometria.getYCordas()[static_cast<size_t>(corda)]};
    };
    ASSERT_FALSE(caso.pontos.empty());
    for (const auto& p : caso.pontos) {
      const auto [x, y] = centro(p.corda, p.casa);
      EXPECT_STREQ(nomeCor(corEm(imagem, x, y)), nomeCor(p.cor))
          << "string " << p.corda << " fret " << p.casa;
    }
    // An empty place on the lowest string.
    const auto [x, y] = centro(0, 3);
    EXPECT_STREQ(nomeCor(corEm(imagem, x, y)), nomeCor(Cor::Nenhuma));
  }
}

TEST_F(CliBracoTest, CadaModoDeRotuloEscreveOutrosTextosSobreOsMesmosPontos) {
  std::vector<QImage> imagens;
  for (const char* rotulo : {"fingers", "notes", "intervals"}) {
    const fs::path png = arquivos / (std::string(rotulo) + ".png");
    const auto r =
        cli({"--lang", "en", "fretboard", "C", "--labels", rotulo, "--png", png.string()});
    ASSERT_EQ(r.status, 0) << r.erros;
    imagens.emplace_back(QString::fromStdString(png.string()));
  }
  EXPECT_NE(imagens[0], imagens[1]);
  EXPECT_NE(imagens[1], imagens[2]);
  EXPECT_NE(imagens[0], imagens[2]);
  // Only the labels differ: away from the dots, the pictures are the same.
  const GeometriaBraco geometria(6, 0, false);
  EXPECT_EQ(imagens[0].copy(0, 0, 797, 80), imagens[1].copy(0, 0, 797, 80));
  for (const auto& p : kDoMaior) {
    const int x = geometria.getXCasas()[static_cast<size_t>(p.casa)];
    const int y = geometria.getYCordas()[static_cast<size_t>(p.corda)];
    for (const auto& imagem : imagens) EXPECT_EQ(corEm(imagem, x, y), p.cor);
  }
}

// On the whole neck every fret of the guitar's twelve on every string that holds a note of
// G minor pentatonic has its dot, red on a G; the other frets have none.
TEST_F(CliBracoTest, BracoInteiroMostraCadaNotaDaTonalidade) {
  const fs::path png = arquivos / "inteiro.png";
  const auto r = cli({"--lang", "en", "fretboard", "--scale", "Minor pentatonic", "G",
                      "--whole-neck", "--png", png.string()});
  ASSERT_EQ(r.status, 0) << r.erros;
  const QImage imagem(QString::fromStdString(png.string()));
  const GeometriaBraco geometria(6, 0, false);
  const int afinacao[] = {40, 45, 50, 55, 59, 64};
  const std::vector<int> tonalidade = {7, 10, 0, 2, 5};  // G Bb C D F
  for (size_t corda = 0; corda < 6; ++corda) {
    for (size_t casa = 1; casa <= 12; ++casa) {
      const int classe = (afinacao[corda] + static_cast<int>(casa)) % 12;
      const bool naTonalidade =
          std::find(tonalidade.begin(), tonalidade.end(), classe) != tonalidade.end();
      const Cor esperada = !naTonalidade ? Cor::Nenhuma : classe == 7 ? Cor::Vermelho : Cor::Azul;
      SCOPED_TRACE("string " + std::to_string(corda) + ", fret " + std::to_string(casa));
      EXPECT_EQ(corEm(imagem, geometria.getXCasas()[casa], geometria.getYCordas()[corda]),
                esperada);
    }
  }
}

TEST_F(CliBracoTest, PedidoRecusadoNaoEscreveArquivo) {
  const std::vector<std::vector<std::string>> casos = {
      {"C", "--labels", "colours"},
      {"C", "--orientation", "4"},
      {"C", "--orientation", "-1"},
      {"C", "--size", "2"},
      {"Xq7"},
      {"x3201"},  // five strings on a guitar
      {"x3201z"},
      {"xxxxxx"},  // nothing to show
      {"x,3,2,0,1,20"},
      {"C", "--scale", "Major (Ionian)", "G"},  // two things to show
      {"C", "--display", "1"},
      {"C", "--whole-neck"},  // a chord has no key to spread
      {"--scale", "Major (Ionian)"},
      {"--scale", "No such scale", "G"},
      {"--scale", "Major (Ionian)", "H"},
      {"--scale", "Major (Ionian)", "G", "--display", "100000"},
      {"C", "--svg", (arquivos / "recusado.svg").string()},  // two files to write
  };
  for (const auto& caso : casos) {
    const fs::path png = arquivos / "recusado.png";
    std::vector<std::string> argumentos = {"--lang", "en", "fretboard"};
    argumentos.insert(argumentos.end(), caso.begin(), caso.end());
    argumentos.insert(argumentos.end(), {"--png", png.string()});
    SCOPED_TRACE(testing::PrintToString(argumentos));
    const auto r = cli(argumentos);
    EXPECT_NE(r.status, 0);
    EXPECT_FALSE(r.erros.empty());
    EXPECT_TRUE(r.saida.empty()) << r.saida;
    EXPECT_FALSE(fs::exists(png));
    EXPECT_FALSE(fs::exists(arquivos / "recusado.svg"));
  }
  // Without a file to write there is nothing to do.
  const auto r = cli({"--lang", "en", "fretboard", "C"});
  EXPECT_EQ(r.status, 2);
}

// The same picture as SVG: the labels and the x over C's muted string stay text.
TEST_F(CliBracoTest, SvgDoBracoComRotulosComoTexto) {
  const fs::path svg = arquivos / "c.svg";
  const auto r =
      cli({"--lang", "en", "fretboard", "C", "--orientation", "2", "--svg", svg.string()});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, svg.string() + "\n");
  const std::string conteudo = teste::lerArquivo(svg);
  EXPECT_EQ(conteudo.substr(0, 5), "<?xml");
  EXPECT_NE(conteudo.find("viewBox=\"0 0 797 325\""), std::string::npos);
  for (const char* texto : {">\u00d7</text>", ">3</text>", ">1</text>"}) {
    EXPECT_NE(conteudo.find(texto), std::string::npos) << texto;
  }
}

TEST_F(CliBracoTest, ArquivoQueNaoPodeSerEscritoEhUmErro) {
  const fs::path png = arquivos / "no-such-folder" / "c.png";
  const auto r = cli({"--lang", "en", "fretboard", "C", "--png", png.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.erros.find("cannot write"), std::string::npos) << r.erros;
  EXPECT_FALSE(fs::exists(png));
}

}  // namespace
}  // namespace tessara
