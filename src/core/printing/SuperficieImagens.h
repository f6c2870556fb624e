#pragma once

#include <vector>

#include "foundations/Imagem.h"
#include "printing/Superficie.h"

namespace tessara {

// A surface that draws each page onto a picture of its own, white at the start: the print
// preview's pages.
class SuperficieImagens : public virtual Superficie {
 public:
  // The pictures of every page begun, the one being drawn included, in page order.
  virtual std::vector<Imagem> terminar() = 0;
};

}  // namespace tessara
