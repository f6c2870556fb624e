#include "PdfEmMemoria.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>

#include "foundations/ArquivoAtomico.h"

namespace tessara {

namespace {

// Qt ends every document it finishes with this; a document cut short lacks it.
bool pdfCompleto(const std::string& bytes) {
  const auto fim = bytes.find_last_not_of("\r\n");
  return fim != std::string::npos && fim >= 4 && bytes.compare(fim - 4, 5, "%%EOF") == 0;
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
    motivo = destino.string() + ": the document could not be made";
    return false;
  }
  return ArquivoAtomico::substituir(destino, pdf, &motivo);
}

}  // namespace tessara
