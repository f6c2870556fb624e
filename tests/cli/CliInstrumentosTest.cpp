#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "ExecucaoCli.h"
#include "PastaTemporaria.h"
#include "Processo.h"
#include "TesteCli.h"
#include "foundations/Texto.h"

namespace tessara {
namespace {

using CliInstrumentos = teste::TesteCli;

const std::string kEnviado = std::string(TESSARA_BIN_DIR) + "/instrumentos.xml";

// A settings folder that cannot be made is named as such, and the shipped instruments are
// still read.
TEST_F(CliInstrumentos, PastaDeConfiguracaoSemEscrita) {
  teste::PastaTemporaria pasta;
  const auto arquivo = pasta.escrever("arquivo", "");
  const auto r = teste::executarProcesso(TESSARA_CLI, {"--lang", "en", "instruments"},
                                         {{"TESSARA_CONFIG_DIR", (arquivo / "tessara").string()}});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_NE(r.erros.find("cannot write to its settings folder"), std::string::npos) << r.erros;
  EXPECT_NE(r.erros.find("Not a directory"), std::string::npos) << r.erros;
  EXPECT_EQ(r.erros.find("reinstall"), std::string::npos) << r.erros;
  const auto linhas = texto::linhas(r.saida);
  ASSERT_GT(linhas.size(), 2u);
  EXPECT_TRUE(linhas[2].starts_with("2\t"));
}

TEST_F(CliInstrumentos, EmbutidosPrimeiroDepoisOsDoArquivo) {
  auto r = cli({"--lang", "pt", "instruments"});
  ASSERT_EQ(r.status, 0) << r.erros;
  auto l = texto::linhas(r.saida);
  ASSERT_GT(l.size(), 2u);
  EXPECT_EQ(l[0], "0\tViolão Padrão\t6\t12\t3\t24\tE2,A2,D3,G3,B3,E4");
  EXPECT_EQ(l[1], "1\tCavaquinho\t4\t12\t4\t24\tD3,G3,B3,E4");
  EXPECT_TRUE(l[2].starts_with("2\t"));
  EXPECT_TRUE(r.erros.empty());
  // The first run copies the shipped base into the user's folder.
  EXPECT_EQ(teste::lerArquivo(configuracao / "instrumentos.xml"), teste::lerArquivo(kEnviado));

  r = cli({"--lang", "en", "instruments"});
  ASSERT_EQ(r.status, 0) << r.erros;
  l = texto::linhas(r.saida);
  EXPECT_EQ(l[0], "0\tStandard Guitar\t6\t12\t3\t25\tE2,A2,D3,G3,B3,E4");

  // The user's own instruments, read from the user's file in CP1252.
  configuracao.escrever("instrumentos.xml",
                        "<colecaoInstrumento><instrumento><nome>Viol\xE3o de 7</nome>"
                        "<numeroCordas>6</numeroCordas><numeroCasas>14</numeroCasas>"
                        "<distancia>3</distancia><som>24</som><afinacao><frequencia>36</frequencia>"
                        "</afinacao></instrumento></colecaoInstrumento>");
  r = cli({"--lang", "en", "instruments"});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(texto::linhas(r.saida),
            (std::vector<std::string>{"0\tStandard Guitar\t6\t12\t3\t25\tE2,A2,D3,G3,B3,E4",
                                      "1\tCavaquinho\t4\t12\t4\t24\tD3,G3,B3,E4",
                                      "2\tViolão de 7\t6\t14\t3\t24\tC2"}));
}

TEST_F(CliInstrumentos, OpcaoInstrumento) {
  for (const char* nome : {"Cavaquinho", "standard guitar", "Guitar in DADGAD"}) {
    const auto r = cli({"--lang", "en", "--instrument", nome, "instruments"});
    EXPECT_EQ(r.status, 0) << nome << ": " << r.erros;
    EXPECT_TRUE(r.erros.empty()) << nome;
  }
  const auto r = cli({"--lang", "pt", "--instrument", "Theremin", "instruments"});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.saida.empty());
  EXPECT_NE(r.erros.find("no instrument named 'Theremin'"), std::string::npos) << r.erros;
  EXPECT_NE(r.erros.find("\n  Violão Padrão\n  Cavaquinho\n"), std::string::npos) << r.erros;
  EXPECT_NE(r.erros.find("Guitar in DADGAD"), std::string::npos) << r.erros;
}

TEST_F(CliInstrumentos, BaseDanificadaOuAusente) {
  const std::string ruim =
      "<colecaoInstrumento><instrumento><nome>X</nome><numeroCordas>seis</numeroCordas>"
      "</instrumento></colecaoInstrumento>";
  configuracao.escrever("instrumentos.xml", ruim);
  auto r = cli({"--lang", "en", "instruments"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.saida.empty());
  EXPECT_EQ(r.erros, "tessara-cli: The file holds an invalid value (element numeroCordas)\n");
  EXPECT_EQ(teste::lerArquivo(configuracao / "instrumentos.xml"), ruim);

  EXPECT_EQ(cli({"instruments", "extra"}).status, 2);
}

// A base that cannot be read as one: the built-in instruments work, and the user is told which
// file and why, and whether a copy was kept.
TEST_F(CliInstrumentos, BaseIlegivelDeixaOsEmbutidos) {
  namespace fs = std::filesystem;
  const struct {
    const char* caso;
    std::function<void(const fs::path&)> fazer;
    const char* motivo;
    bool copia;
  } casos[] = {
      {"folder", [](const fs::path& a) { fs::create_directory(a); }, "a folder, not a file", false},
      {"pipe", [](const fs::path& a) { mkfifo(a.c_str(), 0644); }, "not a regular file", false},
      {"endless", [](const fs::path& a) { fs::create_symlink("/dev/zero", a); },
       "not a regular file", false},
      {"cut short",
       [](const fs::path& a) { std::ofstream(a) << "<colecaoInstrumento><instrumento><nome>V"; },
       "it was cut short", true},
      {"UTF-16", [](const fs::path& a) { std::ofstream(a) << std::string("\xFF\xFE<\0c\0", 6); },
       "not 8-bit text", true},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.caso);
    teste::PastaTemporaria nova;
    const auto arquivo = nova / "instrumentos.xml";
    caso.fazer(arquivo);
    auto r = teste::executarCli({"--lang", "en", "--instrument", "Cavaquinho", "chord", "C"}, nova);
    EXPECT_EQ(r.status, 0) << r.erros;
    EXPECT_NE(r.erros.find("File: '" + arquivo.string() + "' ("), std::string::npos) << r.erros;
    EXPECT_NE(r.erros.find(caso.motivo), std::string::npos) << r.erros;
    EXPECT_EQ(r.erros.find("reinstall"), std::string::npos) << r.erros;
    EXPECT_EQ(fs::exists(nova / "instrumentos.xml.damaged"), caso.copia);
    r = teste::executarCli({"--lang", "en", "instruments"}, nova);
    EXPECT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(texto::linhas(r.saida).size(), 2u) << r.saida;
  }
}

}  // namespace
}  // namespace tessara
