#pragma once

#include <string>
#include <string_view>

namespace tessara {

class Textos;

// The two ways of reading and writing chord names.
enum class Gramatica { Portugues, Ingles };

// What the chord-name operations need of a language: the grammar its name selects and the
// text that tells the user a root was not understood. Passed explicitly, so that the
// operations work in either grammar without a loaded language.
struct IdiomaAcordes {
  Gramatica gramatica = Gramatica::Ingles;
  std::string textoRaizInvalida;  // ("exception", "raizAcorde")

  // The grammar of the language of that name: Portuguese only for the Brazilian language.
  static Gramatica gramaticaDoIdioma(std::string_view nomeIdioma);

  // The grammar and the text of the language loaded in that manager.
  static IdiomaAcordes de(const Textos& idiomas);
};

}  // namespace tessara
