#pragma once

#include <filesystem>

namespace tessara {

// Holds an advisory lock for one user file while it is read, changed and written again, so
// that two programs changing it at once each see the other's change. The lock lives on a
// small file of its own beside it: the file itself is replaced at every write, and a lock on
// the old one would guard nothing. Where no lock can be had (a folder that cannot be written)
// the change goes on unguarded, and its write fails or succeeds on its own.
class TravaArquivo {
 public:
  explicit TravaArquivo(const std::filesystem::path& arquivo);
  ~TravaArquivo();
  TravaArquivo(const TravaArquivo&) = delete;
  TravaArquivo& operator=(const TravaArquivo&) = delete;

  bool travado() const { return fd_ >= 0; }

  static std::filesystem::path arquivoTrava(const std::filesystem::path& arquivo);

 private:
  int fd_ = -1;
};

}  // namespace tessara
