#pragma once

#include "foundations/DException.h"

namespace tessara {

// Raised when a component the program cannot run without fails to start.
class FatalException : public DException {
 public:
  FatalException(std::string mensagem, const std::string& nomeClasse, const std::string& nomeMetodo)
      : DException(std::move(mensagem), nomeClasse, nomeMetodo) {}
};

}  // namespace tessara
