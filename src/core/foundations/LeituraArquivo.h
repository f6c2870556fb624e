#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace tessara {

// One reading of a user file that can neither hang nor exhaust memory: only a regular file is
// read, opened without blocking, and no more than a given size of it.
class LeituraArquivo {
 public:
  enum class Situacao {
    ausente,       // nothing at the path (a dangling link too)
    naoComum,      // a folder, a device, a pipe
    ilegivel,      // the system refused to open or read it
    grandeDemais,  // larger than the limit: not read
    lida
  };

  static LeituraArquivo ler(const std::filesystem::path& arquivo, size_t maximo);

  Situacao situacao() const { return situacao_; }
  bool lida() const { return situacao_ == Situacao::lida; }
  // The bytes, when read.
  const std::string& conteudo() const { return conteudo_; }
  std::string& conteudo() { return conteudo_; }
  // Why it was not read, in the system's words; empty when read or absent.
  const std::string& motivo() const { return motivo_; }

 private:
  LeituraArquivo(Situacao situacao, std::string motivo)
      : situacao_(situacao), motivo_(std::move(motivo)) {}

  Situacao situacao_;
  std::string conteudo_;
  std::string motivo_;
};

}  // namespace tessara
