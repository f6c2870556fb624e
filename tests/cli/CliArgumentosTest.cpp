#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "ExecucaoCli.h"
#include "PastaTemporaria.h"
#include "Processo.h"
#include "TesteCli.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;
using Argumentos = std::vector<std::string>;

bool contem(const std::string& texto, const std::string& parte) {
  return texto.find(parte) != std::string::npos;
}

class CliArgumentos : public teste::TesteCli {
 protected:
  teste::PastaTemporaria saidas;
};

// A bad value names its option and what the option accepts, and nothing is done.
TEST_F(CliArgumentos, ValorRecusadoNomeiaAOpcaoEOsValoresAceitos) {
  const std::string png = (saidas / "pagina").string();
  const struct {
    Argumentos argumentos;
    std::string opcao;
    std::string aceitos;
  } casos[] = {
      {{"print", "--zoom", "150", "--png", png, "C"}, "--zoom: '150'", "100, 200, 300"},
      {{"print", "--png", png, "--labels", "frets", "C"},
       "--labels: 'frets'",
       "fingers, intervals, notes"},
      {{"print", "--png", png, "C", "--zoom"}, "--zoom needs a value", "100, 200, 300"},
      {{"chord", "C", "--format", "xml"}, "--format: 'xml'", "json, text, tsv"},
      {{"fretboard", "C", "--png", png, "--orientation", "4"}, "--orientation: '4'", "0, 1, 2, 3"},
      {{"scale", "Major (Ionian)", "C", "--format", "csv"}, "--format: 'csv'", "text, tsv"},
      {{"fretboard", "--scale", "Major (Ionian)", "G", "--display", "9999", "--png", png},
       "--display: '9999'",
       "accepted values: 0 to "},
      {{"fretboard", "--scale", "Major (Ionian)", "H", "--png", png},
       "ROOT: 'H' is no root",
       "\n  C# or Db\n"},
      {{"fretboard", "--scale", "Ionian", "G", "--png", png},
       "NAME: no scale named 'Ionian'",
       "'tessara-cli scales' lists"},
      {{"--lang", "klingon", "chord", "C"}, "--lang: no language file for 'klingon'", "en, pt-BR"},
      {{"chord", "C", "--lang"}, "--lang needs a value", "pt or en"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(::testing::PrintToString(c.argumentos));
    const auto r = cli(c.argumentos);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.saida, "");
    EXPECT_TRUE(contem(r.erros, c.opcao)) << r.erros;
    EXPECT_TRUE(contem(r.erros, c.aceitos)) << r.erros;
  }
  EXPECT_TRUE(fs::is_empty(saidas.caminho()));
}

TEST_F(CliArgumentos, OpcoesGlobaisDepoisDoComando) {
  const auto antes = cli({"--lang", "en", "--instrument", "Cavaquinho", "chord", "C"});
  ASSERT_EQ(antes.status, 0) << antes.erros;
  const auto depois = cli({"chord", "C", "--instrument", "Cavaquinho", "--lang", "en"});
  EXPECT_EQ(depois.status, 0) << depois.erros;
  EXPECT_EQ(depois.saida, antes.saida);

  // The number that "instruments" prints before the name.
  const auto lista = cli({"--lang", "en", "instruments"});
  ASSERT_NE(lista.saida.find("\n2\t"), std::string::npos) << lista.saida;
  const size_t inicio = lista.saida.find("\n2\t") + 3;
  const std::string terceiro = lista.saida.substr(inicio, lista.saida.find('\t', inicio) - inicio);
  const auto porNumero = cli({"chord", "C", "--lang", "en", "--instrument", "2"});
  const auto porNome = cli({"--lang", "en", "--instrument", terceiro, "chord", "C"});
  EXPECT_EQ(porNumero.status, 0) << porNumero.erros;
  EXPECT_EQ(porNumero.saida, porNome.saida);
  EXPECT_NE(porNumero.saida, antes.saida);
}

// Whatever the command, an instrument that does not exist is refused before anything is done.
TEST_F(CliArgumentos, InstrumentoDesconhecidoRecusadoPorTodoComando) {
  const std::string arquivo = (saidas / "saida").string();
  const Argumentos comandos[] = {
      {"chord", "C"},
      {"scale", "Major (Ionian)", "C"},
      {"print", "--pdf", arquivo, "C"},
      {"fretboard", "C", "--png", arquivo},
      {"name", "x32010"},
      {"play", "x32010", "--wav", arquivo},
      {"parse", "C"},
      {"transpose", "1"},
      {"chords"},
      {"languages"},
      {"instruments"},
      {"scales"},
      {"devices"},
  };
  for (const auto& comando : comandos) {
    for (const char* instrumento : {"Theremin", "99", "-1"}) {
      Argumentos argumentos = comando;
      argumentos.insert(argumentos.end(), {"--instrument", instrumento});
      SCOPED_TRACE(::testing::PrintToString(argumentos));
      const auto r = cli(argumentos);
      EXPECT_EQ(r.status, 2);
      EXPECT_EQ(r.saida, "");
      EXPECT_TRUE(
          contem(r.erros, "--instrument: no instrument named '" + std::string(instrumento) + "'"))
          << r.erros;
      EXPECT_TRUE(contem(r.erros, "'tessara-cli instruments'")) << r.erros;
    }
  }
  EXPECT_TRUE(fs::is_empty(saidas.caminho()));
}

// Standard output into a pipe nobody reads any more: a failure with the reason, status 1, and
// not a silent death by signal.
TEST_F(CliArgumentos, LeitorQueSaiuEhFalhaComMotivo) {
  int tubo[2];
  ASSERT_EQ(::pipe(tubo), 0);
  ::close(tubo[0]);
  const std::string erros = (saidas / "erros").string();
  posix_spawn_file_actions_t acoes;
  posix_spawn_file_actions_init(&acoes);
  posix_spawn_file_actions_adddup2(&acoes, tubo[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&acoes, STDERR_FILENO, erros.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  // The program starts as a shell would start it, with the signal's default action.
  posix_spawnattr_t atributos;
  posix_spawnattr_init(&atributos);
  sigset_t sinais;
  sigemptyset(&sinais);
  sigaddset(&sinais, SIGPIPE);
  posix_spawnattr_setsigdefault(&atributos, &sinais);
  posix_spawnattr_setflags(&atributos, POSIX_SPAWN_SETSIGDEF);
  const std::string pasta = "TESSARA_CONFIG_DIR=" + configuracao.caminho().string();
  std::vector<std::string> textos = {TESSARA_CLI, "--lang", "en", "chord", "C"};
  std::vector<char*> argv;
  for (auto& t : textos) argv.push_back(t.data());
  argv.push_back(nullptr);
  std::vector<char*> ambiente = {const_cast<char*>(pasta.c_str()), nullptr};
  pid_t filho = 0;
  ASSERT_EQ(posix_spawn(&filho, TESSARA_CLI, &acoes, &atributos, argv.data(), ambiente.data()), 0);
  ::close(tubo[1]);
  int estado = 0;
  ASSERT_EQ(::waitpid(filho, &estado, 0), filho);
  posix_spawn_file_actions_destroy(&acoes);
  posix_spawnattr_destroy(&atributos);
  ASSERT_TRUE(WIFEXITED(estado)) << "ended by signal " << WTERMSIG(estado);
  EXPECT_EQ(WEXITSTATUS(estado), 1);
  EXPECT_EQ(teste::lerArquivo(erros),
            "tessara-cli: cannot write the standard output: Broken pipe\n");
}

}  // namespace
}  // namespace tessara
