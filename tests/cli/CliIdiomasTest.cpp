#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "ExecucaoCli.h"
#include "PastaTemporaria.h"
#include "Processo.h"
#include "TesteCli.h"
#include "foundations/Cp1252.h"

namespace tessara {
namespace {

using CliIdiomas = teste::TesteCli;

TEST_F(CliIdiomas, ListaOsIdiomasEmUtf8MarcandoOConfigurado) {
  auto r = cli({"languages"});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, "*English\nPortuguês (Brasil)\n");

  configuracao.escrever("tessara.ini", "[geral]\nidioma=" + TXT("português (brasil)") + "\n");
  r = cli({"languages"});
  EXPECT_EQ(r.saida, "English\n*Português (Brasil)\n");
}

// With no settings yet, the language is the locale's: LC_ALL, then LC_MESSAGES, then LANG.
// Settings naming a language no file has: the locale's is used, and one line names the file
// and its key.
TEST_F(CliIdiomas, IdiomaDesconhecidoNasConfiguracoesSegueOLocale) {
  const auto ini = configuracao.escrever("tessara.ini", "[geral]\nidioma=Klingon\n");
  const auto r = teste::executarCli({"parse", "C7M"}, configuracao, {}, TESSARA_CLI,
                                    {{"LANG", "pt_BR.UTF-8"}});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.erros, "tessara-cli: warning: " + ini.string() +
                         ": idioma=Klingon names no language file; Português (Brasil) is used\n");
  EXPECT_TRUE(r.saida.starts_with("C7M\t")) << r.saida;
}

TEST_F(CliIdiomas, PrimeiraPartidaSegueOLocale) {
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
    teste::PastaTemporaria nova;
    const auto r = teste::executarCli({"languages"}, nova, {}, TESSARA_CLI, c.ambiente);
    EXPECT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(r.saida, c.lista) << ::testing::PrintToString(c.ambiente);
    EXPECT_TRUE(std::filesystem::is_empty(nova.caminho()));
  }
  // Settings that name a language win over the locale, in UTF-8 as an editor writes them too.
  configuracao.escrever("tessara.ini", "[geral]\nidioma=English\n");
  auto r =
      teste::executarCli({"languages"}, configuracao, {}, TESSARA_CLI, {{"LANG", "pt_BR.UTF-8"}});
  EXPECT_EQ(r.saida, "*English\nPortuguês (Brasil)\n");
  configuracao.escrever("tessara.ini", "[geral]\nidioma=Português (Brasil)\n");
  r = cli({"languages"});
  EXPECT_EQ(r.saida, "English\n*Português (Brasil)\n");
}

TEST_F(CliIdiomas, VersaoEUso) {
  const auto versao = cli({"--version"});
  EXPECT_EQ(versao.status, 0);
  EXPECT_EQ(versao.saida, std::string("tessara-cli ") + TESSARA_VERSAO + "\n");

  for (const std::vector<std::string>& ruim :
       {std::vector<std::string>{}, std::vector<std::string>{"nonsense"},
        std::vector<std::string>{"languages", "extra"}}) {
    const auto r = cli(ruim);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.saida.empty());
    EXPECT_NE(r.erros.find("usage: tessara-cli"), std::string::npos);
  }
}

TEST_F(CliIdiomas, AjudaDeUmComandoSoMostraOUsoDele) {
  const struct {
    std::vector<std::string> argumentos;
    std::string uso;
    std::string opcao;  // a line of its options, with what the option accepts
  } casos[] = {
      {{"chord", "--help"}, "chord NAME", "\n  --format (json, text, tsv)\n"},
      {{"--lang", "en", "print", "--pdf", "x.pdf", "C", "-h"},
       "print --pdf FILE",
       "\n  --labels (fingers, intervals, notes)\n"},
      {{"fretboard", "--help"}, "fretboard NAME|FRETS", "\n  --scale (a scale's NAME and ROOT)\n"},
      {{"name", "--help"}, "name FRETS", "\n  --readings\n"},
  };
  for (const auto& c : casos) {
    const auto r = cli(c.argumentos);
    EXPECT_EQ(r.status, 0) << c.uso;
    EXPECT_EQ(r.saida.rfind("usage: tessara-cli", 0), 0u) << r.saida;
    EXPECT_NE(r.saida.find(c.uso), std::string::npos) << r.saida;
    EXPECT_NE(r.saida.find(c.opcao), std::string::npos) << r.saida;
    EXPECT_EQ(r.erros, "");
  }
  EXPECT_FALSE(std::filesystem::exists(configuracao / "x.pdf"));
  EXPECT_FALSE(std::filesystem::exists("x.pdf"));
}

}  // namespace
}  // namespace tessara
