#pragma once

#include <vector>

#include "app/VistaAcorde.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

class Fachada;

// The main window's row of small diagrams: every fingering of the chord on show, in the order
// the arrows browse them (so in the voicing and with the capo chosen), and which one is on the
// fretboard. Empty when no chord is on show or the instrument cannot play it.
class FaixaPosicoes {
 public:
  explicit FaixaPosicoes(Fachada& fachada) : fachada_(fachada) {}

  // Reads the chord manager again; `acordeNaTela` false (scale mode, a cleared fretboard)
  // empties the row. True when the fingerings listed changed, not only the current one.
  bool atualizar(bool acordeNaTela);

  const std::vector<PosicaoHarmonicaInstrumentoCordas>& getPosicoes() const { return posicoes_; }
  int tamanho() const { return static_cast<int>(posicoes_.size()); }
  bool vazia() const { return posicoes_.empty(); }
  // The fingering on show, from 0; -1 when the row is empty.
  int getAtual() const { return atual_; }

  // Makes fingering `indice` the one on show, as the arrows would; what the chord manager then
  // shows (not accepted for an index outside the row).
  VistaAcorde escolher(int indice);

 private:
  bool esvaziar();

  Fachada& fachada_;
  std::vector<PosicaoHarmonicaInstrumentoCordas> posicoes_;
  int atual_ = -1;
};

}  // namespace tessara
