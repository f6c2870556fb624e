#include "chords/AcordeComposto.h"

namespace tessara {

std::unique_ptr<Acorde> AcordeComposto::clonar() const {
  auto copia = std::make_unique<AcordeComposto>();
  copia->atribuir(*this);
  copia->posicoes_ = posicoes_;  // every fingering cloned
  return copia;
}

}  // namespace tessara
