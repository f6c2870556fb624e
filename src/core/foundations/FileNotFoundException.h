#pragma once

#include "foundations/NotFoundException.h"

namespace tessara {

// The item is the name of the missing file.
class FileNotFoundException : public NotFoundException {
 public:
  FileNotFoundException(std::string mensagem, std::string nomeArquivo,
                        const std::string& nomeClasse, const std::string& nomeMetodo)
      : NotFoundException(std::move(mensagem), std::move(nomeArquivo), nomeClasse, nomeMetodo) {}
};

}  // namespace tessara
