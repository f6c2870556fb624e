#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "TesteCli.h"

namespace tessara {
namespace {

using Argumentos = std::vector<std::string>;

std::vector<std::string> linhas(const std::string& texto) {
  std::vector<std::string> resultado;
  std::istringstream entrada(texto);
  for (std::string linha; std::getline(entrada, linha);) resultado.push_back(linha);
  return resultado;
}

std::vector<std::string> campos(const std::string& linha) {
  std::vector<std::string> resultado;
  std::istringstream entrada(linha);
  for (std::string campo; std::getline(entrada, campo, '\t');) resultado.push_back(campo);
  return resultado;
}

class CliDisposicaoCapo : public teste::TesteCli {
 protected:
  CliDisposicaoCapo() { idioma = "en"; }
};

// The capo, before or after the command: the shape counted from it, named by its sound with
// the shape's name beside it, in every format; notes named and played at pitch.
TEST_F(CliDisposicaoCapo, CapoContaAsCasasAPartirDele) {
  const std::pair<Argumentos, std::string> casos[] = {
      {{"--capo", "2", "chord", "D", "--format", "tsv"}, "1\tD\t-1 3 2 0 1 0\t0 3 2 0 1 0\tC"},
      {{"chord", "D", "--format", "tsv", "--capo", "2"}, "1\tD\t-1 3 2 0 1 0\t0 3 2 0 1 0\tC"},
      {{"--capo", "5", "chord", "A", "--format", "tsv"}, "1\tA\t0 2 2 1 0 0\t0 2 3 1 0 0\tE"},
      {{"--capo", "0", "chord", "C", "--format", "tsv"}, "1\tC\t-1 3 2 0 1 0\t0 3 2 0 1 0"},
      {{"--capo", "2", "chord", "D"}, "D, shape C  1/"},
      {{"--capo", "2", "name", "x32010"}, "D"},
  };
  for (const auto& [argumentos, esperada] : casos) {
    SCOPED_TRACE(::testing::PrintToString(argumentos));
    const auto r = cli(argumentos);
    ASSERT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(linhas(r.saida).front().substr(0, esperada.size()), esperada);
  }
  const auto json = cli({"--capo", "2", "chord", "D", "--format", "json"});
  EXPECT_NE(
      json.saida.find("\"notes\": [null, \"D\", \"F#\", \"A\", \"D\", \"F#\"], \"intervals\": "
                      "[null, \"R\", \"3\", \"5\", \"R\", \"3\"], \"shape\": \"C\"}"),
      std::string::npos)
      << json.saida;
  // A song's own capo line is still the sheet command's.
  const auto folha = cli({"sheet", "--capo", "2", "--to", "chordpro", "-"}, "C\nla\n");
  EXPECT_EQ(folha.status, 0) << folha.erros;
  EXPECT_NE(folha.saida.find("{capo: 2}"), std::string::npos) << folha.saida;
}

// Each voicing from the command line; inversions name their bass.
TEST_F(CliDisposicaoCapo, DisposicoesNaLinhaDeComando) {
  const struct {
    const char* acorde;
    const char* disposicao;
    std::set<std::string> nomes;
    size_t soando;  // strings sounding in the first fingering, 0: not checked
  } casos[] = {{"C", "inversions", {"C/E", "C/G"}, 0},
               {"G7", "drop2", {"G7"}, 4},
               {"G7", "drop3", {"G7"}, 4},
               {"Cmaj7", "shell", {"Cmaj7"}, 3},
               {"C7(9)", "rootless", {"C7(9)"}, 0},
               {"C", "root", {"C"}, 5}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(std::string(caso.acorde) + " " + caso.disposicao);
    const auto r = cli({"chord", caso.acorde, "--voicing", caso.disposicao, "--format", "tsv"});
    ASSERT_EQ(r.status, 0) << r.erros;
    std::set<std::string> nomes;
    for (const auto& linha : linhas(r.saida)) nomes.insert(campos(linha).at(1));
    EXPECT_EQ(nomes, caso.nomes);
    if (caso.soando == 0) continue;
    const std::string casas = campos(linhas(r.saida).front()).at(2);
    std::istringstream entrada(casas);
    size_t soando = 0;
    for (int casa; entrada >> casa;) soando += casa >= 0 ? 1 : 0;
    EXPECT_EQ(soando, caso.soando) << casas;
  }
}

// Refused with what is accepted; a voicing the chord does not take and a capo past the last
// fret leave no fingering and say why.
TEST_F(CliDisposicaoCapo, EntradasRecusadas) {
  const struct {
    Argumentos argumentos;
    int status;
    std::string mensagem;
  } casos[] = {
      {{"--capo", "13", "chord", "D"},
       2,
       "--capo: '13' is not accepted; accepted values: a whole number from 0 to 12"},
      {{"chord", "D", "--capo", "-1"}, 2, "--capo: '-1' is not accepted"},
      {{"--capo", "two", "chord", "D"}, 2, "--capo: 'two' is not accepted"},
      {{"chord", "D", "--capo"}, 2, "--capo needs a value: a whole number from 0 to 12"},
      {{"chord", "D", "--voicing", "drop4"},
       2,
       "--voicing: 'drop4' is not accepted; accepted values: root, inversions, rootless, drop2, "
       "drop3, shell"},
      {{"chord", "G7", "--voicing", "rootless"},
       1,
       "error: 'G7' has no fingering on this instrument in the rootless voicing"},
      {{"--instrument", "Curto", "--capo", "6", "chord", "D"},
       1,
       "error: 'D' has no fingering: the capo at fret 6 is past the instrument's last fret (5)"},
  };
  configuracao.escrever(
      "instrumentos.xml",
      "<colecaoInstrumento><instrumento><nome>Curto</nome><numeroCordas>6</numeroCordas>"
      "<numeroCasas>5</numeroCasas><distancia>3</distancia><som>24</som><afinacao>"
      "<frequencia>40</frequencia><frequencia>45</frequencia><frequencia>50</frequencia>"
      "<frequencia>55</frequencia><frequencia>59</frequencia><frequencia>64</frequencia>"
      "</afinacao></instrumento></colecaoInstrumento>");
  for (const auto& caso : casos) {
    SCOPED_TRACE(::testing::PrintToString(caso.argumentos));
    const auto r = cli(caso.argumentos);
    EXPECT_EQ(r.status, caso.status);
    EXPECT_EQ(r.saida, "");
    EXPECT_NE(r.erros.find(caso.mensagem), std::string::npos) << r.erros;
  }
}

}  // namespace
}  // namespace tessara
