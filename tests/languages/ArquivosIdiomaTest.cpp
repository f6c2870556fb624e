// Checks the language files as the build installs them beside the executables.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <utility>

#include "InteracaoGravada.h"
#include "PastaTemporaria.h"
#include "foundations/Cp1252.h"
#include "foundations/LeitorIni.h"
#include "foundations/Texto.h"
#include "languages/Idioma.h"
#include "languages/TextosIdioma.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;

using Chave = std::pair<std::string, std::string>;

const fs::path PASTA_DADOS{TESSARA_BIN_DIR};

std::set<Chave> chavesDoIdioma(const std::string& base) {
  const auto chaves = TextosIdioma::deArquivo(PASTA_DADOS / (base + ".idm")).getChaves();
  return {chaves.begin(), chaves.end()};
}

struct IdiomaEntregue {
  std::string base;
  std::string nome;
};

void PrintTo(const IdiomaEntregue& idioma, std::ostream* saida) { *saida << idioma.base; }

class ArquivoIdiomaEntregue : public ::testing::TestWithParam<IdiomaEntregue> {
 protected:
  fs::path idm() const { return PASTA_DADOS / (GetParam().base + ".idm"); }
  fs::path dat() const { return PASTA_DADOS / (GetParam().base + ".dat"); }

  // Builds without the artwork tool ship the language files with unresolved pictures.
  bool temPacote() const { return fs::exists(dat()); }
};

TEST_P(ArquivoIdiomaEntregue, IdentificaSeComoIdiomaDoPrograma) {
  const auto leitor = LeitorIni::deArquivo(idm());
  EXPECT_EQ(leitor.valor("EspecificacaoIdioma", "codAplicacao"), "Tessara3.0");
  EXPECT_EQ(leitor.valor("EspecificacaoIdioma", "nomeIdioma"), GetParam().nome);
}

TEST_P(ArquivoIdiomaEntregue, TemAsChavesQueOProgramaProcuraComTexto) {
  const Chave usadas[] = {
      {"geral", "nomeAplicacao"},
      {"geral", "erroGeral"},
      {"geral", "violaoPadrao"},
      {"geral", "cavaquinhoPadrao"},
      {"exception", "baseInstrumentosNaoEncontrada"},
      {"exception", "componentesMIDI"},
      {"parametros", "nomeArquivoBaseAcordes"},
      {"parametros", "baseInstrumentos"},
      {"parametros", "caminhoAjuda"},
      {"escalas", "nome_arquivo"},
      {"baseAcordes", "erroAbrirBaseAcordes"},
      {"fmPrincipal", "msgConfirmacaoSaida"},
      {"fmPrincipal", "erroGerarAcorde"},
      {"fmPrincipal", "msgErroSintaxe"},
      {"fmAviso", "btnProsseguir"},
      {"geral", "hintBtnFechar"},
      {"geral", "erroEncontrarAjuda"},
      {"geral", "erroAbrirNavegador"},
      {"fmPrincipal", "mnuBolinhaTonica"},
      {"fmPrincipal", "mnuBolinhaDeletar"},
      {"fmEntrada", "imgEntrada"},
      {"fmImpressao", "erroImpressora"},
      {"exception", "erroGravarBaseInstrumentos"},
      {"exception", "escalaImpossivel"},
      {"exception", "raizAcorde"},
      {"fmImpressao", "titulo"},
      {"fmImpressao", "lblExplicacaoConteudo"},
      {"fmImpressao", "comboOpcoesImpressaoItem1"},
      {"fmImpressao", "comboOpcoesImpressaoItem2"},
      {"fmImpressao", "comboOpcoesImpressaoItem3"},
      {"fmImpressao", "lblExplicacaoRotulo"},
      {"fmImpressao", "comboRotuloItem1"},
      {"fmImpressao", "comboRotuloItem2"},
      {"fmImpressao", "comboRotuloItem3"},
      {"fmImpressao", "btnImprimir"},
      {"fmImpressao", "btnVisualizarImpressao"},
      {"fmImpressao", "erroGravarPdf"},
      {"fmVisualizarImpressao", "titulo"},
      {"fmVisualizarImpressao", "lblPagina"},
      {"fmVisualizarImpressao", "lblDe"},
      {"fmVisualizarImpressao", "btnImprimir"},
      {"fmPrincipalAbaAcordes", "msgAcordeInexequivel"},
      {"geral", "tituloAtencao"},
      {"fmPrincipal", "hintBtnImportarCifra"},
      {"fmPrincipal", "btnImportarCifra"},
      {"geral", "btnImprimir"},
      {"geral", "hintBtnMinimizar"},
      {"geral", "hintBtnAjuda"},
      {"fmImportarCifra", "titulo"},
      {"fmImportarCifra", "nomeSemitom"},
      {"fmImportarCifra", "textoMemoCifra"},
      {"fmImportarCifra", "lblMudarTom"},
      {"fmImportarCifra", "btnColar"},
      {"fmImportarCifra", "msgSubstituirLista"},
      {"fmImportarCifra", "btnImportarCifra"},
      {"fmImportarCifra", "hintBtnColar"},
      {"fmImportarCifra", "hintBtnImportarCifra"},
      {"fmImportarCifra", "hintBtnImprimir"},
      {"fmImportarCifra", "hintMemoCifra"},
      {"fmImportarCifra", "hintBtnTransporAcima"},
      {"fmImportarCifra", "hintBtnTransporAbaixo"},
      {"fmAssistenteMIDI", "titulo"},
      {"fmAssistenteMIDI", "lblTitulo1-A"},
      {"fmAssistenteMIDI", "lblExplicacao1-A"},
      {"fmAssistenteMIDI", "lblLinkVolume"},
      {"fmAssistenteMIDI", "erroAbrirVolume"},
      {"fmAssistenteMIDI", "btnEscutando"},
      {"fmAssistenteMIDI", "btnNaoEscutando"},
      {"fmAssistenteMIDI", "btnProsseguir"},
      {"fmAssistenteMIDI", "btnCancelar"},
      {"fmAssistenteMIDI", "btnFinalizar"},
      {"fmAssistenteMIDI", "lblTitulo2-A"},
      {"fmAssistenteMIDI", "lblExplicacao2-A1"},
      {"fmAssistenteMIDI", "lblExplicacao2-A2"},
      {"fmAssistenteMIDI", "lblTitulo2-B"},
      {"fmAssistenteMIDI", "lblExplicacao2-B"},
      {"fmAssistenteMIDI", "lblTitulo2-C"},
      {"fmAssistenteMIDI", "lblExplicacao2-C"},
      {"fmAssistenteMIDI", "lblTitulo2-D"},
      {"fmAssistenteMIDI", "lblExplicacao2-D"},
      {"geral", "rotuloBtnOk"},
      {"geral", "rotuloBtnCancelar"},
      {"fmPrincipal", "btnConfiguracoes"},
      {"fmPrincipal", "btnInstrumento"},
      {"fmPrincipal", "hintBtnConfiguracoes"},
      {"fmPrincipal", "hintBtnInstrumento"},
      {"fmPrincipal", "msgErroInstrumento"},
      {"exception", "instrumentoExistente"},
      {"abaIstrumento", "msgModificacao"},
      {"abaIstrumento", "tituloMsg"},
      {"fmConfiguracoes", "titulo"},
      {"fmConfiguracoes", "tituloPaginaBraco"},
      {"fmConfiguracoes", "tituloPaginaIntrumentos"},
      {"fmConfiguracoes", "tituloPaginaDrivers"},
      {"fmConfiguracoes", "lblOrientacao"},
      {"fmConfiguracoes", "radioBracoNormal"},
      {"fmConfiguracoes", "radioBracoNormalI"},
      {"fmConfiguracoes", "radioBracoFrente"},
      {"fmConfiguracoes", "radioBracoFrenteI"},
      {"fmConfiguracoes", "hintCanhoto"},
      {"fmConfiguracoes", "lblInstrumentoSelecionado"},
      {"fmConfiguracoes", "lblListaInstrumentos"},
      {"fmConfiguracoes", "btnNovoInst"},
      {"fmConfiguracoes", "btnEditarInst"},
      {"fmConfiguracoes", "btnRemoverInst"},
      {"fmConfiguracoes", "btnSelecionarInst"},
      {"fmConfiguracoes", "hintBtnRemoverPadrao"},
      {"fmConfiguracoes", "msgNenhumInstrumento"},
      {"fmConfiguracoes", "msgRemoverInstrumento"},
      {"fmConfiguracoes", "lblDrivers"},
      {"fmConfiguracoes", "btnAssistenteDriver"},
      {"fmCriarInstrumento", "tituloCriar"},
      {"fmCriarInstrumento", "tituloEditar"},
      {"fmCriarInstrumento", "lblNome"},
      {"fmCriarInstrumento", "lblDescricao"},
      {"fmCriarInstrumento", "lblCordas"},
      {"fmCriarInstrumento", "lblCasas"},
      {"fmCriarInstrumento", "lblSomInstrumento"},
      {"fmCriarInstrumento", "lblAfinacao"},
      {"fmCriarInstrumento", "hintCorda"},
      {"fmCriarInstrumento", "hintNota"},
      {"fmCriarInstrumento", "btnSalvar"},
      {"fmCriarInstrumento", "btnCriar"},
      {"fmCriarInstrumento", "btnCancelar"},
      {"fmCriarInstrumento", "palavraCordas"},
      {"fmCriarInstrumento", "textoOitavaGrave"},
      {"fmCriarInstrumento", "textoOitavaMedia"},
      {"fmCriarInstrumento", "textoOitavaAguda"},
      {"fmCriarInstrumento", "mensagemNome"},
      {"fmCriarInstrumento", "msgEdicaoInstrumentoPadrao"},
  };
  const auto chaves = chavesDoIdioma(GetParam().base);
  const auto leitor = LeitorIni::deArquivo(idm());
  for (const auto& [secao, chave] : usadas) {
    EXPECT_TRUE(chaves.count({secao, chave})) << secao << "/" << chave << " is missing";
    EXPECT_NE(leitor.ler(secao, chave, ""), "") << secao << "/" << chave << " has no text";
  }
}

TEST_P(ArquivoIdiomaEntregue, ImagemDeEntradaEUmJpegDe250PorDentroDoPacote) {
  if (!temPacote()) GTEST_SKIP() << "built without the artwork tool";
  teste::InteracaoGravada interacao;
  Idioma idioma(PASTA_DADOS, GetParam().base + ".idm", GetParam().base + ".dat", interacao);
  const auto imagem = idioma.getImagem("fmEntrada", "imgEntrada");
  ASSERT_TRUE(imagem);
  EXPECT_EQ(imagem->largura, 250);
  EXPECT_EQ(imagem->altura, 250);
  EXPECT_TRUE(interacao.mensagens.empty());
}

TEST_P(ArquivoIdiomaEntregue, NaoSobraReferenciaDeImagemSemResolver) {
  if (!temPacote()) GTEST_SKIP() << "built without the artwork tool";
  for (const auto& linha : texto::linhas(teste::lerArquivo(idm()))) {
    const auto igual = linha.find('=');
    if (igual == std::string::npos) continue;
    EXPECT_NE(texto::aparar(linha.substr(igual + 1)).rfind('@', 0), 0u) << linha;
  }
}

// The help pages a language points to are shipped, with the places the windows open them at.
TEST_P(ArquivoIdiomaEntregue, PaginasDeAjudaQueOIdiomaApontaExistem) {
  const auto leitor = LeitorIni::deArquivo(idm());
  const fs::path ajuda = PASTA_DADOS / leitor.ler("parametros", "caminhoAjuda", "");
  const fs::path sintaxe =
      PASTA_DADOS / leitor.ler("parametros", "diretorioAjuda", "") / "cifrasframe.html";
  for (const auto& pagina : {ajuda, sintaxe}) {
    ASSERT_TRUE(fs::is_regular_file(pagina)) << pagina;
  }
  const std::string texto = texto::lerArquivo(ajuda);
  for (const char* ancora : {"id=\"telaCifras\"", "href=\"cifrasframe.html\""}) {
    EXPECT_NE(texto.find(ancora), std::string::npos) << ancora;
  }
}

INSTANTIATE_TEST_SUITE_P(Idiomas, ArquivoIdiomaEntregue,
                         ::testing::Values(IdiomaEntregue{"en", "English"},
                                           IdiomaEntregue{"pt-BR", TXT("Português (Brasil)")}),
                         [](const auto& info) {
                           return info.param.base == "en" ? std::string("en") : std::string("ptBR");
                         });

TEST(ArquivosIdioma, OsDoisIdiomasTemAsMesmasSecoesEChaves) {
  const auto ingles = chavesDoIdioma("en");
  const auto portugues = chavesDoIdioma("pt-BR");
  ASSERT_FALSE(ingles.empty());
  for (const auto& [secao, chave] : ingles) {
    EXPECT_TRUE(portugues.count({secao, chave})) << secao << "/" << chave << " only in en.idm";
  }
  for (const auto& [secao, chave] : portugues) {
    EXPECT_TRUE(ingles.count({secao, chave})) << secao << "/" << chave << " only in pt-BR.idm";
  }
}

}  // namespace
}  // namespace tessara
