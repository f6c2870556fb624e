#include "ComandoAcordesCifra.h"

#include <iostream>
#include <iterator>

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "app/Fachada.h"
#include "foundations/Cp1252.h"

namespace tessara {

int ComandoAcordesCifra::executar(ContextoCli& contexto,
                                  const std::vector<std::string>& argumentos) {
  if (!argumentos.empty()) throw ErroArgumento::inesperado(argumentos.front());
  if (!contexto.prepararIdioma()) return 1;
  const std::string folha(std::istreambuf_iterator<char>(std::cin), {});
  for (const auto& acorde : contexto.fachada().getAcordesCifra(cp1252::deUtf8(folha))) {
    contexto.saida() << cp1252::paraUtf8(acorde) << '\n';
  }
  return 0;
}

}  // namespace tessara
