#include "foundations/TravaArquivo.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace tessara {

std::filesystem::path TravaArquivo::arquivoTrava(const std::filesystem::path& arquivo) {
  return arquivo.parent_path() / ("." + arquivo.filename().string() + ".lock");
}

TravaArquivo::TravaArquivo(const std::filesystem::path& arquivo) {
  fd_ = ::open(arquivoTrava(arquivo).c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd_ < 0) return;
  int resultado = 0;
  do {
    resultado = ::flock(fd_, LOCK_EX);
  } while (resultado != 0 && errno == EINTR);
  if (resultado != 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

TravaArquivo::~TravaArquivo() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

}  // namespace tessara
