#include "PdfEmMemoria.h"

#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "foundations/ArquivoAtomico.h"

namespace tessara {

namespace {

// Qt ends every document it finishes with this; a document cut short lacks it.
bool pdfCompleto(const std::string& bytes) {
  const auto fim = bytes.find_last_not_of("\r\n");
  return fim != std::string::npos && fim >= 4 && bytes.compare(fim - 4, 5, "%%EOF") == 0;
}

// The document stopped at the file size limit (ulimit -f), which holds for memory files too:
// the same reason the destination would have given.
bool cortadoPeloLimite(size_t tamanho) {
  rlimit limite{};
  return ::getrlimit(RLIMIT_FSIZE, &limite) == 0 && limite.rlim_cur != RLIM_INFINITY &&
         tamanho >= limite.rlim_cur;
}

}  // namespace

PdfEmMemoria::PdfEmMemoria() : fd_(::memfd_create("tessara-pdf", MFD_CLOEXEC)) {}

PdfEmMemoria::~PdfEmMemoria() {
  if (fd_ >= 0) ::close(fd_);
}

std::filesystem::path PdfEmMemoria::caminho() const {
  return "/proc/self/fd/" + std::to_string(fd_);
}

std::string PdfEmMemoria::conteudo() const {
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

bool PdfEmMemoria::gravar(const std::filesystem::path& destino, std::string& motivo) const {
  const std::string pdf = conteudo();
  if (!pdfCompleto(pdf)) {
    motivo =
        destino.string() + ": " +
        (cortadoPeloLimite(pdf.size()) ? std::strerror(EFBIG) : "the document could not be made");
    return false;
  }
  return ArquivoAtomico::substituir(destino, pdf, &motivo);
}

}  // namespace tessara
