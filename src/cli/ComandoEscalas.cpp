#include "ComandoEscalas.h"

#include "BaseEscalas.h"
#include "ContextoCli.h"
#include "Cp1252.h"
#include "DException.h"

namespace tessara {

int ComandoEscalas::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  if (!argumentos.empty()) return 2;
  if (contexto.idiomas() == nullptr) return 1;  // the language names the scale base
  try {
    for (const auto& nome : BaseEscalas::instancia().getNomesEscalas()) {
      contexto.saida() << cp1252::paraUtf8(nome) << '\n';
    }
  } catch (const DException& e) {
    contexto.erros() << "tessara-cli: " << cp1252::paraUtf8(e.getMensagem()) << '\n';
    return 1;
  }
  return 0;
}

}  // namespace tessara
