#include "ComandoEscalas.h"

#include "scales/BaseEscalas.h"
#include "ContextoCli.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "app/Nucleo.h"

namespace tessara {

int ComandoEscalas::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  if (!argumentos.empty()) return 2;
  if (contexto.idiomas() == nullptr) return 1;  // the language names the scale base
  try {
    for (const auto& nome : Nucleo::processo().baseEscalas().getNomesEscalas()) {
      contexto.saida() << cp1252::paraUtf8(nome) << '\n';
    }
  } catch (const DException& e) {
    contexto.erros() << "tessara-cli: " << cp1252::paraUtf8(e.getMensagem()) << '\n';
    return 1;
  }
  return 0;
}

}  // namespace tessara
