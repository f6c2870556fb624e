#pragma once

#include "foundations/DException.h"

namespace tessara {

class OutOfBoundsException : public DException {
 public:
  OutOfBoundsException(std::string mensagem, int indice, const std::string& nomeClasse,
                       const std::string& nomeMetodo)
      : DException(std::move(mensagem), nomeClasse, nomeMetodo), indice_(indice) {}

  int getIndice() const { return indice_; }

 private:
  int indice_;
};

}  // namespace tessara
