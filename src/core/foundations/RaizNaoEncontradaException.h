#pragma once

#include "foundations/DException.h"

namespace tessara {

class RaizNaoEncontradaException : public DException {
 public:
  explicit RaizNaoEncontradaException(const std::string& texto);
};

}  // namespace tessara
