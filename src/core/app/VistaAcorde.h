#pragma once

#include <string>

namespace tessara {

class PosicaoHarmonicaInstrumentoCordas;

// What the main window shows of the chord manager's current chord after one request: whether
// the request was understood, the chord's name as the chord base stores it and its place in
// the base's names, and the fingering on show with what its labels need.
struct VistaAcorde {
  bool aceito = false;
  std::string nome;
  int indice = -1;        // in the chord base's names; -1 when no chord is current
  int numeroAcordes = 0;  // names in the chord base, which a new name grows
  const PosicaoHarmonicaInstrumentoCordas* posicao = nullptr;  // the chord manager's own
  int indicePosicao = -1;
  int numeroPosicoes = 0;  // as far as browsing has made them
  int raiz = 0;            // pitch class of the root, C = 0
  bool bemol = false;      // note names with flats
};

}  // namespace tessara
