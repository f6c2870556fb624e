#pragma once

#include "foundations/DException.h"

namespace tessara {

class DataFormatException : public DException {
 public:
  explicit DataFormatException(std::string mensagem) : DException(std::move(mensagem)) {}

  const std::string& getDetalhe() const { return detalhe_; }

 private:
  std::string detalhe_;
};

}  // namespace tessara
