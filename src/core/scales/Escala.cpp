#include "scales/Escala.h"

#include <cstddef>

namespace tessara {

namespace {

// The byte at i as a signed character, the end of the text reading as its terminating zero.
signed char caractere(const std::string& texto, size_t i) {
  return static_cast<signed char>(i < texto.size() ? texto[i] : '\0');
}

bool ehAcidente(signed char c) { return c == '#' || c == 'b'; }

}  // namespace

bool Escala::menorQue(const Escala& outra) const {
  for (size_t i = 0;; ++i) {
    const signed char a = caractere(nome_, i);
    const signed char b = caractere(outra.nome_, i);
    // "Bb" after "Bm": reached only when the first letters agree.
    if (i == 1 && ehAcidente(a) != ehAcidente(b)) return ehAcidente(b);
    if (a != b) return a < b;
    if (a == '\0') return false;
  }
}

}  // namespace tessara
