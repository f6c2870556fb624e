#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chords/Especialista.h"
#include "chords/IdiomaAcordes.h"
#include "foundations/Cp1252.h"

namespace tessara::teste {

// The two grammars with the texts of the shipped language files, without loading them.
inline const IdiomaAcordes& portugues() {
  static const IdiomaAcordes idioma{Gramatica::Portugues, TXT("nota fundamental inválida ")};
  return idioma;
}

inline const IdiomaAcordes& ingles() {
  static const IdiomaAcordes idioma{Gramatica::Ingles, "invalid root note "};
  return idioma;
}

inline const IdiomaAcordes& idiomaDa(Gramatica gramatica) {
  return gramatica == Gramatica::Portugues ? portugues() : ingles();
}

// The degree indexes set in a code, ascending.
inline std::vector<int> graus(int32_t codigo) {
  std::vector<int> resultado;
  for (int g = 0; g < Especialista::NUMERO_GRAUS; ++g) {
    if (Especialista::temGrau(codigo, g)) resultado.push_back(g);
  }
  return resultado;
}

inline int32_t codigo(int raiz, const std::vector<int>& graus, int baixo = -1) {
  int32_t c = Especialista::setRaiz(0, raiz);
  for (const int g : graus) c = Especialista::setGrau(c, g, true);
  return baixo >= 0 ? Especialista::setBaixo(c, baixo) : c;
}

}  // namespace tessara::teste
