#include "NomesRotulo.h"

#include "model/ModoRotulo.h"

namespace tessara {

const std::map<std::string, int>& NomesRotulo::tabela() {
  static const std::map<std::string, int> rotulos = {{"fingers", ModoRotulo::DEDOS},
                                                     {"notes", ModoRotulo::NOTAS},
                                                     {"intervals", ModoRotulo::INTERVALOS}};
  return rotulos;
}

}  // namespace tessara
