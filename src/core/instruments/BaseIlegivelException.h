#pragma once

#include <filesystem>
#include <string>
#include <utility>

#include "foundations/DException.h"

namespace tessara {

// The instrument base exists but cannot be taken as one: not a regular file, refused by the
// system, or damaged. The message names the file and the reason. A damaged file has been
// copied aside first, and may then be written again without losing anything.
class BaseIlegivelException : public DException {
 public:
  BaseIlegivelException(std::string mensagem, std::filesystem::path copia,
                        const std::string& nomeClasse, const std::string& nomeMetodo)
      : DException(std::move(mensagem), nomeClasse, nomeMetodo), copia_(std::move(copia)) {}

  // Where the damaged file was kept; empty when it could not be.
  const std::filesystem::path& getCopia() const { return copia_; }
  bool podeReescrever() const { return !copia_.empty(); }

 private:
  std::filesystem::path copia_;
};

}  // namespace tessara
