#include "foundations/ArquivoAtomico.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "PastaTemporaria.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;

// The writer's temporary files in a folder.
std::vector<std::string> temporarios(const fs::path& pasta) {
  std::vector<std::string> nomes;
  for (const auto& e : fs::directory_iterator(pasta)) {
    const std::string nome = e.path().filename().string();
    if (nome.find(".tessara-") != std::string::npos) nomes.push_back(nome);
  }
  return nomes;
}

mode_t modo(const fs::path& arquivo) {
  struct stat s {};
  stat(arquivo.c_str(), &s);
  return s.st_mode & 07777;
}

TEST(ArquivoAtomico, MantemAsPermissoesEAsLigacoes) {
  teste::PastaTemporaria pasta;
  const auto privado = pasta.escrever("privado.ini", "velho");
  chmod(privado.c_str(), 0600);
  ASSERT_TRUE(ArquivoAtomico::escrever(privado, "novo"));
  EXPECT_EQ(modo(privado), 0600u);
  EXPECT_EQ(teste::lerArquivo(privado), "novo");

  // A new file gets the usual permissions.
  ASSERT_TRUE(ArquivoAtomico::escrever(pasta / "novo.ini", "x"));
  EXPECT_EQ(modo(pasta / "novo.ini"), 0644u);

  // A relative link, through another link: both stay links, the target changes.
  fs::create_directory(pasta / "real");
  const auto alvo = pasta.escrever("real/alvo.xml", "velho");
  fs::create_symlink("real/alvo.xml", pasta / "meio.xml");
  fs::create_symlink("meio.xml", pasta / "ligacao.xml");
  ASSERT_TRUE(ArquivoAtomico::escrever(pasta / "ligacao.xml", "novo"));
  EXPECT_TRUE(fs::is_symlink(pasta / "ligacao.xml"));
  EXPECT_TRUE(fs::is_symlink(pasta / "meio.xml"));
  EXPECT_EQ(teste::lerArquivo(alvo), "novo");
  EXPECT_EQ(temporarios(pasta.caminho()), std::vector<std::string>{});
  EXPECT_EQ(temporarios(pasta / "real"), std::vector<std::string>{});
}

TEST(ArquivoAtomico, FalhaDeixaOArquivoAntigo) {
  teste::PastaTemporaria pasta;
  const auto arquivo = pasta.escrever("base.xml", "velho");
  std::string erro;
  {
    // Files limited to 1 KB, as a full disk cuts them.
    rlimit antes{};
    getrlimit(RLIMIT_FSIZE, &antes);
    const auto sinal = signal(SIGXFSZ, SIG_IGN);
    rlimit limite = antes;
    limite.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &limite);
    const bool escrito = ArquivoAtomico::escrever(arquivo, std::string(4096, 'n'), &erro);
    setrlimit(RLIMIT_FSIZE, &antes);
    signal(SIGXFSZ, sinal);
    EXPECT_FALSE(escrito);
  }
  EXPECT_EQ(erro, arquivo.string() + ": File too large");
  EXPECT_EQ(teste::lerArquivo(arquivo), "velho");
  EXPECT_EQ(temporarios(pasta.caminho()), std::vector<std::string>{});

  // A device the user names as an output is written in place, every write checked.
  EXPECT_FALSE(ArquivoAtomico::substituir("/dev/full", "x", &erro));
  EXPECT_EQ(erro, "/dev/full: No space left on device");
  EXPECT_TRUE(ArquivoAtomico::substituir("/dev/null", "x", &erro));
  EXPECT_FALSE(ArquivoAtomico::substituir(pasta / "sem" / "pasta.pdf", "x", &erro));
  EXPECT_EQ(erro, (pasta / "sem" / "pasta.pdf").string() + ": No such file or directory");
}

// The program's own files are never written through something that is not a regular file:
// nothing is opened (a pipe would hang), nothing is created, and the reason is given.
TEST(ArquivoAtomico, ArquivoProprioSoSubstituiArquivoComum) {
  teste::PastaTemporaria pasta;
  fs::create_directory(pasta / "pasta.ini");
  mkfifo((pasta / "fifo.ini").c_str(), 0644);
  fs::create_symlink("/dev/zero", pasta / "zero.ini");
  fs::create_symlink("/dev/null", pasta / "nulo.ini");
  const struct {
    const char* nome;
    const char* motivo;
  } casos[] = {{"pasta.ini", "Is a directory"},
               {"fifo.ini", "not a regular file"},
               {"zero.ini", "not a regular file"},
               {"nulo.ini", "not a regular file"}};
  for (const auto& caso : casos) {
    std::string erro;
    EXPECT_FALSE(ArquivoAtomico::escrever(pasta / caso.nome, "x", &erro)) << caso.nome;
    EXPECT_EQ(erro, (pasta / caso.nome).string() + ": " + caso.motivo);
  }
  EXPECT_TRUE(fs::is_fifo(pasta / "fifo.ini"));
  EXPECT_EQ(temporarios(pasta.caminho()), std::vector<std::string>{});
}

// A link whose target's folder is missing gets no folders made for it outside its own.
TEST(ArquivoAtomico, LigacaoPendenteNaoCriaPastas) {
  teste::PastaTemporaria pasta;
  fs::create_symlink(pasta / "longe" / "dentro" / "base.xml", pasta / "base.xml");
  std::string erro;
  EXPECT_FALSE(ArquivoAtomico::escrever(pasta / "base.xml", "x", &erro));
  EXPECT_EQ(erro,
            (pasta / "longe" / "dentro" / "base.xml").string() + ": No such file or directory");
  EXPECT_FALSE(fs::exists(pasta / "longe"));
}

// An output the user names may be a pipe: one nobody reads fails at once instead of hanging,
// and standard output given by a /proc name (as /dev/stdout is) is written where it stands.
TEST(ArquivoAtomico, SaidaDoUsuarioNumCano) {
  teste::PastaTemporaria pasta;
  mkfifo((pasta / "fifo.pdf").c_str(), 0644);
  std::string erro;
  EXPECT_FALSE(ArquivoAtomico::substituir(pasta / "fifo.pdf", "x", &erro));
  EXPECT_EQ(erro, (pasta / "fifo.pdf").string() + ": nothing reads from this pipe");

  int cano[2];
  ASSERT_EQ(pipe(cano), 0);
  const fs::path saida = "/proc/self/fd/" + std::to_string(cano[1]);
  ArquivoAtomico arquivo(saida, ArquivoAtomico::Destino::qualquer);
  EXPECT_TRUE(arquivo.sequencial());
  EXPECT_TRUE(arquivo.acrescentar("%PDF") && arquivo.confirmar()) << arquivo.erro();
  close(cano[1]);
  char lido[8] = {};
  EXPECT_EQ(read(cano[0], lido, sizeof lido), 4);
  EXPECT_EQ(std::string(lido), "%PDF");
  close(cano[0]);
}

TEST(ArquivoAtomico, SoOsTemporariosDeQuemMorreuSaoRemovidos) {
  teste::PastaTemporaria pasta;
  const auto arquivo = pasta.escrever("tessara.ini", "velho");
  const pid_t morto = fork();
  if (morto == 0) _exit(0);
  waitpid(morto, nullptr, 0);
  const std::string prefixo = ArquivoAtomico::prefixoTemporario(arquivo);
  const std::string doMorto = prefixo + std::to_string(morto) + "-abcdef";
  const std::string doVivo = prefixo + std::to_string(getppid()) + "-abcdef";
  pasta.escrever(doMorto, "meio");
  pasta.escrever(doVivo, "meio");
  pasta.escrever(".outro.ini.tessara-" + std::to_string(morto) + "-abcdef", "de outro arquivo");

  ASSERT_TRUE(ArquivoAtomico::escrever(arquivo, "novo"));
  EXPECT_FALSE(fs::exists(pasta / doMorto));
  EXPECT_TRUE(fs::exists(pasta / doVivo));
  EXPECT_TRUE(fs::exists(pasta / (".outro.ini.tessara-" + std::to_string(morto) + "-abcdef")));
}

// A writer killed at any moment leaves the old content or the new one, never a mix; its
// temporary file goes with the next write.
TEST(ArquivoAtomico, EscritorMortoAQualquerMomento) {
  teste::PastaTemporaria pasta;
  const std::string a(256 * 1024, 'a');
  const std::string b(300 * 1024, 'b');
  const auto arquivo = pasta.escrever("base.xml", a);
  std::mt19937 aleatorio(12345);
  for (int vez = 0; vez < 25; ++vez) {
    const pid_t filho = fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
      for (int i = 0;; ++i) ArquivoAtomico::escrever(arquivo, i % 2 == 0 ? b : a);
    }
    usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(aleatorio));
    kill(filho, SIGKILL);
    waitpid(filho, nullptr, 0);
    const std::string lido = teste::lerArquivo(arquivo);
    ASSERT_TRUE(lido == a || lido == b) << "size " << lido.size() << " after kill " << vez;
  }
  ASSERT_TRUE(ArquivoAtomico::escrever(arquivo, "fim"));
  EXPECT_EQ(temporarios(pasta.caminho()), std::vector<std::string>{});
  EXPECT_EQ(teste::lerArquivo(arquivo), "fim");
}

}  // namespace
}  // namespace tessara
