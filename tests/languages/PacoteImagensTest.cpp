#include <gtest/gtest.h>

#include <sstream>

#include "JpegTeste.h"
#include "PastaTemporaria.h"
#include "languages/PacoteImagens.h"

namespace tessara {
namespace {

using Trecho = PacoteImagens::Trecho;

TEST(PacoteImagens, Entrada) {
  const auto t = PacoteImagens::interpretarEntrada("100,2048");
  ASSERT_TRUE(t);
  EXPECT_EQ(t->inicio, 100);
  EXPECT_EQ(t->tamanho, 2048);
  EXPECT_TRUE(PacoteImagens::interpretarEntrada("0,0"));
  EXPECT_TRUE(PacoteImagens::interpretarEntrada("2147483647,2147483647"));
}

TEST(PacoteImagens, EntradasRecusadas) {
  for (const char* entrada : {"", "1002048", ",", "100,", ",2048", "abc,10", "100,abc", "100,20,48",
                              "-1,10", "100,-5", " 100,2048", "100, 2048", "100,2048 ",
                              "100,2048  ", "1e2,10", "0x10,10", "2147483648,1", "100;2048"}) {
    EXPECT_FALSE(PacoteImagens::interpretarEntrada(entrada)) << '"' << entrada << '"';
  }
}

TEST(PacoteImagens, LeExatamenteOTrecho) {
  std::istringstream pacote("0123456789");
  EXPECT_EQ(PacoteImagens::lerTrecho(pacote, Trecho{2, 3}), "234");
  EXPECT_EQ(PacoteImagens::lerTrecho(pacote, Trecho{0, 10}), "0123456789");
  EXPECT_EQ(PacoteImagens::lerTrecho(pacote, Trecho{10, 0}), "");
  EXPECT_FALSE(PacoteImagens::lerTrecho(pacote, Trecho{8, 3}));
  EXPECT_FALSE(PacoteImagens::lerTrecho(pacote, Trecho{11, 0}));
  EXPECT_FALSE(PacoteImagens::lerTrecho(pacote, Trecho{2147483647, 2147483647}));
  // A failed read leaves the stream usable for the next picture.
  EXPECT_EQ(PacoteImagens::lerTrecho(pacote, Trecho{9, 1}), "9");
}

TEST(PacoteImagens, ImagemNoMeioDoPacote) {
  const std::string jpeg = teste::comTamanho(teste::jpegVermelhoAzul(), 2048);
  ASSERT_EQ(jpeg.size(), 2048u);
  teste::PastaTemporaria pasta;
  const auto arquivo =
      pasta.escrever("en.dat", std::string(100, 'x') + jpeg + std::string(500, 'y'));
  const PacoteImagens pacote(arquivo);

  const auto imagem = pacote.lerImagem("100,2048");
  ASSERT_TRUE(imagem);
  EXPECT_EQ(imagem->largura, 32);
  EXPECT_EQ(imagem->altura, 16);

  // One byte off at either end is not the picture.
  EXPECT_FALSE(pacote.lerImagem("99,2048"));
  EXPECT_FALSE(pacote.lerImagem("101,2048"));
  EXPECT_FALSE(pacote.lerImagem("100,2047"));
  EXPECT_FALSE(pacote.lerImagem("0,100"));
  EXPECT_FALSE(pacote.lerImagem("100,0"));
  EXPECT_FALSE(pacote.lerImagem("100,999999"));
  EXPECT_FALSE(pacote.lerImagem("100000,10"));
}

TEST(PacoteImagens, PacoteAusente) {
  teste::PastaTemporaria pasta;
  EXPECT_FALSE(PacoteImagens(pasta / "nao-existe.dat").lerImagem("0,10"));
}

TEST(PacoteImagens, DeUmFluxo) {
  const std::string jpeg = teste::jpegVermelhoAzul();
  std::istringstream pacote("abc" + jpeg);
  const auto entrada = "3," + std::to_string(jpeg.size());
  EXPECT_TRUE(PacoteImagens::lerImagem(pacote, entrada));
  EXPECT_TRUE(PacoteImagens::lerImagem(pacote, entrada));  // the same pack, read twice
  EXPECT_FALSE(PacoteImagens::lerImagem(pacote, "3"));
}

}  // namespace
}  // namespace tessara
