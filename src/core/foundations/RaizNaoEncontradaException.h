#pragma once

#include "DException.h"

namespace tessara {

class RaizNaoEncontradaException : public DException {
 public:
  explicit RaizNaoEncontradaException(const std::string& texto);
};

}  // namespace tessara
