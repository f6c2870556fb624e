#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ExecucaoCli.h"
#include "PastaTemporaria.h"
#include "Processo.h"
#include "TesteCli.h"
#include "sound/PortaFluidSynth.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;
using Argumentos = std::vector<std::string>;

// Every file the command line writes, and its standard output, on a disk that fills up: the
// command fails with the system's reason and an old file stays as it was.
class CliGravacao : public teste::TesteCli {
 protected:
  CliGravacao() { idioma = "en"; }

  // The command with its files limited to `kilobytes`, as a full disk would cut them. The
  // limit's signal is left as it comes: the command must not die of it.
  teste::ResultadoProcesso cliLimitado(const Argumentos& argumentos, int kilobytes) {
    Argumentos comando = {"-c",
                          "ulimit -f " + std::to_string(kilobytes * 2) + "; exec \"$0\" \"$@\"",
                          TESSARA_CLI, "--lang", "en"};
    comando.insert(comando.end(), argumentos.begin(), argumentos.end());
    return teste::executarCli(comando, configuracao, {}, "/bin/sh");
  }

  std::vector<std::string> sobras() const {
    std::vector<std::string> nomes;
    for (const auto& e : fs::recursive_directory_iterator(arquivos.caminho())) {
      if (e.path().filename().string().find(".tessara-") != std::string::npos) {
        nomes.push_back(e.path().string());
      }
    }
    return nomes;
  }

  teste::PastaTemporaria arquivos;
};

TEST_F(CliGravacao, DiscoCheioMantemOArquivoAntigo) {
  if (cli({"print", "--pdf", (arquivos / "sonda.pdf").string(), "x32010"}).status != 0) {
    GTEST_SKIP() << "built without Qt";
  }
  struct Caso {
    fs::path arquivo;
    Argumentos argumentos;
    std::string motivo;
    bool som = false;
  };
  // The PDF is made in memory, which the limit cuts too (a full disk would not): it fails
  // before the file is touched, with the same reason.
  const Caso casos[] = {
      {arquivos / "a.pdf",
       {"print", "--pdf", (arquivos / "a.pdf").string(), "x32010", "133211"},
       "File too large"},
      {arquivos / "paginas" / "page-1.png",
       {"print", "--png", (arquivos / "paginas").string(), "x32010"},
       "File too large"},
      {arquivos / "b.png",
       {"fretboard", "C", "--png", (arquivos / "b.png").string()},
       "File too large"},
      {arquivos / "c.wav",
       {"play", "x32010", "--wav", (arquivos / "c.wav").string()},
       "File too large",
       true},
  };
  const bool comSom = !PortaFluidSynth::procurarSoundFont().empty();
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.arquivo.string());
    if (caso.som && !comSom) continue;
    fs::create_directories(caso.arquivo.parent_path());
    const std::string antigo(3000, 'a');
    arquivos.escrever(fs::relative(caso.arquivo, arquivos.caminho()).string(), antigo);

    const auto r = cliLimitado(caso.argumentos, 4);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.erros.find("cannot write " + caso.arquivo.string() + ": " + caso.motivo),
              std::string::npos)
        << r.erros;
    EXPECT_EQ(teste::lerArquivo(caso.arquivo), antigo);
    EXPECT_EQ(sobras(), std::vector<std::string>{});

    // With room, the old file is replaced.
    const auto ok = cli(caso.argumentos);
    EXPECT_EQ(ok.status, 0) << ok.erros;
    EXPECT_NE(teste::lerArquivo(caso.arquivo), antigo);
  }
}

TEST_F(CliGravacao, DispositivoCheio) {
  struct Caso {
    Argumentos argumentos;
    std::string erro;
    bool som = false;
  };
  const Caso casos[] = {
      {{"chord", "C"}, "tessara-cli: cannot write the standard output: No space left on device"},
      {{"print", "--pdf", "/dev/full", "x32010"}, "cannot write /dev/full: No space left"},
      {{"fretboard", "C", "--png", "/dev/full"}, "cannot write /dev/full: No space left"},
      {{"play", "x32010", "--wav", "/dev/full"}, "cannot write /dev/full: No space left", true},
  };
  const bool comSom = !PortaFluidSynth::procurarSoundFont().empty();
  for (const auto& caso : casos) {
    if (caso.som && !comSom) continue;
    Argumentos argumentos = {"-c", "exec \"$0\" \"$@\" > /dev/full", TESSARA_CLI, "--lang", "en"};
    argumentos.insert(argumentos.end(), caso.argumentos.begin(), caso.argumentos.end());
    const auto r = teste::executarCli(argumentos, configuracao, {}, "/bin/sh");
    if (r.erros.find("without Qt") != std::string::npos) continue;
    EXPECT_EQ(r.status, 1) << caso.argumentos[0];
    EXPECT_NE(r.erros.find(caso.erro), std::string::npos) << r.erros;
  }
}

// Outputs that are not files: standard output by its name, a pipe, pages of an earlier job.
TEST_F(CliGravacao, SaidasQueNaoSaoArquivos) {
  if (cli({"print", "--pdf", (arquivos / "sonda.pdf").string(), "x32010"}).status != 0) {
    GTEST_SKIP() << "built without Qt";
  }
  // The document goes down the pipe alone, without its name after it.
  auto r = cli({"print", "--pdf", "/dev/stdout", "C"});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_TRUE(r.saida.starts_with("%PDF")) << r.erros;
  EXPECT_EQ(r.saida.find("/dev/stdout"), std::string::npos);

  // A WAV file's header needs the length, known at the end: a pipe is refused before it is
  // opened, so that its reader is not left waiting.
  const auto cano = arquivos / "som.wav";
  mkfifo(cano.c_str(), 0644);
  if (!PortaFluidSynth::procurarSoundFont().empty()) {
    r = cli({"play", "x32010", "--wav", cano.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.erros.find(cano.string() + ": a pipe cannot take a WAV file"), std::string::npos)
        << r.erros;
  }

  // Pages past the new last one are an earlier job's, and go.
  fs::create_directory(arquivos / "paginas");
  for (int i = 1; i <= 4; ++i) arquivos.escrever("paginas/page-" + std::to_string(i) + ".png", "");
  arquivos.escrever("paginas/page-x.png", "");
  r = cli({"print", "--png", (arquivos / "paginas").string(), "C", "G"});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_TRUE(fs::exists(arquivos / "paginas" / "page-1.png"));
  EXPECT_FALSE(fs::exists(arquivos / "paginas" / "page-2.png"));
  EXPECT_FALSE(fs::exists(arquivos / "paginas" / "page-4.png"));
  EXPECT_TRUE(fs::exists(arquivos / "paginas" / "page-x.png"));
}

}  // namespace
}  // namespace tessara
