#include "ComandoAcordes.h"

#include <iostream>
#include <iterator>

#include "ContextoCli.h"
#include "foundations/Cp1252.h"
#include "chords/FolhaCifra.h"
#include "languages/GerenciadorIdiomas.h"

namespace tessara {

int ComandoAcordes::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  if (!argumentos.empty()) return 2;
  const GerenciadorIdiomas* idiomas = contexto.idiomas();
  if (idiomas == nullptr) return 1;
  const std::string folha(std::istreambuf_iterator<char>(std::cin), {});
  for (const auto& acorde :
       FolhaCifra::acordes(cp1252::deUtf8(folha), IdiomaAcordes::de(*idiomas))) {
    contexto.saida() << cp1252::paraUtf8(acorde) << '\n';
  }
  return 0;
}

}  // namespace tessara
