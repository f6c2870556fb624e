// The fretboard pictures of the built language files, loaded as the program loads them: their
// sizes, and pixels where GeometriaBraco puts strings, fret wires, the nut and bare wood.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>

#include "InteracaoGravada.h"
#include "foundations/Imagem.h"
#include "languages/GerenciadorIdiomas.h"
#include "telas/GeometriaBraco.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;

const fs::path PASTA_DADOS{TESSARA_BIN_DIR};
// Pictures are stored at twice the program's logical pixels.
constexpr int ESCALA = 2;

struct Cor {
  int r = 0;
  int g = 0;
  int b = 0;
  double luz() const { return 0.299 * r + 0.587 * g + 0.114 * b; }
  int calor() const { return r - b; }
};

std::ostream& operator<<(std::ostream& s, const Cor& c) {
  return s << "rgb(" << c.r << "," << c.g << "," << c.b << ")";
}

Cor pixel(const Imagem& imagem, int x, int y) {
  const size_t i = (static_cast<size_t>(y) * imagem.largura + x) * 3;
  return {imagem.pixels.at(i), imagem.pixels.at(i + 1), imagem.pixels.at(i + 2)};
}

// The mean of the stored pixels around the centre of a logical position; a half position
// (a wire half-way between two fret positions) is allowed.
Cor amostra(const Imagem& imagem, double x, double y) {
  const int sx = static_cast<int>(ESCALA * (x + 0.5));
  const int sy = static_cast<int>(ESCALA * (y + 0.5));
  Cor soma;
  for (int dy = -1; dy <= 0; ++dy) {
    for (int dx = -1; dx <= 0; ++dx) {
      const Cor c = pixel(imagem, sx + dx, sy + dy);
      soma.r += c.r;
      soma.g += c.g;
      soma.b += c.b;
    }
  }
  return {soma.r / 4, soma.g / 4, soma.b / 4};
}

// The brightest row within half a logical pixel of a string's y.
Cor naCorda(const Imagem& imagem, int x, int y) {
  Cor melhor;
  for (const double d : {-0.5, 0.0, 0.5}) {
    const Cor c = amostra(imagem, x, y + d);
    if (c.luz() > melhor.luz()) melhor = c;
  }
  return melhor;
}

bool ehMetalDeCorda(const Cor& c) { return c.luz() >= 120; }
bool ehMadeiraDaEscala(const Cor& c) { return c.luz() <= 85 && c.calor() >= 0; }
bool ehTraste(const Cor& c) { return c.luz() >= 150 && std::abs(c.calor()) <= 30; }
bool ehOsso(const Cor& c) { return c.luz() >= 150 && c.calor() >= 10; }

// WCAG contrast between a colour and black or white.
double luminancia(const Cor& c) {
  auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}
double contrasteComPreto(const Cor& c) { return (luminancia(c) + 0.05) / 0.05; }
double contrasteComBranco(const Cor& c) { return 1.05 / (luminancia(c) + 0.05); }

class ImagensDoIdioma {
 public:
  explicit ImagensDoIdioma(const std::string& base) : gerenciador_(PASTA_DADOS, interacao_) {
    gerenciador_.carregarIdioma(gerenciador_.indiceDoCodigo(base));
  }
  std::optional<Imagem> imagem(const std::string& chave) {
    return gerenciador_.getImagem("fmPrincipal", chave);
  }
  bool carregado() const { return gerenciador_.idiomaCarregado(); }
  bool semAvisos() const { return interacao_.mensagens.empty(); }

 private:
  teste::InteracaoGravada interacao_;
  GerenciadorIdiomas gerenciador_;
};

bool temPacote(const std::string& base) { return fs::exists(PASTA_DADOS / (base + ".dat")); }

const char* const IDIOMAS[] = {"en", "pt-BR"};

std::string nomeIdioma(const std::string& base) { return base == "en" ? "en" : "ptBR"; }

// ---------------------------------------------------------------------------------------------

struct Fundo {
  const char* chave;
  int cordas;
  int orientacao;
  bool brasileiro;
};

const Fundo FUNDOS[] = {
    {"imgBraco6CordasFrenteNormal", 6, 0, false},  {"imgBraco6CordasFrenteInvertida", 6, 1, false},
    {"imgBraco6CordasCimaNormal", 6, 2, false},    {"imgBraco6CordasCimaInvertida", 6, 3, false},
    {"imgBraco5CordasFrenteNormal", 5, 0, false},  {"imgBraco5CordasFrenteInvertida", 5, 1, false},
    {"imgBraco5CordasCimaNormal", 5, 2, false},    {"imgBraco5CordasCimaInvertida", 5, 3, false},
    {"imgBraco4CordasFrenteNormal", 4, 0, false},  {"imgBraco4CordasFrenteInvertida", 4, 1, false},
    {"imgBraco4CordasCimaNormal", 4, 2, false},    {"imgBraco4CordasCimaInvertida", 4, 3, false},
    {"imgBRBraco6CordasFrenteNormal", 6, 0, true}, {"imgBRBraco6CordasFrenteInvertida", 6, 1, true},
    {"imgBRBraco6CordasCimaNormal", 6, 2, true},   {"imgBRBraco6CordasCimaInvertida", 6, 3, true},
};

class FundoDoBraco : public ::testing::TestWithParam<std::tuple<const char*, Fundo>> {
 protected:
  void SetUp() override {
    const std::string base = std::get<0>(GetParam());
    if (!temPacote(base)) GTEST_SKIP() << "built without the artwork tool";
    ImagensDoIdioma idioma(base);
    ASSERT_TRUE(idioma.carregado());
    imagem = idioma.imagem(fundo().chave);
    ASSERT_TRUE(imagem) << fundo().chave;
    ASSERT_TRUE(idioma.semAvisos());
  }

  const Fundo& fundo() const { return std::get<1>(GetParam()); }
  GeometriaBraco geometria() const {
    return GeometriaBraco(fundo().cordas, fundo().orientacao, fundo().brasileiro);
  }

  std::optional<Imagem> imagem;
};

TEST_P(FundoDoBraco, TemODobroDoTamanhoLogico) {
  EXPECT_EQ(imagem->largura, 1596);
  EXPECT_EQ(imagem->altura, 652);
}

// Each string crosses every fret space and the open-string area beside the nut.
TEST_P(FundoDoBraco, CordasPassamPelasPosicoesDaTabela) {
  const auto g = geometria();
  const auto& xs = g.getXCasas();
  for (int corda = 0; corda < fundo().cordas; ++corda) {
    const int y = g.getYCordas()[static_cast<size_t>(corda)];
    for (size_t casa = 0; casa < xs.size(); ++casa) {
      const Cor c = naCorda(*imagem, xs[casa], y);
      EXPECT_TRUE(ehMetalDeCorda(c)) << "string " << corda << " at fret " << casa << ": " << c;
    }
  }
}

// Between two strings at a fret position there is only the board (inlay frets left out).
TEST_P(FundoDoBraco, EntreCordasNaPosicaoHaMadeira) {
  const auto g = geometria();
  const auto& xs = g.getXCasas();
  const auto& ys = g.getYCordas();
  for (const size_t casa : {1u, 2u, 4u, 6u, 8u, 10u, 11u, 13u, 14u}) {
    if (casa >= xs.size()) continue;
    for (size_t corda = 0; corda + 1 < static_cast<size_t>(fundo().cordas); ++corda) {
      const Cor c = amostra(*imagem, xs[casa], (ys[corda] + ys[corda + 1]) / 2.0);
      EXPECT_TRUE(ehMadeiraDaEscala(c)) << "between strings " << corda << " and " << corda + 1
                                        << " at fret " << casa << ": " << c;
    }
  }
}

// Wires lie half-way between consecutive fret positions, the last one as far beyond the last
// position; the nut lies half-way between the open string and the first fret.
TEST_P(FundoDoBraco, TrastesEPestanaNosPontosMedios) {
  const auto g = geometria();
  const auto& xs = g.getXCasas();
  const auto& ys = g.getYCordas();
  const size_t ultima = xs.size() - 1;
  for (size_t corda = 0; corda + 1 < static_cast<size_t>(fundo().cordas); ++corda) {
    const double y = (ys[corda] + ys[corda + 1]) / 2.0;
    const Cor pestana = amostra(*imagem, (xs[0] + xs[1]) / 2.0, y);
    EXPECT_TRUE(ehOsso(pestana)) << "nut below string " << corda << ": " << pestana;
    for (size_t casa = 1; casa <= ultima; ++casa) {
      const double x = casa < ultima ? (xs[casa] + xs[casa + 1]) / 2.0
                                     : xs[ultima] - (xs[ultima - 1] - xs[ultima]) / 2.0;
      const Cor c = amostra(*imagem, x, y);
      EXPECT_TRUE(ehTraste(c)) << "wire after fret " << casa << " below string " << corda << ": "
                               << c;
    }
  }
}

// String 0 is wound bronze, the highest plain steel: a flipped picture shows at once.
TEST_P(FundoDoBraco, CordaZeroEhBronzeEAUltimaEhAco) {
  const auto g = geometria();
  const int x = g.getXCasas()[2];
  const Cor grave = naCorda(*imagem, x, g.getYCordas()[0]);
  const Cor aguda = naCorda(*imagem, x, g.getYCordas()[static_cast<size_t>(fundo().cordas - 1)]);
  EXPECT_GE(grave.calor(), 45) << grave;
  EXPECT_LE(std::abs(aguda.calor()), 25) << aguda;
}

INSTANTIATE_TEST_SUITE_P(Idiomas, FundoDoBraco,
                         ::testing::Combine(::testing::ValuesIn(IDIOMAS),
                                            ::testing::ValuesIn(FUNDOS)),
                         [](const auto& info) {
                           return nomeIdioma(std::get<0>(info.param)) + "_" +
                                  std::get<1>(info.param).chave;
                         });

// ---------------------------------------------------------------------------------------------

struct Ponto {
  const char* chave;
  bool vermelho;
};

const Ponto PONTOS[] = {{"imgDedoVermelho", true}, {"imgDedoAzul", false}};

class PontoDoBraco : public ::testing::TestWithParam<std::tuple<const char*, Ponto>> {
 protected:
  void SetUp() override {
    const std::string base = std::get<0>(GetParam());
    if (!temPacote(base)) GTEST_SKIP() << "built without the artwork tool";
    ImagensDoIdioma idioma(base);
    imagem = idioma.imagem(ponto().chave);
    ASSERT_TRUE(imagem) << ponto().chave;
  }

  const Ponto& ponto() const { return std::get<1>(GetParam()); }

  bool temACor(const Cor& c) const {
    return ponto().vermelho ? c.r - std::max(c.g, c.b) >= 60 : c.b - std::max(c.r, c.g) >= 40;
  }

  std::optional<Imagem> imagem;
};

TEST_P(PontoDoBraco, TemODobroDoLadoLogico) {
  EXPECT_EQ(imagem->largura, 46);
  EXPECT_EQ(imagem->altura, 46);
}

// The widget clips the dot to a circle: the colour has to reach close to the square's edges.
TEST_P(PontoDoBraco, CirculoPreencheOQuadrado) {
  constexpr double meio = GeometriaBraco::LADO_PONTO / 2.0 - 0.5;
  constexpr double perto = 2.0;
  constexpr double longe = GeometriaBraco::LADO_PONTO - 1.0 - perto;
  const std::pair<double, double> pontos[] = {
      {meio, meio}, {perto, meio}, {longe, meio}, {meio, perto}, {meio, longe}};
  for (const auto& [x, y] : pontos) {
    const Cor c = amostra(*imagem, x, y);
    EXPECT_TRUE(temACor(c)) << "at " << x << "," << y << ": " << c;
  }
}

// Bold 12 px labels in black and in white must both read: two digits wide, a digit high.
TEST_P(PontoDoBraco, RotulosPretosEBrancosLegiveis) {
  const int centro = imagem->largura / 2;
  const int meiaLargura = 7 * ESCALA;
  const int meiaAltura = 5 * ESCALA;
  for (int y = centro - meiaAltura; y < centro + meiaAltura; ++y) {
    for (int x = centro - meiaLargura; x < centro + meiaLargura; ++x) {
      const Cor c = pixel(*imagem, x, y);
      ASSERT_GE(contrasteComPreto(c), 3.5) << "at " << x << "," << y << ": " << c;
      ASSERT_GE(contrasteComBranco(c), 3.5) << "at " << x << "," << y << ": " << c;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Idiomas, PontoDoBraco,
                         ::testing::Combine(::testing::ValuesIn(IDIOMAS),
                                            ::testing::ValuesIn(PONTOS)),
                         [](const auto& info) {
                           return nomeIdioma(std::get<0>(info.param)) + "_" +
                                  std::get<1>(info.param).chave;
                         });

}  // namespace
}  // namespace tessara
