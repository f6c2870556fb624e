#include "CatalogoArte.h"

#include <stdexcept>

#include "DesenhistaArte.h"
#include "DesenhistaBraco.h"

namespace tessara::arte {

CatalogoArte::CatalogoArte() {
  desenhos_["entrada"] = [] { return DesenhistaArte().entrada(); };
  for (const auto& fundo : DesenhistaBraco::fundos()) {
    desenhos_[fundo.nome] = [&fundo] { return DesenhistaBraco().desenhar(fundo); };
  }
  desenhos_["dedo-vermelho"] = [] { return DesenhistaBraco().ponto(DesenhistaBraco::vermelho()); };
  desenhos_["dedo-azul"] = [] { return DesenhistaBraco().ponto(DesenhistaBraco::azul()); };
}

QImage CatalogoArte::desenhar(const std::string& nome) const {
  const auto desenho = desenhos_.find(nome);
  if (desenho == desenhos_.end()) throw std::invalid_argument("unknown picture '@" + nome + "'");
  return desenho->second();
}

}  // namespace tessara::arte
