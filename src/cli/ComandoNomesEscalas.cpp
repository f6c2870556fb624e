#include "ComandoNomesEscalas.h"

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "app/Fachada.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"

namespace tessara {

int ComandoNomesEscalas::executar(ContextoCli& contexto,
                                  const std::vector<std::string>& argumentos) {
  if (!argumentos.empty()) throw ErroArgumento::inesperado(argumentos.front());
  if (!contexto.prepararIdioma()) return 1;  // the language names the scale base
  try {
    for (const auto& nome : contexto.fachada().lerNomesEscalas()) {
      contexto.saida() << cp1252::paraUtf8(nome) << '\n';
    }
  } catch (const DException& e) {
    contexto.erros() << "tessara-cli: " << cp1252::paraUtf8(e.getMensagem()) << '\n';
    return 1;
  }
  return 0;
}

}  // namespace tessara
