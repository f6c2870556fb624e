#include "foundations/LeituraArquivo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tessara {

namespace {

// Closes the descriptor on every way out.
struct Descritor {
  int fd;
  ~Descritor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

LeituraArquivo LeituraArquivo::ler(const std::filesystem::path& arquivo, size_t maximo) {
  // The kind is asked before opening: opening a pipe for reading may wait for a writer.
  struct stat estado {};
  if (::stat(arquivo.c_str(), &estado) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return {Situacao::ausente, ""};
    return {Situacao::ilegivel, std::strerror(errno)};
  }
  if (S_ISDIR(estado.st_mode)) return {Situacao::naoComum, "a folder, not a file"};
  if (!S_ISREG(estado.st_mode)) return {Situacao::naoComum, "not a regular file"};
  const Descritor d{::open(arquivo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  if (d.fd < 0) return {Situacao::ilegivel, std::strerror(errno)};
  if (::fstat(d.fd, &estado) != 0 || !S_ISREG(estado.st_mode)) {
    return {Situacao::naoComum, "not a regular file"};
  }
  if (static_cast<uint64_t>(estado.st_size) > maximo) {
    return {Situacao::grandeDemais, "larger than " + std::to_string(maximo) + " bytes"};
  }
  // One byte past the limit tells a file that grew meanwhile.
  LeituraArquivo leitura(Situacao::lida, "");
  std::string& conteudo = leitura.conteudo_;
  conteudo.resize(static_cast<size_t>(estado.st_size) + 1);
  size_t lidos = 0;
  for (;;) {
    if (lidos == conteudo.size()) conteudo.resize(std::min(maximo + 1, conteudo.size() * 2 + 1));
    const ssize_t n = ::read(d.fd, conteudo.data() + lidos, conteudo.size() - lidos);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return {Situacao::ilegivel, std::strerror(errno)};
    if (n == 0) break;
    lidos += static_cast<size_t>(n);
    if (lidos > maximo) {
      return {Situacao::grandeDemais, "larger than " + std::to_string(maximo) + " bytes"};
    }
  }
  conteudo.resize(lidos);
  return leitura;
}

}  // namespace tessara
