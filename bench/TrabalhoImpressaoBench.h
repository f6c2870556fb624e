#pragma once

// A print job the size users make: a long chord sheet and a print list of many diagrams.
#include <string>
#include <vector>

#include "foundations/ColecaoPtr.h"
#include "instruments/InstrumentoCordas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara::bench {

inline InstrumentoCordas violao() {
  return InstrumentoCordas("Guitar", "", 6, 12, 3, 25, {40, 45, 50, 55, 59, 64}, true);
}

// Open, barre and high fingerings in turn, so that every kind of starting fret is drawn.
inline ColecaoPtr<PosicaoHarmonicaInstrumentoCordas> diagramas(int quantidade) {
  const std::vector<PosicaoHarmonicaInstrumentoCordas> formas = {
      {"C", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0}},
      {"A", {5, 7, 7, 6, 5, 5}, {1, 3, 4, 2, 1, 1}},
      {"Am7(9)", {-1, 0, 5, 5, 5, 7}, {6, 0, 1, 1, 1, 3}},
      {"G7M", {3, -1, 4, 4, 3, -1}, {1, 6, 3, 4, 2, 6}},
      {"F#m7(b5)", {2, -1, 2, 2, 1, -1}, {2, 6, 3, 4, 1, 6}},
      {"Bb13", {6, -1, 6, 7, 8, -1}, {1, 6, 2, 3, 4, 6}},
      {"C#m", {-1, 4, 6, 6, 5, 4}, {6, 1, 3, 4, 2, 1}},
      {"E", {0, 2, 2, 1, 0, 0}, {0, 2, 3, 1, 0, 0}},
  };
  ColecaoPtr<PosicaoHarmonicaInstrumentoCordas> lista;
  for (int i = 0; i < quantidade; ++i) {
    lista.addElement(formas[static_cast<size_t>(i) % formas.size()]);
  }
  return lista;
}

inline std::string folha(int linhas) {
  const std::vector<std::string> versos = {"Intro: G  D/F#  Em7  C7M(9)   (x2)", "",
                                           "G          D/F#", "Eu te amo, e a lua sorriu pra mim",
                                           "\tEm7            C7M(9)"};
  std::string texto;
  for (int i = 0; i < linhas; ++i) texto += versos[static_cast<size_t>(i) % versos.size()] + "\n";
  return texto;
}

}  // namespace tessara::bench
