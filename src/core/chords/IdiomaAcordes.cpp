#include "IdiomaAcordes.h"

#include "GerenciadorIdiomas.h"
#include "NomeIdioma.h"

namespace tessara {

Gramatica IdiomaAcordes::gramaticaDoIdioma(std::string_view nomeIdioma) {
  return ehIdiomaPortugues(nomeIdioma) ? Gramatica::Portugues : Gramatica::Ingles;
}

IdiomaAcordes IdiomaAcordes::de(const GerenciadorIdiomas& idiomas) {
  return {gramaticaDoIdioma(idiomas.getNomeIdiomaAtual()),
          idiomas.getTexto("exception", "raizAcorde")};
}

}  // namespace tessara
