#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "ExecucaoCli.h"
#include "PastaTemporaria.h"
#include "Processo.h"
#include "foundations/Cp1252.h"

namespace tessara {
namespace {

teste::ResultadoProcesso cli(const std::vector<std::string>& argumentos,
                             const teste::PastaTemporaria& configuracao) {
  return teste::executarCli(argumentos, configuracao);
}

TEST(CliIdiomas, ListaOsIdiomasEmUtf8MarcandoOConfigurado) {
  teste::PastaTemporaria configuracao;
  auto r = cli({"languages"}, configuracao);
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, "*English\nPortuguês (Brasil)\n");

  configuracao.escrever("tessara.ini", "[geral]\nidioma=" + TXT("português (brasil)") + "\n");
  r = cli({"languages"}, configuracao);
  EXPECT_EQ(r.saida, "English\n*Português (Brasil)\n");
}

// With no settings yet, the language is the locale's: LC_ALL, then LC_MESSAGES, then LANG.
// Settings naming a language no file has: the locale's is used, and one line names the file
// and its key.
TEST(CliIdiomas, IdiomaDesconhecidoNasConfiguracoesSegueOLocale) {
  teste::PastaTemporaria configuracao;
  const auto ini = configuracao.escrever("tessara.ini", "[geral]\nidioma=Klingon\n");
  const auto r =
      teste::executarCli({"parse", "C7M"}, configuracao, {}, TESSARA_CLI, {{"LANG", "pt_BR.UTF-8"}});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.erros, "tessara-cli: warning: " + ini.string() +
                         ": idioma=Klingon names no language file; Português (Brasil) is used\n");
  EXPECT_TRUE(r.saida.starts_with("C7M\t")) << r.saida;
}

TEST(CliIdiomas, PrimeiraPartidaSegueOLocale) {
  const struct {
    std::map<std::string, std::string> ambiente;
    const char* lista;
  } casos[] = {
      {{{"LANG", "pt_BR.UTF-8"}}, "English\n*Português (Brasil)\n"},
      {{{"LANG", "C"}}, "*English\nPortuguês (Brasil)\n"},
      {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "pt_PT"}}, "English\n*Português (Brasil)\n"},
      {{{"LANG", "pt_BR.UTF-8"}, {"LC_ALL", "C"}}, "*English\nPortuguês (Brasil)\n"},
  };
  for (const auto& c : casos) {
    teste::PastaTemporaria configuracao;
    const auto r = teste::executarCli({"languages"}, configuracao, {}, TESSARA_CLI, c.ambiente);
    EXPECT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(r.saida, c.lista) << ::testing::PrintToString(c.ambiente);
    EXPECT_TRUE(std::filesystem::is_empty(configuracao.caminho()));
  }
  // Settings that name a language win over the locale, in UTF-8 as an editor writes them too.
  teste::PastaTemporaria configuracao;
  configuracao.escrever("tessara.ini", "[geral]\nidioma=English\n");
  auto r =
      teste::executarCli({"languages"}, configuracao, {}, TESSARA_CLI, {{"LANG", "pt_BR.UTF-8"}});
  EXPECT_EQ(r.saida, "*English\nPortuguês (Brasil)\n");
  configuracao.escrever("tessara.ini", "[geral]\nidioma=Português (Brasil)\n");
  r = cli({"languages"}, configuracao);
  EXPECT_EQ(r.saida, "English\n*Português (Brasil)\n");
}

TEST(CliIdiomas, VersaoEUso) {
  teste::PastaTemporaria configuracao;
  const auto versao = cli({"--version"}, configuracao);
  EXPECT_EQ(versao.status, 0);
  EXPECT_EQ(versao.saida, std::string("tessara-cli ") + TESSARA_VERSAO + "\n");

  for (const std::vector<std::string>& ruim :
       {std::vector<std::string>{}, std::vector<std::string>{"nonsense"},
        std::vector<std::string>{"languages", "extra"}}) {
    const auto r = cli(ruim, configuracao);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.saida.empty());
    EXPECT_NE(r.erros.find("usage: tessara-cli"), std::string::npos);
  }
}

TEST(CliIdiomas, AjudaDeUmComandoSoMostraOUsoDele) {
  teste::PastaTemporaria configuracao;
  const struct {
    std::vector<std::string> argumentos;
    std::string uso;
  } casos[] = {
      {{"chord", "--help"}, "chord NAME"},
      {{"--lang", "en", "print", "--pdf", "x.pdf", "C", "-h"}, "print --pdf FILE"},
      {{"fretboard", "--help"}, "fretboard NAME|FRETS"},
  };
  for (const auto& c : casos) {
    const auto r = cli(c.argumentos, configuracao);
    EXPECT_EQ(r.status, 0) << c.uso;
    EXPECT_EQ(r.saida.rfind("usage: tessara-cli", 0), 0u) << r.saida;
    EXPECT_NE(r.saida.find(c.uso), std::string::npos) << r.saida;
    EXPECT_EQ(r.erros, "");
  }
  EXPECT_FALSE(std::filesystem::exists(configuracao / "x.pdf"));
  EXPECT_FALSE(std::filesystem::exists("x.pdf"));
}

}  // namespace
}  // namespace tessara
