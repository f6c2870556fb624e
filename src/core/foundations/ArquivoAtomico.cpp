#include "foundations/ArquivoAtomico.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace tessara {

namespace {

bool falhar(std::string* erro, const std::string& motivo) {
  if (erro != nullptr) *erro = motivo;
  return false;
}

bool escreverTudo(int fd, std::string_view conteudo) {
  const char* p = conteudo.data();
  size_t resta = conteudo.size();
  while (resta > 0) {
    const ssize_t n = ::write(fd, p, resta);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    resta -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

bool ArquivoAtomico::escrever(const std::filesystem::path& destino, std::string_view conteudo,
                              std::string* erro) {
  std::error_code ec;
  const auto pasta = destino.has_parent_path() ? destino.parent_path() : ".";
  std::filesystem::create_directories(pasta, ec);
  if (ec) return falhar(erro, pasta.string() + ": " + ec.message());

  const std::string modelo = (pasta / ("." + destino.filename().string() + ".XXXXXX")).string();
  std::vector<char> nomeTemporario(modelo.begin(), modelo.end());
  nomeTemporario.push_back('\0');
  const int fd = ::mkstemp(nomeTemporario.data());
  if (fd < 0) return falhar(erro, modelo + ": " + std::strerror(errno));

  const bool ok = ::fchmod(fd, 0644) == 0 && escreverTudo(fd, conteudo) && ::fsync(fd) == 0;
  const int errnoEscrita = errno;
  const bool fechou = ::close(fd) == 0;
  if (!ok || !fechou || ::rename(nomeTemporario.data(), destino.c_str()) != 0) {
    const std::string motivo = std::strerror(ok && fechou ? errno : errnoEscrita);
    ::unlink(nomeTemporario.data());
    return falhar(erro, destino.string() + ": " + motivo);
  }
  return true;
}

}  // namespace tessara
