#include "CatalogoArte.h"

#include <stdexcept>

#include "DesenhistaArte.h"
#include "DesenhistaBarras.h"
#include "DesenhistaBraco.h"

namespace tessara::arte {

CatalogoArte::CatalogoArte() {
  desenhos_["entrada"] = [] { return DesenhistaArte().entrada(); };
  for (const auto& fundo : DesenhistaBraco::fundos()) {
    desenhos_[fundo.nome] = [&fundo] { return DesenhistaBraco().desenhar(fundo); };
  }
  desenhos_["dedo-vermelho"] = [] { return DesenhistaBraco().ponto(DesenhistaBraco::vermelho()); };
  desenhos_["barra-superior"] = [] { return DesenhistaBarras().superior(); };
  desenhos_["barra-inferior"] = [] { return DesenhistaBarras().inferior(); };
  // The bottom bar's panels: options, chords or scales, print list.
  desenhos_["barra-inferior-opcoes"] = [] {
    return DesenhistaBarras().painel(158, QColor(0x4a, 0x2a, 0x1a));
  };
  desenhos_["barra-inferior-acordes"] = [] {
    return DesenhistaBarras().painel(300, QColor(0x55, 0x30, 0x1c));
  };
  desenhos_["barra-inferior-escalas"] = [] {
    return DesenhistaBarras().painel(300, QColor(0x2c, 0x3a, 0x4a));
  };
  desenhos_["barra-inferior-lista"] = [] {
    return DesenhistaBarras().painel(321, QColor(0x55, 0x30, 0x1c));
  };
  desenhos_["dedo-azul"] = [] { return DesenhistaBraco().ponto(DesenhistaBraco::azul()); };
}

QImage CatalogoArte::desenhar(const std::string& nome) const {
  const auto desenho = desenhos_.find(nome);
  if (desenho == desenhos_.end()) throw std::invalid_argument("unknown picture '@" + nome + "'");
  return desenho->second();
}

}  // namespace tessara::arte
