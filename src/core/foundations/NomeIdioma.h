#pragma once

#include <string>
#include <string_view>

#include "foundations/Cp1252.h"

namespace tessara {

// The language whose name switches the chord grammar and the labels to Brazilian Portuguese.
inline const std::string& nomeIdiomaPortugues() {
  static const std::string nome = TXT("Português (Brasil)");
  return nome;
}

inline bool ehIdiomaPortugues(std::string_view nomeIdioma) {
  return nomeIdioma == nomeIdiomaPortugues();
}

}  // namespace tessara
