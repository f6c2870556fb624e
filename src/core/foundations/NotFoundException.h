#pragma once

#include "foundations/DException.h"

namespace tessara {

class NotFoundException : public DException {
 public:
  NotFoundException() = default;
  NotFoundException(std::string mensagem, std::string item, const std::string& nomeClasse,
                    const std::string& nomeMetodo)
      : DException(std::move(mensagem), nomeClasse, nomeMetodo), item_(std::move(item)) {}

  const std::string& getItem() const { return item_; }

 private:
  std::string item_;
};

}  // namespace tessara
