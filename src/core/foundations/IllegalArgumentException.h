#pragma once

#include "foundations/DException.h"

namespace tessara {

class IllegalArgumentException : public DException {
 public:
  IllegalArgumentException(std::string mensagem, std::string argumento,
                           const std::string& nomeClasse, const std::string& nomeMetodo)
      : DException(std::move(mensagem), nomeClasse, nomeMetodo), argumento_(std::move(argumento)) {}

  const std::string& getArgumento() const { return argumento_; }

 private:
  std::string argumento_;
};

}  // namespace tessara
