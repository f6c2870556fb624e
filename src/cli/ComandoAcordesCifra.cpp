#include "ComandoAcordesCifra.h"

#include <iostream>
#include <iterator>

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "LeituraCancao.h"
#include "app/Fachada.h"
#include "app/Nucleo.h"
#include "foundations/Cp1252.h"

namespace tessara {

int ComandoAcordesCifra::executar(ContextoCli& contexto,
                                  const std::vector<std::string>& argumentos) {
  if (!argumentos.empty()) throw ErroArgumento::inesperado(argumentos.front());
  if (!contexto.prepararIdioma()) return 1;
  const std::string folha =
      cp1252::deUtf8(std::string(std::istreambuf_iterator<char>(std::cin), {}));
  const auto chordPro = LeituraCancao::acordesChordPro(
      folha, IdiomaAcordes::de(contexto.nucleo().textos()), nome(), contexto.erros());
  for (const auto& acorde : chordPro ? *chordPro : contexto.fachada().getAcordesCifra(folha)) {
    contexto.saida() << cp1252::paraUtf8(acorde) << '\n';
  }
  return 0;
}

}  // namespace tessara
