// Checks the language files as the build installs them beside the executables.

#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "Cp1252.h"
#include "LeitorIni.h"
#include "PastaTemporaria.h"
#include "Texto.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;

using Chave = std::pair<std::string, std::string>;

const fs::path PASTA_DADOS{TESSARA_BIN_DIR};

// (section, key) pairs with their values, case-sensitive and first occurrence first, as the
// program's own loader reads them; the INI reader of the tests ignores letter case.
std::set<Chave> chavesDe(const std::string& conteudo) {
  std::set<Chave> chaves;
  std::string secao;
  for (const auto& linha : texto::linhas(conteudo)) {
    const std::string aparada = texto::aparar(linha);
    if (aparada.empty()) continue;
    if (aparada.front() == '[') {
      secao = aparada.substr(1, aparada.size() - 2);
      continue;
    }
    const auto igual = linha.find('=');
    if (igual != std::string::npos) chaves.emplace(secao, linha.substr(0, igual));
  }
  return chaves;
}

std::set<Chave> chavesDoIdioma(const std::string& base) {
  return chavesDe(teste::lerArquivo(PASTA_DADOS / (base + ".idm")));
}

struct Localizacao {
  long long offset;
  long long tamanho;
};

std::optional<Localizacao> localizacaoDe(const std::string& valor) {
  const auto virgula = valor.find(',');
  if (virgula == std::string::npos) return std::nullopt;
  const auto offset = texto::inteiro(valor.substr(0, virgula));
  const auto tamanho = texto::inteiro(valor.substr(virgula + 1));
  if (!offset || !tamanho || *offset < 0 || *tamanho <= 0) return std::nullopt;
  return Localizacao{*offset, *tamanho};
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
      {"fmEntrada", "imgEntrada"},
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
  const std::string valor = LeitorIni::deArquivo(idm()).ler("fmEntrada", "imgEntrada", "");
  const auto local = localizacaoDe(valor);
  ASSERT_TRUE(local) << "imgEntrada=" << valor;
  const std::string pacote = teste::lerArquivo(dat());
  ASSERT_LE(local->offset + local->tamanho, static_cast<long long>(pacote.size()));

  const std::string jpeg = pacote.substr(static_cast<size_t>(local->offset),
                                         static_cast<size_t>(local->tamanho));
  tjhandle descompressor = tjInitDecompress();
  int largura = 0, altura = 0, subamostragem = 0, cores = 0;
  const int rc = tjDecompressHeader3(descompressor,
                                     reinterpret_cast<const unsigned char*>(jpeg.data()),
                                     static_cast<unsigned long>(jpeg.size()), &largura, &altura,
                                     &subamostragem, &cores);
  tjDestroy(descompressor);
  ASSERT_EQ(rc, 0) << "not a JPEG picture";
  EXPECT_EQ(largura, 250);
  EXPECT_EQ(altura, 250);
  EXPECT_EQ(jpeg.substr(jpeg.size() - 2), "\xFF\xD9") << "the picture is cut short";
}

TEST_P(ArquivoIdiomaEntregue, NaoSobraReferenciaDeImagemSemResolver) {
  if (!temPacote()) GTEST_SKIP() << "built without the artwork tool";
  for (const auto& linha : texto::linhas(teste::lerArquivo(idm()))) {
    const auto igual = linha.find('=');
    if (igual == std::string::npos) continue;
    EXPECT_NE(texto::aparar(linha.substr(igual + 1)).rfind('@', 0), 0u) << linha;
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
