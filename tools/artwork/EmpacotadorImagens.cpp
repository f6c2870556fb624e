#include "EmpacotadorImagens.h"

namespace tessara::arte {

EmpacotadorImagens::EmpacotadorImagens(const CatalogoArte& catalogo,
                                       const CodificadorJpeg& codificador)
    : catalogo_(catalogo), codificador_(codificador) {}

std::string EmpacotadorImagens::localizar(const std::string& nome) {
  const auto conhecida = localizacoes_.find(nome);
  if (conhecida != localizacoes_.end()) return conhecida->second;

  QImage imagem = catalogo_.desenhar(nome);
  const std::string jpeg = codificador_.codificar(imagem);
  const std::string localizacao =
      std::to_string(pacote_.size()) + "," + std::to_string(jpeg.size());
  pacote_ += jpeg;
  localizacoes_.emplace(nome, localizacao);
  imagens_.emplace_back(nome, std::move(imagem));
  return localizacao;
}

}  // namespace tessara::arte
