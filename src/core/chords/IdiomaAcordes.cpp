#include "chords/IdiomaAcordes.h"

#include "foundations/NomeIdioma.h"
#include "foundations/Textos.h"

namespace tessara {

Gramatica IdiomaAcordes::gramaticaDoIdioma(std::string_view nomeIdioma) {
  return ehIdiomaPortugues(nomeIdioma) ? Gramatica::Portugues : Gramatica::Ingles;
}

IdiomaAcordes IdiomaAcordes::de(const Textos& idiomas) {
  return {gramaticaDoIdioma(idiomas.getNomeIdiomaAtual()),
          idiomas.getTexto("exception", "raizAcorde")};
}

}  // namespace tessara
