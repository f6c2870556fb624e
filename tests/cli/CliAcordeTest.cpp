#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "ExecucaoCli.h"
#include "PastaTemporaria.h"
#include "Processo.h"
#include "TesteCli.h"
#include "foundations/Texto.h"
#include "sound/PortaFluidSynth.h"

namespace tessara {
namespace {

using Argumentos = std::vector<std::string>;

std::vector<std::string> campos(const std::string& linha, char separador = '\t') {
  std::vector<std::string> resultado;
  std::istringstream entrada(linha);
  for (std::string campo; std::getline(entrada, campo, separador);) resultado.push_back(campo);
  return resultado;
}

std::vector<int> numeros(const std::string& texto) {
  std::vector<int> resultado;
  for (const auto& n : campos(texto, ' ')) resultado.push_back(std::stoi(n));
  return resultado;
}

class CliAcorde : public teste::TesteCli {
 protected:
  // The first line of `chord NAME --format tsv`.
  std::string primeira(const char* idioma, const std::string& nome) const {
    const auto r = cli({"--lang", idioma, "chord", nome, "--format", "tsv"});
    EXPECT_EQ(r.status, 0) << nome << ": " << r.erros;
    return r.saida.substr(0, r.saida.find('\n'));
  }
};

TEST_F(CliAcorde, PrimeiroAsFormasAbertasEAsPestanas) {
  EXPECT_EQ(primeira("en", "C"), "1\tC\t-1 3 2 0 1 0\t0 3 2 0 1 0");
  EXPECT_EQ(primeira("pt", "F"), "1\tF\t1 3 3 2 1 1\t1 3 4 2 1 1");
  const std::pair<const char*, const char*> formas[] = {
      {"C", "-1 3 2 0 1 0"},  {"A", "-1 0 2 2 2 0"},   {"G", "3 2 0 0 0 3"},
      {"E", "0 2 2 1 0 0"},   {"D", "-1 -1 0 2 3 2"},  {"Am", "-1 0 2 2 1 0"},
      {"Em", "0 2 2 0 0 0"},  {"Dm", "-1 -1 0 2 3 1"}, {"E7", "0 2 0 1 0 0"},
      {"A7", "-1 0 2 0 2 0"}, {"D7", "-1 -1 0 2 1 2"}, {"B7", "-1 2 1 2 0 2"},
      {"C7", "-1 3 2 3 1 0"}, {"G7", "3 2 0 0 0 1"},   {"F", "1 3 3 2 1 1"},
      {"Bm", "-1 2 4 4 3 2"}, {"F#m", "2 4 4 2 2 2"},  {"Bb", "-1 1 3 3 3 1"},
  };
  for (const char* idioma : {"pt", "en"}) {
    for (const auto& [nome, casas] : formas) {
      const auto c = campos(primeira(idioma, nome));
      ASSERT_EQ(c.size(), 4u) << idioma << ' ' << nome;
      EXPECT_EQ(c[1], nome) << idioma;
      EXPECT_EQ(c[2], casas) << idioma << ' ' << nome;
    }
  }
}

TEST_F(CliAcorde, ANomeDaBaseSoIgnoraACaixaDaRaiz) {
  // "M" after the root is the major seventh, "m" the minor third.
  const std::pair<const char*, const char*> casos[] = {
      {"CM7", "C7M"}, {"Cm7", "Cm7"}, {"cm7", "Cm7"}, {"c7", "C7"}, {"c7M", "C7M"}};
  for (const auto& [nome, guardado] : casos) {
    const auto c = campos(primeira("pt", nome));
    ASSERT_EQ(c.size(), 4u) << nome;
    EXPECT_EQ(c[1], guardado) << nome;
  }
}

TEST_F(CliAcorde, DiagramaComOsDedos) {
  const auto r = cli({"--lang", "pt", "chord", "c"});
  ASSERT_EQ(r.status, 0) << r.erros;
  const std::string esperado =
      "C  1/5\n"
      "   x     o   o\n"
      "   ===========\n"
      " 1 | | | | 1 |\n"
      " 2 | | 2 | | |\n"
      " 3 | 3 | | | |\n"
      " 4 | | | | | |\n"
      "   frets x32010  fingers 032010\n"
      "\n";
  EXPECT_EQ(r.saida.substr(0, esperado.size()), esperado);
  // Up the neck the diagram starts at the lowest pressed fret.
  const auto am = cli({"--lang", "en", "chord", "Am", "--format", "text"});
  EXPECT_NE(am.saida.find("   x x\n 5 | | | 1 1 1\n 6 | | | | | |\n 7 | | 3 | | |\n"),
            std::string::npos)
      << am.saida;
}

TEST_F(CliAcorde, TodasAcrescentaAsGeradasSemRepetir) {
  const auto guardadas =
      texto::linhas(cli({"--lang", "en", "chord", "G", "--format", "tsv"}).saida);
  const auto todas =
      texto::linhas(cli({"--lang", "en", "chord", "G", "--all", "--format", "tsv"}).saida);
  ASSERT_EQ(guardadas.size(), 5u);
  ASSERT_GT(todas.size(), guardadas.size());
  std::set<std::string> vistas;
  for (size_t i = 0; i < todas.size(); ++i) {
    const auto c = campos(todas[i]);
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(c[0], std::to_string(i + 1));
    if (i < guardadas.size()) {
      EXPECT_EQ(todas[i], guardadas[i]);
    }
    EXPECT_TRUE(vistas.insert(c[2]).second) << "repeated " << c[2];
  }
}

// The order by playing cost is the chord manager's own test; here every string sounds.
TEST_F(CliAcorde, CavaquinhoTocaAsQuatroCordas) {
  const auto r = cli({"--instrument", "Cavaquinho", "chord", "G", "--format", "tsv"});
  ASSERT_EQ(r.status, 0) << r.erros;
  const auto todas = texto::linhas(r.saida);
  ASSERT_GT(todas.size(), 3u);
  for (const auto& linha : todas) {
    const auto casas = numeros(campos(linha)[2]);
    ASSERT_EQ(casas.size(), 4u) << linha;
    for (int c : casas) EXPECT_GE(c, 0) << linha;
  }
}

TEST_F(CliAcorde, AcordeNovoEJson) {
  const auto r = cli({"--lang", "en", "chord", "C7(b9)/E", "--format", "json"});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida.substr(0, 3), "[\n ");
  EXPECT_NE(r.saida.find("{\"index\": 1, \"name\": \"C7(b9)/E\", \"frets\": [0, "),
            std::string::npos)
      << r.saida;
  EXPECT_EQ(r.saida.substr(r.saida.size() - 4), "}\n]\n");
}

// Notes spelled from the root, intervals in the language's labels, null on a silent string.
TEST_F(CliAcorde, JsonComNotasEIntervalos) {
  const auto ingles = cli({"--lang", "en", "chord", "C7", "--format", "json"});
  ASSERT_EQ(ingles.status, 0) << ingles.erros;
  EXPECT_NE(ingles.saida.find("\"frets\": [-1, 3, 2, 3, 1, 0], \"fingers\": [0, 3, 2, 4, 1, 0], "
                              "\"notes\": [null, \"C\", \"E\", \"Bb\", \"C\", \"E\"], "
                              "\"intervals\": [null, \"R\", \"3\", \"b7\", \"R\", \"3\"]}"),
            std::string::npos)
      << ingles.saida;
  const auto portugues = cli({"--lang", "pt", "chord", "Gb", "--format", "json"});
  ASSERT_EQ(portugues.status, 0) << portugues.erros;
  EXPECT_NE(portugues.saida.find("\"Bb\""), std::string::npos) << portugues.saida;
  EXPECT_EQ(portugues.saida.find("\"A#\""), std::string::npos) << portugues.saida;
  EXPECT_NE(portugues.saida.find("\"3M\""), std::string::npos) << portugues.saida;
}

TEST_F(CliAcorde, NomeRecusado) {
  const std::pair<Argumentos, int> casos[] = {
      {{"--lang", "pt", "chord", "H7"}, 1},
      {{"--lang", "en", "chord", "Cmajor", "--format", "tsv"}, 1},
      {{"chord"}, 2},
      {{"chord", "C", "--format", "xml"}, 2},
      {{"chord", "C", "G"}, 2},
  };
  for (const auto& [argumentos, status] : casos) {
    SCOPED_TRACE(::testing::PrintToString(argumentos));
    const auto r = cli(argumentos);
    EXPECT_EQ(r.status, status);
    EXPECT_TRUE(r.saida.empty()) << r.saida;
    // A bad argument is named by the command, then the command's usage follows.
    EXPECT_EQ(r.erros.substr(0, status == 1 ? 7 : 20),
              status == 1 ? "error: " : "tessara-cli: chord: ");
    if (status == 2) {
      EXPECT_NE(r.erros.find("\nusage: tessara-cli "), std::string::npos);
    }
  }
}

TEST_F(CliAcorde, NomeDasCasas) {
  const std::pair<Argumentos, std::string> casos[] = {
      {{"--lang", "pt", "name", "x32010"}, "C\n"},
      {{"--lang", "pt", "name", "022000"}, "Em\n"},
      {{"--lang", "pt", "name", "320003"}, "G\n"},
      {{"--lang", "pt", "name", "x02210"}, "Am\n"},
      {{"--lang", "pt", "name", "-1,3,2,0,1,0"}, "C\n"},
      // The name as the chord base stores it, in each language.
      {{"--lang", "pt", "name", "x32000"}, "C7M\n"},
      {{"--lang", "en", "name", "x32000"}, "Cmaj7\n"},
      // The root taken from string 2, the open D: over F# a chord of the base, over C a
      // seventh in the bass.
      {{"--lang", "en", "name", "200232", "--root", "2"}, "D/F#\n"},
      {{"--lang", "en", "name", "x30232", "--root", "2"}, "D7/C\n"},
      // Without its fifth a chord keeps its plain name.
      {{"--lang", "pt", "name", "x32310"}, "C7\n"},
      {{"--lang", "en", "name", "x32310"}, "C7\n"},
      {{"--lang", "en", "name", "x32210"}, "C6\n"},
  };
  for (const auto& [argumentos, nome] : casos) {
    SCOPED_TRACE(::testing::PrintToString(argumentos));
    const auto r = cli(argumentos);
    EXPECT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(r.saida, nome);
  }
}

TEST_F(CliAcorde, NomeComCadaLeitura) {
  // One line per different note sounding.
  const std::tuple<Argumentos, const char*, size_t> casos[] = {
      {{"--lang", "en", "name", "032010", "--readings"}, "C/E", 3},
      {{"--lang", "en", "name", "2x0232", "--readings"}, "D/F#", 3},
      {{"--lang", "pt", "name", "x02010", "--readings"}, "Am7", 4},
  };
  for (const auto& [argumentos, primeira, quantas] : casos) {
    SCOPED_TRACE(::testing::PrintToString(argumentos));
    const auto r = cli(argumentos);
    EXPECT_EQ(r.status, 0) << r.erros;
    const auto linhas = texto::linhas(r.saida);
    ASSERT_EQ(linhas.size(), quantas) << r.saida;
    EXPECT_EQ(linhas.front(), primeira);
  }
  EXPECT_EQ(cli({"name", "x32010", "--readings", "--root", "1"}).status, 2);
}

TEST_F(CliAcorde, UkuleleComOSolAgudo) {
  const char* const ukulele = "Ukulele (G C E A)";
  const auto c = cli({"--instrument", ukulele, "chord", "C", "--format", "tsv"});
  EXPECT_EQ(c.status, 0) << c.erros;
  EXPECT_EQ(c.saida.substr(0, c.saida.find('\n')), "1\tC\t0 0 0 3\t0 0 0 1");
  const auto f = cli({"--instrument", ukulele, "name", "2010"});
  EXPECT_EQ(f.status, 0) << f.erros;
  EXPECT_EQ(f.saida, "F\n");
}

TEST_F(CliAcorde, NomeRecusaCasasQueNaoServem) {
  const std::pair<Argumentos, int> casos[] = {
      {{"name", "x3201"}, 1},
      {{"name", "xxxxxx"}, 1},
      {{"name", "x32010", "--root", "0"}, 1},
      {{"name", "x32010", "--root", "9"}, 1},
      {{"name", "x32010", "--root"}, 2},
      {{"name"}, 2},
  };
  for (const auto& [argumentos, status] : casos) {
    SCOPED_TRACE(::testing::PrintToString(argumentos));
    const auto r = cli(argumentos);
    EXPECT_EQ(r.status, status);
    EXPECT_TRUE(r.saida.empty()) << r.saida;
  }
}

TEST_F(CliAcorde, PlayTocaAPrimeiraPosicaoDoNome) {
  if (PortaFluidSynth::procurarSoundFont().empty()) {
    GTEST_SKIP() << "no General MIDI SoundFont installed (package fluid-soundfont-gm)";
  }
  teste::PastaTemporaria arquivos;
  const auto wav = (arquivos / "a.wav").string();
  auto r = cli({"--lang", "pt", "play", "C", "--wav", wav});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, "C3,E3,G3,C4,E4\n");
  r = cli({"--instrument", "cavaquinho", "play", "G", "--wav", wav});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, "G3,B3,D4,G4\n");
  r = cli({"play", "H7", "--wav", (arquivos / "nada.wav").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.erros.find("error: 'H7'"), std::string::npos) << r.erros;
  EXPECT_FALSE(std::filesystem::exists(arquivos / "nada.wav"));
}

// An instrument that cannot play a chord: every command that would show, play or print its
// fingering says so the same way, and none draws strings that all stay silent.
TEST_F(CliAcorde, SemPosicaoDitoDoMesmoJeito) {
  const auto instrumento = [](const std::string& nome, int distancia, const std::string& afinacao) {
    return "<instrumento><nome>" + nome + "</nome><numeroCordas>4</numeroCordas><numeroCasas>12" +
           "</numeroCasas><distancia>" + std::to_string(distancia) + "</distancia><som>24</som>" +
           "<afinacao>" + afinacao + "</afinacao></instrumento>";
  };
  const std::string cavaquinho =
      "<frequencia>50</frequencia><frequencia>55</frequencia><frequencia>59</frequencia>"
      "<frequencia>64</frequencia>";
  configuracao.escrever("instrumentos.xml",
                        "<colecaoInstrumento>" + instrumento("SemAfinacao", 4, "") +
                            instrumento("Negativo", -1, cavaquinho) + "</colecaoInstrumento>");
  teste::PastaTemporaria arquivos;
  const bool comSom = !PortaFluidSynth::procurarSoundFont().empty();
  for (const char* nome : {"SemAfinacao", "Negativo"}) {
    for (const Argumentos& comando :
         {Argumentos{"chord", "C"}, Argumentos{"play", "C", "--wav", (arquivos / "c.wav").string()},
          Argumentos{"print", "--pdf", (arquivos / "c.pdf").string(), "C"}}) {
      SCOPED_TRACE(std::string(nome) + " " + comando[0]);
      if (comando[0] == "play" && !comSom) continue;
      Argumentos argumentos = {"--lang", "en", "--instrument", nome};
      argumentos.insert(argumentos.end(), comando.begin(), comando.end());
      const auto r = cli(argumentos);
      if (r.erros.find("without Qt") != std::string::npos) continue;
      EXPECT_EQ(r.status, 1);
      EXPECT_EQ(r.saida, "");
      EXPECT_EQ(r.erros, "error: 'C' has no fingering on this instrument\n");
    }
  }
  EXPECT_FALSE(std::filesystem::exists(arquivos / "c.wav"));
  EXPECT_FALSE(std::filesystem::exists(arquivos / "c.pdf"));
}

}  // namespace
}  // namespace tessara
