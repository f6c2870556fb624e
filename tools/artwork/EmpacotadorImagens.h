#pragma once

#include <QImage>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "CatalogoArte.h"
#include "CodificadorJpeg.h"

namespace tessara::arte {

// Builds a picture pack: JPEG pictures stored one after another, each found by its byte
// offset and length. A picture named twice is stored once.
class EmpacotadorImagens {
 public:
  EmpacotadorImagens(const CatalogoArte& catalogo, const CodificadorJpeg& codificador);

  // "offset,length" of the named picture, drawing and appending it on its first request.
  // Throws std::invalid_argument for a name the catalogue does not hold.
  std::string localizar(const std::string& nome);

  const std::string& pacote() const { return pacote_; }

  // The pictures in the order they were packed, for inspection.
  const std::vector<std::pair<std::string, QImage>>& imagens() const { return imagens_; }

 private:
  const CatalogoArte& catalogo_;
  const CodificadorJpeg& codificador_;
  std::string pacote_;
  std::map<std::string, std::string> localizacoes_;
  std::vector<std::pair<std::string, QImage>> imagens_;
};

}  // namespace tessara::arte
