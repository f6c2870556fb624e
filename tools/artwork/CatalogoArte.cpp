#include "CatalogoArte.h"

#include <stdexcept>

#include "DesenhistaArte.h"

namespace tessara::arte {

CatalogoArte::CatalogoArte() {
  desenhos_["entrada"] = [] { return DesenhistaArte().entrada(); };
}

QImage CatalogoArte::desenhar(const std::string& nome) const {
  const auto desenho = desenhos_.find(nome);
  if (desenho == desenhos_.end()) throw std::invalid_argument("unknown picture '@" + nome + "'");
  return desenho->second();
}

}  // namespace tessara::arte
