#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "NucleoTeste.h"
#include "app/Fachada.h"
#include "model/Disposicao.h"
#include "telas/FaixaPosicoes.h"

namespace tessara {
namespace {

using Casas = std::vector<int>;

// The row over the root's objects: English, the shipped chord base, the built-in guitar.
class FaixaPosicoesTest : public ::testing::Test {
 protected:
  FaixaPosicoesTest() {
    std::filesystem::copy_file(std::filesystem::path(TESSARA_BIN_DIR) / "chords-en.bin",
                               ambiente.programa() / "chords-en.bin");
    fachada.setInstrumento(0);
  }

  // Every fingering the arrows reach from the first, in their order.
  std::vector<Casas> pelasSetas() {
    std::vector<Casas> vistas;
    VistaAcorde vista = fachada.escolherPosicao(0);
    while (vista.aceito && vista.indicePosicao == static_cast<int>(vistas.size())) {
      vistas.push_back(vista.posicao->getCasas());
      vista = fachada.passarPosicao(true);
    }
    return vistas;
  }
  std::vector<Casas> naFaixa() const {
    std::vector<Casas> casas;
    for (const auto& p : faixa.getPosicoes()) casas.push_back(p.getCasas());
    return casas;
  }

  teste::NucleoTeste ambiente;
  Fachada& fachada = ambiente.nucleo.fachada();
  FaixaPosicoes faixa{fachada};
};

// The row lists exactly what the arrows browse, in each voicing and with a capo, and the
// count the window shows covers all of it from the start.
TEST_F(FaixaPosicoesTest, ListsWhatTheArrowsBrowseInEachVoicingAndCapo) {
  struct Caso {
    const char* acorde;
    Disposicao disposicao;
    int capo;
  };
  const Caso casos[] = {
      {"C", Disposicao::RAIZ, 0},     // stored fingerings, then the generated ones
      {"F#m7", Disposicao::RAIZ, 0},  //
      {"C", Disposicao::RAIZ, 2},     // generated on the shortened neck
      {"G7", Disposicao::INVERSOES, 0}, {"Cmaj7", Disposicao::DROP2, 3},
  };
  std::vector<Casas> semCapo;
  for (const auto& caso : casos) {
    SCOPED_TRACE(std::string(caso.acorde) + " " + std::string(caso.disposicao.nome()) + " capo " +
                 std::to_string(caso.capo));
    fachada.setDisposicao(caso.disposicao);
    fachada.setCapo(caso.capo);
    ASSERT_TRUE(fachada.abrirAcorde(caso.acorde).aceito);
    EXPECT_TRUE(faixa.atualizar(true));
    EXPECT_EQ(faixa.getAtual(), 0);
    EXPECT_EQ(fachada.getVistaAcorde().numeroPosicoes, faixa.tamanho());
    const auto listadas = naFaixa();
    EXPECT_GT(listadas.size(), 1u);
    EXPECT_EQ(pelasSetas(), listadas);
    if (std::string(caso.acorde) != "C") continue;
    if (caso.capo == 0) {
      semCapo = listadas;
    } else {
      EXPECT_NE(listadas, semCapo);
    }
  }
}

// The framed fingering follows the arrows and a choice in the row, which the fretboard then
// shows; a choice outside the row changes nothing. Reading the same chord again is no change.
TEST_F(FaixaPosicoesTest, CurrentFollowsArrowsAndChoices) {
  ASSERT_TRUE(fachada.abrirAcorde("C").aceito);
  faixa.atualizar(true);
  fachada.passarPosicao(true);
  EXPECT_FALSE(faixa.atualizar(true));
  EXPECT_EQ(faixa.getAtual(), 1);

  const VistaAcorde vista = faixa.escolher(2);
  ASSERT_TRUE(vista.aceito);
  EXPECT_EQ(vista.indicePosicao, 2);
  EXPECT_EQ(faixa.getAtual(), 2);
  EXPECT_EQ(fachada.getVistaAcorde().posicao->getCasas(), naFaixa()[2]);

  for (int fora : {-1, faixa.tamanho()}) {
    EXPECT_FALSE(faixa.escolher(fora).aceito);
    EXPECT_EQ(faixa.getAtual(), 2);
    EXPECT_EQ(fachada.getIndicePosicaoAtual(), 2);
  }
  fachada.passarPosicao(false);
  faixa.atualizar(true);
  EXPECT_EQ(faixa.getAtual(), 1);
}

// Scale mode, a cleared fretboard and no chord at all empty the row.
TEST_F(FaixaPosicoesTest, EmptyWithoutAChordOnShow) {
  EXPECT_FALSE(faixa.atualizar(true));  // nothing yet
  EXPECT_TRUE(faixa.vazia());
  EXPECT_EQ(faixa.getAtual(), -1);
  ASSERT_TRUE(fachada.abrirAcorde("Am7").aceito);
  ASSERT_TRUE(faixa.atualizar(true));
  EXPECT_TRUE(faixa.atualizar(false));  // scale mode
  EXPECT_TRUE(faixa.vazia());
  EXPECT_EQ(faixa.getAtual(), -1);
  EXPECT_FALSE(faixa.escolher(0).aceito);
  ASSERT_TRUE(faixa.atualizar(true));
  fachada.limparAcorde();
  EXPECT_TRUE(faixa.atualizar(true));
  EXPECT_TRUE(faixa.vazia());
}

}  // namespace
}  // namespace tessara
