#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "InteracaoGravada.h"
#include "JpegTeste.h"
#include "PastaTemporaria.h"
#include "foundations/Cp1252.h"
#include "foundations/NomeIdioma.h"
#include "languages/GerenciadorIdiomas.h"

namespace tessara {
namespace {

const std::string TITULO = "Internationalization";
const std::string NENHUM_ARQUIVO = "No language files were found. Please, reinstall your software.";
const std::string NAO_ENCONTRADO =
    "The language you have selected was not found. Please, select another one.";
const std::string NADA_ESCOLHIDO =
    "The application could not be initialized because no language was selected.";

std::string arquivoIdioma(const std::string& nome, const std::string& codigo = "Tessara3.0",
                          const std::string& resto = "") {
  return "[EspecificacaoIdioma]\r\nnomeIdioma=" + nome + "\r\ncodAplicacao=" + codigo + "\r\n" +
         resto;
}

class GerenciadorIdiomasTest : public ::testing::Test {
 protected:
  // Written out of order on purpose: the list follows the file names.
  void escreverIdiomasPadrao() {
    pasta.escrever("pt-BR.idm", arquivoIdioma(TXT("Português (Brasil)"), "Tessara3.0",
                                              "[geral]\r\nnomeAplicacao=Tessara PT\r\n"));
    pasta.escrever("en.idm",
                   arquivoIdioma("English", "Tessara3.0", "[geral]\r\nnomeAplicacao=Tessara\r\n"));
  }

  std::vector<std::string> textos() const {
    std::vector<std::string> r;
    for (const auto& m : interacao.mensagens) r.push_back(m.texto);
    return r;
  }

  teste::PastaTemporaria pasta;
  teste::InteracaoGravada interacao;
};

TEST_F(GerenciadorIdiomasTest, EncontraOsIdiomasPelaOrdemDosArquivos) {
  escreverIdiomasPadrao();
  pasta.escrever("leiame.txt", arquivoIdioma("Texto"));
  pasta.escrever("en.idm.bak", arquivoIdioma("Copia"));
  std::filesystem::create_directory(pasta / "pasta.idm");
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  EXPECT_EQ(g.getNomesIdiomas(), (std::vector<std::string>{"English", nomeIdiomaPortugues()}));
  EXPECT_FALSE(g.idiomaCarregado());
  EXPECT_EQ(g.getIdiomaAtual(), nullptr);
  EXPECT_EQ(g.getIndiceAtual(), -1);
  EXPECT_TRUE(interacao.mensagens.empty());
  EXPECT_FALSE(interacao.encerramento);
}

TEST_F(GerenciadorIdiomasTest, CodigoENomeDecidemOQueEhIdioma) {
  pasta.escrever("a.idm", arquivoIdioma("Caixa", "tessara3.0"));
  pasta.escrever("b.idm", arquivoIdioma("Outro", "Tessara2.0"));
  pasta.escrever("c.idm", arquivoIdioma("", "Tessara3.0"));
  pasta.escrever("d.idm", "[EspecificacaoIdioma]\nnomeIdioma=SemCodigo\n");
  pasta.escrever("e.idm", "[outra]\nnomeIdioma=Fora\ncodAplicacao=Tessara3.0\n");
  // The settings-style reader trims values and ignores the case of names.
  pasta.escrever("f.idm",
                 "[especificacaoidioma]\nNOMEIDIOMA =  Aceito  \ncodaplicacao= Tessara3.0 \n");
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  EXPECT_EQ(g.getNomesIdiomas(), std::vector<std::string>{"Aceito"});
  EXPECT_TRUE(interacao.mensagens.empty());
}

TEST_F(GerenciadorIdiomasTest, NenhumIdioma) {
  pasta.escrever("a.idm", arquivoIdioma("Caixa", "TESSARA3.0"));
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  EXPECT_TRUE(g.getNomesIdiomas().empty());
  ASSERT_EQ(interacao.mensagens.size(), 1u);
  // The folder looked in follows the message.
  EXPECT_EQ(interacao.mensagens[0].texto,
            NENHUM_ARQUIVO + "\nLooked in: " + pasta.caminho().string());
  EXPECT_EQ(interacao.mensagens[0].titulo, TITULO);
  EXPECT_TRUE(interacao.encerramento);
}

TEST_F(GerenciadorIdiomasTest, PastaInexistente) {
  GerenciadorIdiomas g(pasta / "nao-existe", interacao);
  EXPECT_TRUE(g.getNomesIdiomas().empty());
  EXPECT_EQ(textos(), std::vector<std::string>{NENHUM_ARQUIVO +
                                               "\nLooked in: " + (pasta / "nao-existe").string()});
  EXPECT_TRUE(interacao.encerramento);
}

TEST_F(GerenciadorIdiomasTest, SelecionaPeloNomeSemCaixa) {
  escreverIdiomasPadrao();
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  Idioma* idioma = g.selecionarIdioma("ENGLISH");
  ASSERT_NE(idioma, nullptr);
  EXPECT_EQ(idioma, g.getIdiomaAtual());
  EXPECT_TRUE(g.idiomaCarregado());
  EXPECT_EQ(g.getIndiceAtual(), 0);
  EXPECT_EQ(g.getNomeIdiomaAtual(), "English");
  EXPECT_EQ(g.getTexto("geral", "nomeAplicacao"), "Tessara");
  EXPECT_TRUE(interacao.mensagens.empty());

  ASSERT_NE(g.selecionarIdioma(nomeIdiomaPortugues()), nullptr);
  EXPECT_EQ(g.getIndiceAtual(), 1);
  EXPECT_TRUE(ehIdiomaPortugues(g.getNomeIdiomaAtual()));
  EXPECT_EQ(g.getTexto("geral", "nomeAplicacao"), "Tessara PT");
}

TEST_F(GerenciadorIdiomasTest, NomesRepetidosAparecemEOPrimeiroEhCarregado) {
  pasta.escrever("a.idm", arquivoIdioma("English", "Tessara3.0", "[geral]\nqual=a\n"));
  pasta.escrever("b.idm", arquivoIdioma("English", "Tessara3.0", "[geral]\nqual=b\n"));
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  EXPECT_EQ(g.getNomesIdiomas(), (std::vector<std::string>{"English", "English"}));
  ASSERT_NE(g.selecionarIdioma("English"), nullptr);
  EXPECT_EQ(g.getIndiceAtual(), 0);
  EXPECT_EQ(g.getTexto("geral", "qual"), "a");
}

TEST_F(GerenciadorIdiomasTest, NomeDoIdiomaVemDoProprioArquivo) {
  // The list's name comes trimmed; the loaded language's name keeps its blanks, as every
  // value of a language file does.
  pasta.escrever("en.idm", arquivoIdioma("English ", "Tessara3.0"));
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  EXPECT_EQ(g.getNomesIdiomas(), std::vector<std::string>{"English"});
  ASSERT_NE(g.selecionarIdioma("english"), nullptr);
  EXPECT_EQ(g.getNomeIdiomaAtual(), "English ");
}

TEST_F(GerenciadorIdiomasTest, NaoEncontradoEEscolhido) {
  escreverIdiomasPadrao();
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  interacao.escolha = 1;
  Idioma* idioma = g.selecionarIdioma("Deutsch");
  ASSERT_NE(idioma, nullptr);
  EXPECT_EQ(idioma, g.getIdiomaAtual());
  EXPECT_EQ(g.getIndiceAtual(), 1);
  EXPECT_EQ(textos(), std::vector<std::string>{NAO_ENCONTRADO});
  EXPECT_EQ(interacao.mensagens[0].titulo, TITULO);
  ASSERT_EQ(interacao.escolhasOferecidas.size(), 1u);
  EXPECT_EQ(interacao.escolhasOferecidas[0], g.getNomesIdiomas());
  EXPECT_EQ(interacao.selecionadoOferecido, -1);
  EXPECT_FALSE(interacao.encerramento);
}

TEST_F(GerenciadorIdiomasTest, NaoEncontradoENadaEscolhido) {
  escreverIdiomasPadrao();
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  EXPECT_EQ(g.selecionarIdioma("Deutsch"), nullptr);
  EXPECT_EQ(textos(), (std::vector<std::string>{NAO_ENCONTRADO, NADA_ESCOLHIDO}));
  EXPECT_EQ(interacao.mensagens[1].titulo, TITULO);
  EXPECT_TRUE(interacao.encerramento);
  EXPECT_FALSE(g.idiomaCarregado());
  EXPECT_EQ(g.getNomeIdiomaAtual(), "");
}

TEST_F(GerenciadorIdiomasTest, EscolhaForaDaListaEhNadaEscolhido) {
  escreverIdiomasPadrao();
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  interacao.escolha = 2;
  EXPECT_EQ(g.selecionarIdioma("Deutsch"), nullptr);
  EXPECT_EQ(textos(), (std::vector<std::string>{NAO_ENCONTRADO, NADA_ESCOLHIDO}));
  EXPECT_TRUE(interacao.encerramento);
}

TEST_F(GerenciadorIdiomasTest, JaEncerrandoNaoAvisaDeNovo) {
  escreverIdiomasPadrao();
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  interacao.encerramento = true;
  EXPECT_EQ(g.selecionarIdioma("Deutsch"), nullptr);
  EXPECT_EQ(textos(), std::vector<std::string>{NAO_ENCONTRADO});
  EXPECT_TRUE(interacao.encerramento);
}

TEST_F(GerenciadorIdiomasTest, SemIdiomasSelecionarSoEncerra) {
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  EXPECT_EQ(g.selecionarIdioma("English"), nullptr);
  // After "no language files", the chooser has nothing to offer and no third message comes.
  EXPECT_EQ(textos(),
            (std::vector<std::string>{NENHUM_ARQUIVO + "\nLooked in: " + pasta.caminho().string(),
                                      NAO_ENCONTRADO}));
  EXPECT_EQ(interacao.escolhasOferecidas, std::vector<std::vector<std::string>>{{}});
  EXPECT_TRUE(interacao.encerramento);
}

TEST_F(GerenciadorIdiomasTest, EscolherIdioma) {
  escreverIdiomasPadrao();
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  ASSERT_NE(g.selecionarIdioma("English"), nullptr);
  EXPECT_FALSE(g.escolherIdioma());  // cancelled
  EXPECT_EQ(interacao.selecionadoOferecido, 0);
  EXPECT_EQ(g.getIndiceAtual(), 0);
  interacao.escolha = 1;
  EXPECT_TRUE(g.escolherIdioma());
  EXPECT_EQ(g.getIndiceAtual(), 1);
  EXPECT_TRUE(ehIdiomaPortugues(g.getNomeIdiomaAtual()));
  EXPECT_TRUE(interacao.mensagens.empty());
  EXPECT_FALSE(interacao.encerramento);
}

TEST_F(GerenciadorIdiomasTest, CarregarIdioma) {
  escreverIdiomasPadrao();
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  EXPECT_EQ(g.carregarIdioma(2), nullptr);
  EXPECT_EQ(g.carregarIdioma(-1), nullptr);
  EXPECT_FALSE(g.idiomaCarregado());

  Idioma* en = g.carregarIdioma(0);
  ASSERT_NE(en, nullptr);
  EXPECT_EQ(g.carregarIdioma(0), en);  // already current: the same language
  EXPECT_EQ(g.carregarIdioma(5), nullptr);
  EXPECT_EQ(g.getIdiomaAtual(), en);  // a refused index changes nothing

  Idioma* pt = g.carregarIdioma(1);
  ASSERT_NE(pt, nullptr);
  EXPECT_EQ(g.getIdiomaAtual(), pt);
  EXPECT_EQ(g.getIndiceAtual(), 1);
  EXPECT_EQ(pt->getCaminhoPacote(), pasta / "pt-BR.dat");
}

TEST_F(GerenciadorIdiomasTest, SemIdiomaCarregadoNadaQuebra) {
  escreverIdiomasPadrao();
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  EXPECT_EQ(g.getTexto("geral", "nomeAplicacao"), "");
  EXPECT_FALSE(g.getImagem("fmEntrada", "imgEntrada"));
  EXPECT_EQ(g.getNomeIdiomaAtual(), "");
}

TEST_F(GerenciadorIdiomasTest, ImagensEAvisoPorIdiomaCarregado) {
  const std::string jpeg = teste::jpegVermelhoAzul();
  const std::string entrada = "7," + std::to_string(jpeg.size());
  const std::string imagens = "[fmEntrada]\nimgEntrada=" + entrada + "\nruim=7\n";
  pasta.escrever("a.idm", arquivoIdioma("A", "Tessara3.0", imagens));
  pasta.escrever("b.idm", arquivoIdioma("B", "Tessara3.0", imagens));
  pasta.escrever("a.dat", "1234567" + jpeg);
  pasta.escrever("b.dat", "1234567" + jpeg);
  GerenciadorIdiomas g(pasta.caminho(), interacao);

  ASSERT_NE(g.selecionarIdioma("A"), nullptr);
  EXPECT_TRUE(g.getImagem("fmEntrada", "imgEntrada"));
  EXPECT_FALSE(g.getImagem("fmEntrada", "ruim"));
  EXPECT_FALSE(g.getImagem("fmEntrada", "ruim"));
  EXPECT_EQ(interacao.mensagens.size(), 1u);

  // Reloading the current language keeps it, and its warning stays given.
  g.carregarIdioma(0);
  EXPECT_FALSE(g.getImagem("fmEntrada", "ruim"));
  EXPECT_EQ(interacao.mensagens.size(), 1u);

  // A newly loaded language warns once again.
  ASSERT_NE(g.selecionarIdioma("B"), nullptr);
  EXPECT_TRUE(g.getImagem("fmEntrada", "imgEntrada"));
  EXPECT_FALSE(g.getImagem("fmEntrada", "ruim"));
  EXPECT_EQ(interacao.mensagens.size(), 2u);
  EXPECT_EQ(interacao.mensagens[1].titulo, TITULO);
}

}  // namespace
}  // namespace tessara

namespace tessara {
namespace {

TEST(GerenciadorIdiomasCodigo, CodigoEscolheOArquivoPeloNome) {
  teste::PastaTemporaria pasta;
  teste::InteracaoGravada interacao;
  for (const char* arquivo : {"en.idm", "pt-BR.idm", "ptx.idm"}) {
    pasta.escrever(arquivo, arquivoIdioma(arquivo));
  }
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  EXPECT_EQ(g.indiceDoCodigo("en"), 0);
  EXPECT_EQ(g.indiceDoCodigo("PT"), 1);  // region suffix after "-", letter case ignored
  EXPECT_EQ(g.indiceDoCodigo("pt-br"), 1);
  EXPECT_EQ(g.indiceDoCodigo("ptx"), 2);
  for (const char* ruim : {"", "p", "e", "de", "pt-", "ptx-BR-long", "english"})
    EXPECT_EQ(g.indiceDoCodigo(ruim), -1) << ruim;
}

// A language file without an exception text gives the built-in English one, never a blank.
TEST(GerenciadorIdiomasCodigo, TextoDeExcecaoQueFaltaVemEmIngles) {
  teste::PastaTemporaria pasta;
  teste::InteracaoGravada interacao;
  pasta.escrever("xx.idm", arquivoIdioma("Xx", "Tessara3.0",
                                         "[exception]\r\nindiceInvalido=Indice ruim '\r\n"));
  GerenciadorIdiomas g(pasta.caminho(), interacao);
  ASSERT_NE(g.carregarIdioma(g.indiceDoCodigo("xx")), nullptr);
  EXPECT_EQ(g.getTexto("exception", "indiceInvalido"), "Indice ruim '");
  EXPECT_EQ(g.getTexto("exception", "parseError"), "The file holds an invalid value (element ");
  EXPECT_EQ(g.getTexto("exception", "erroGravarConfiguracao"),
            "Tessara could not save your settings. Reason:");
  EXPECT_EQ(g.getTexto("geral", "parseError"), "");
}

}  // namespace
}  // namespace tessara
