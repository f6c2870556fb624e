#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ExecucaoCli.h"
#include "PastaTemporaria.h"
#include "Processo.h"
#include "TesteCli.h"
#include "foundations/Texto.h"

namespace tessara {
namespace {

using CliEscalas = teste::TesteCli;

namespace fs = std::filesystem;

const char* const kMaior = "Major (Ionian)";

TEST_F(CliEscalas, NomesNosDoisIdiomasNaMesmaOrdem) {
  const auto en = cli({"--lang", "en", "scales"});
  const auto pt = cli({"--lang", "pt", "scales"});
  ASSERT_EQ(en.status, 0) << en.erros;
  ASSERT_EQ(pt.status, 0) << pt.erros;
  const auto ingles = texto::linhas(en.saida);
  const auto portugues = texto::linhas(pt.saida);
  ASSERT_EQ(ingles.size(), 20u);
  ASSERT_EQ(portugues.size(), ingles.size());
  const std::pair<size_t, const char*> pares[] = {
      {0, "Maior (jônio)"}, {5, "Menor natural (eólio)"}, {15, "Cromática"}};
  EXPECT_EQ(ingles[0], kMaior);
  EXPECT_EQ(ingles[5], "Natural minor (Aeolian)");
  EXPECT_EQ(ingles[15], "Chromatic");
  for (const auto& [i, nome] : pares) EXPECT_EQ(portugues[i], nome);
  EXPECT_EQ(cli({"scales", "extra"}).status, 2);
}

TEST_F(CliEscalas, MaiorEmTsv) {
  auto r = cli({"--lang", "en", "scale", kMaior, "C", "--format", "tsv"});
  ASSERT_EQ(r.status, 0) << r.erros;
  auto l = texto::linhas(r.saida);
  ASSERT_EQ(l.size(), 288u);
  EXPECT_EQ(l[0], "0\t306\t3,0,2,3,0,2,0,1\t1,2,2,2,3,3,4,4\t1,0,1,2,0,1,0,1\t1,2,1,2,1,2,1,2");
  EXPECT_EQ(l[1], "1\t306\t10,7,9,10,8,10,7,8\t2,3,3,3,4,4,5,5\t4,1,3,4,2,4,1,2\t1,2,1,2,1,2,1,2");
  EXPECT_TRUE(l[287].starts_with("287\t"));

  r = cli({"--lang", "en", "scale", kMaior, "A", "--format", "tsv"});
  EXPECT_EQ(texto::linhas(r.saida).size(), 264u);
  EXPECT_TRUE(r.saida.starts_with("0\t306\t")) << r.saida.substr(0, 80);

  r = cli({"--lang", "en", "--instrument", "Cavaquinho", "scale", kMaior, "C", "--format", "tsv"});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(texto::linhas(r.saida).size(), 72u);
}

TEST_F(CliEscalas, TextoComLimite) {
  const auto r = cli({"--lang", "en", "scale", "Minor pentatonic", "A", "--limit", "1"});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida,
            "0: cost 305\n"
            "  string 0  fret  5  finger 4  I\n"
            "  string 1  fret  3  finger 2  M\n"
            "  string 1  fret  5  finger 4  I\n"
            "  string 2  fret  2  finger 1  M\n"
            "  string 2  fret  5  finger 4  I\n"
            "  string 3  fret  2  finger 1  M\n");
}

// A root is a label of the language, or a note name, in any letter case; a scale name may
// differ from the base's in letter case too.
TEST_F(CliEscalas, TonicasENomesEquivalentes) {
  const auto esperada = cli({"--lang", "en", "scale", kMaior, "C# or Db", "--format", "tsv"});
  ASSERT_EQ(esperada.status, 0) << esperada.erros;
  for (const char* tonica : {"C#", "Db", "c#", "db", "c# OR db"}) {
    const auto r = cli({"--lang", "en", "scale", "major (ionian)", tonica, "--format", "tsv"});
    EXPECT_EQ(r.status, 0) << tonica << ": " << r.erros;
    EXPECT_EQ(r.saida, esperada.saida) << tonica;
  }
  const auto pt = cli({"--lang", "pt", "scale", "Maior (jônio)", "C# ou Db", "--format", "tsv"});
  EXPECT_EQ(pt.status, 0) << pt.erros;
  EXPECT_EQ(pt.saida, esperada.saida);
}

TEST_F(CliEscalas, Erros) {
  struct Caso {
    std::vector<std::string> argumentos;
    int status;
    const char* erro;
  };
  const Caso casos[] = {
      {{"--lang", "en", "scale", "Ionian", "C"},
       2,
       "scale: NAME: no scale named 'Ionian'; 'tessara-cli scales' lists the scale names\n"},
      {{"--lang", "en", "scale", kMaior, "H"}, 2, "scale: ROOT: 'H' is no root"},
      {{"--lang", "pt", "scale", "Maior (jônio)", "C# or Db"}, 2, "  C# ou Db\n"},
      {{"--lang", "en", "--instrument", "Cavaquinho", "scale", "Major (Ionian), two octaves", "C"},
       1,
       "This scale cannot be laid out on the current instrument in this key."},
      {{"--lang", "en", "scale", kMaior}, 2, "usage:"},
      {{"--lang", "en", "scale", kMaior, "C", "D"}, 2, "usage:"},
      {{"--lang", "en", "scale", kMaior, "C", "--limit", "0"}, 2, "usage:"},
      {{"--lang", "en", "scale", kMaior, "C", "--limit"}, 2, "usage:"},
      {{"--lang", "en", "scale", kMaior, "C", "--format", "json"}, 2, "usage:"},
  };
  for (const auto& c : casos) {
    const auto r = cli(c.argumentos);
    EXPECT_EQ(r.status, c.status) << c.argumentos.back();
    EXPECT_TRUE(r.saida.empty()) << c.argumentos.back();
    EXPECT_NE(r.erros.find(c.erro), std::string::npos) << r.erros;
  }
}

// A copy of the program with the English language file and, when given, its own scale base.
fs::path instalar(const teste::PastaTemporaria& instalacao, const std::string& escalas = {}) {
  const fs::path programa = instalacao / "tessara-cli";
  fs::copy_file(TESSARA_CLI, programa);
  fs::copy_file(fs::path(TESSARA_BIN_DIR) / "en.idm", instalacao / "en.idm");
  if (!escalas.empty()) instalacao.escrever("scales.xml", escalas);
  return programa;
}

// A program installed without its scale base says which file it misses.
TEST_F(CliEscalas, BaseAusente) {
  teste::PastaTemporaria instalacao;
  const auto programa = instalar(instalacao);
  for (const auto& argumentos : {std::vector<std::string>{"--lang", "en", "scales"},
                                 std::vector<std::string>{"--lang", "en", "scale", kMaior, "C"}}) {
    const auto r = cli(argumentos, {}, programa.string());
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.saida.empty());
    EXPECT_NE(r.erros.find("could not find its scale base file"), std::string::npos) << r.erros;
    EXPECT_NE(r.erros.find((instalacao / "scales.xml").string() + "'"), std::string::npos)
        << r.erros;
  }
}

// A scale base edited by hand: a scale longer than a display holds, a damaged offset.
TEST_F(CliEscalas, BaseEditada) {
  teste::PastaTemporaria instalacao;
  std::string longa = "<c><escala><nome>Long</nome>";
  for (int i = 0; i <= 24; ++i) longa += "<frequencia>" + std::to_string(i) + "</frequencia>";
  longa += "</escala><escala><nome>Bad</nome><frequencia>x</frequencia></escala></c>";
  const auto programa = instalar(instalacao, longa);

  auto r = cli({"--lang", "en", "scales"}, {}, programa.string());
  EXPECT_EQ(r.saida, "Long\nBad\n");
  r = cli({"--lang", "en", "scale", "Long", "E"}, {}, programa.string());
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.saida.empty());
  EXPECT_EQ(r.erros, "tessara-cli: the scale 'Long' has 25 notes; a display holds at most 24\n");
  r = cli({"--lang", "en", "scale", "Bad", "E"}, {}, programa.string());
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.erros, "tessara-cli: The file holds an invalid value (element frequencia)\n");
}

}  // namespace
}  // namespace tessara
