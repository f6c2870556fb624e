#include <gtest/gtest.h>

#include "InteracaoGravada.h"
#include "JpegTeste.h"
#include "PastaTemporaria.h"
#include "languages/Idioma.h"

namespace tessara {
namespace {

const std::string MENSAGEM_CORROMPIDO =
    "The file of the language you have selected is corrupted. Try to reinstall your software.\n"
    "If the problem persist, please contact us: support@tessara.app.";

class IdiomaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    jpeg = teste::comTamanho(teste::jpegVermelhoAzul(), 2048);
    pasta.escrever("en.dat", std::string(100, '\0') + jpeg + "fim");
    pasta.escrever("en.idm",
                   "[EspecificacaoIdioma]\r\n"
                   "nomeIdioma=English\r\n"
                   "codAplicacao=Tessara3.0\r\n"
                   "[fmEntrada]\r\n"
                   "imgEntrada=100,2048\r\n"
                   "vazia=\r\n"
                   "semVirgula=1002048\r\n"
                   "naoNumero=cem,2048\r\n"
                   "negativo=-100,2048\r\n"
                   "brancosNoFim=100,2048  \r\n"
                   "curta=100,2100\r\n"
                   "foraDoPacote=5000,10\r\n"
                   "naoJpeg=0,100\r\n"
                   "comprimentoErrado=100,1000\r\n");
  }

  Idioma carregar() { return Idioma(pasta.caminho(), "en.idm", "en.dat", interacao); }

  teste::PastaTemporaria pasta;
  teste::InteracaoGravada interacao;
  std::string jpeg;
};

TEST_F(IdiomaTest, TextosENome) {
  const Idioma idioma = carregar();
  EXPECT_EQ(idioma.getNome(), "English");
  EXPECT_EQ(idioma.getTexto("fmEntrada", "imgEntrada"), "100,2048");
  EXPECT_EQ(idioma.getTexto("fmEntrada", "inexistente"), "");
  EXPECT_EQ(idioma.getCaminhoPacote(), pasta / "en.dat");
  EXPECT_FALSE(idioma.getAvisoMostrado());
}

TEST_F(IdiomaTest, ImagemDoPacote) {
  Idioma idioma = carregar();
  const auto imagem = idioma.getImagem("fmEntrada", "imgEntrada");
  ASSERT_TRUE(imagem);
  EXPECT_EQ(imagem->largura, 32);
  EXPECT_EQ(imagem->altura, 16);
  EXPECT_EQ(imagem->pixels.size(), 32u * 16u * 3u);
  EXPECT_GT(imagem->pixels.at(0), 200);                       // red on the left
  EXPECT_GT(imagem->pixels.at((15 * 32 + 31) * 3 + 2), 200);  // blue on the right, bottom row
  EXPECT_TRUE(interacao.mensagens.empty());
}

TEST_F(IdiomaTest, EntradaVaziaOuAusenteNaoEhErro) {
  Idioma idioma = carregar();
  EXPECT_FALSE(idioma.getImagem("fmEntrada", "vazia"));
  EXPECT_FALSE(idioma.getImagem("fmEntrada", "inexistente"));
  EXPECT_FALSE(idioma.getImagem("inexistente", "imgEntrada"));
  EXPECT_TRUE(interacao.mensagens.empty());
  EXPECT_FALSE(idioma.getAvisoMostrado());
}

TEST_F(IdiomaTest, CadaEntradaCorrompidaFalhaComAviso) {
  for (const char* chave : {"semVirgula", "naoNumero", "negativo", "brancosNoFim", "curta",
                            "foraDoPacote", "naoJpeg", "comprimentoErrado"}) {
    teste::InteracaoGravada propria;
    Idioma idioma(pasta.caminho(), "en.idm", "en.dat", propria);
    EXPECT_FALSE(idioma.getImagem("fmEntrada", chave)) << chave;
    ASSERT_EQ(propria.mensagens.size(), 1u) << chave;
    EXPECT_EQ(propria.mensagens[0].texto, MENSAGEM_CORROMPIDO);
    EXPECT_EQ(propria.mensagens[0].titulo, "Internationalization");
    EXPECT_EQ(propria.mensagens[0].botoes, Interacao::Botoes::Ok);
    EXPECT_TRUE(idioma.getAvisoMostrado());
  }
}

TEST_F(IdiomaTest, PacoteAusente) {
  std::filesystem::remove(pasta / "en.dat");
  Idioma idioma = carregar();
  EXPECT_FALSE(idioma.getImagem("fmEntrada", "imgEntrada"));
  ASSERT_EQ(interacao.mensagens.size(), 1u);
  EXPECT_EQ(interacao.mensagens[0].texto, MENSAGEM_CORROMPIDO);
}

TEST_F(IdiomaTest, AvisoUmaVezPorIdioma) {
  Idioma idioma = carregar();
  EXPECT_FALSE(idioma.getImagem("fmEntrada", "curta"));
  EXPECT_FALSE(idioma.getImagem("fmEntrada", "naoJpeg"));
  EXPECT_FALSE(idioma.getImagem("fmEntrada", "curta"));
  EXPECT_TRUE(idioma.getImagem("fmEntrada", "imgEntrada"));  // good pictures still come
  EXPECT_EQ(interacao.mensagens.size(), 1u);

  // Another loaded language warns again.
  Idioma outro = carregar();
  EXPECT_FALSE(outro.getImagem("fmEntrada", "semVirgula"));
  EXPECT_EQ(interacao.mensagens.size(), 2u);
}

TEST_F(IdiomaTest, ArquivoDeIdiomaAusenteNaoTemTextos) {
  Idioma idioma(pasta.caminho(), "xx.idm", "xx.dat", interacao);
  EXPECT_EQ(idioma.getNome(), "");
  EXPECT_FALSE(idioma.getImagem("fmEntrada", "imgEntrada"));
  EXPECT_TRUE(interacao.mensagens.empty());
}

}  // namespace
}  // namespace tessara
