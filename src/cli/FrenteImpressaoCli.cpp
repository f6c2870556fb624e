#include "FrenteImpressaoCli.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QPrinter>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "AplicacaoQtCli.h"
#include "app/Fachada.h"
#include "app/Nucleo.h"
#include "foundations/ArquivoAtomico.h"
#include "qt/ImpressoraQt.h"
#include "qt/SuperficieImagensQt.h"

namespace tessara {

namespace {

// A file in memory that Qt can open by name.
class ArquivoMemoria {
 public:
  ArquivoMemoria() : fd_(::memfd_create("tessara-pdf", MFD_CLOEXEC)) {}
  ~ArquivoMemoria() {
    if (fd_ >= 0) ::close(fd_);
  }
  ArquivoMemoria(const ArquivoMemoria&) = delete;
  ArquivoMemoria& operator=(const ArquivoMemoria&) = delete;

  bool aberto() const { return fd_ >= 0; }
  std::filesystem::path caminho() const { return "/proc/self/fd/" + std::to_string(fd_); }

  std::string conteudo() const {
    std::string bytes;
    char bloco[65536];
    off_t posicao = 0;
    for (;;) {
      const ssize_t n = ::pread(fd_, bloco, sizeof bloco, posicao);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      bytes.append(bloco, static_cast<size_t>(n));
      posicao += n;
    }
    return bytes;
  }

 private:
  int fd_;
};

// Qt ends every document it finishes with this; a document cut short lacks it.
bool pdfCompleto(const std::string& bytes) {
  const auto fim = bytes.find_last_not_of("\r\n");
  return fim != std::string::npos && fim >= 4 && bytes.compare(fim - 4, 5, "%%EOF") == 0;
}

}  // namespace

FrenteImpressaoCli::FrenteImpressaoCli(Nucleo& nucleo, Posicoes posicoes)
    : FachadaGUI(interacao_),
      aplicacao_(iniciarQtCli()),
      nucleo_(nucleo),
      posicoes_(std::move(posicoes)) {
  anterior_ = nucleo_.definirFachadaGUI(this);
}

FrenteImpressaoCli::~FrenteImpressaoCli() { nucleo_.definirFachadaGUI(anterior_); }

std::optional<TamanhoPagina> FrenteImpressaoCli::tamanhoPaginaImpressora() const {
  return ImpressoraQt::paginaPdf();
}

std::unique_ptr<SuperficieImagens> FrenteImpressaoCli::criarImagens(int largura, int altura) {
  return std::make_unique<SuperficieImagensQt>(largura, altura);
}

bool FrenteImpressaoCli::gravarPdf(const std::filesystem::path& arquivo, int conteudo, int rotulo,
                                   std::ostream& erros) {
  // Qt's file writing does not tell a full disk from success: the document is made in memory,
  // then written in place of the old file with every write checked.
  const ArquivoMemoria memoria;
  if (!memoria.aberto()) {
    erros << "tessara-cli: cannot write " << arquivo.string() << ": " << std::strerror(errno)
          << '\n';
    return false;
  }
  {
    QPrinter impressora(QPrinter::HighResolution);
    ImpressoraQt::configurarPdf(impressora, memoria.caminho());
    ImpressoraQt saida(impressora);
    // The printer's failure comes as a message box; here it is the command's to report.
    Interacao* anterior = nucleo_.definirInteracao(&interacao_);
    nucleo_.fachada().imprimir(saida, conteudo, rotulo);
    nucleo_.definirInteracao(anterior);
  }
  const std::string pdf = memoria.conteudo();
  if (interacao_.mensagemPedida() || !pdfCompleto(pdf)) {
    erros << "tessara-cli: cannot write " << arquivo.string()
          << ": the document could not be made\n";
    return false;
  }
  std::string motivo;
  if (!ArquivoAtomico::substituir(arquivo, pdf, &motivo)) {
    erros << "tessara-cli: cannot write " << motivo << '\n';
    return false;
  }
  return true;
}

std::optional<std::vector<std::filesystem::path>> FrenteImpressaoCli::gravarPng(
    const std::filesystem::path& pasta, int zoom, int conteudo, int rotulo, std::ostream& erros) {
  std::error_code erro;
  std::filesystem::create_directories(pasta, erro);
  std::vector<std::filesystem::path> arquivos;
  for (const auto& pagina : nucleo_.fachada().getPaginasVisualizacao(conteudo, rotulo, zoom)) {
    arquivos.push_back(pasta / ("page-" + std::to_string(arquivos.size() + 1) + ".png"));
    std::string motivo;
    if (!SuperficieImagensQt::salvarPng(pagina, arquivos.back(), motivo)) {
      erros << "tessara-cli: cannot write " << motivo << '\n';
      return std::nullopt;
    }
  }
  return arquivos;
}

}  // namespace tessara
