#pragma once

#include "instruments/InstrumentoCordas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"
#include "printing/MedidasPagina.h"
#include "printing/Superficie.h"
#include "printing/TamanhoPagina.h"

namespace tessara {

class Especialista;

// One chord diagram alone on a picture, drawn as the printed page draws it: for the main
// window's row of fingerings and for a fingering copied or saved as a picture. The picture's
// size follows the grid's height (in device units); a larger grid has relatively thinner pens.
class DiagramaAvulso {
 public:
  DiagramaAvulso(int alturaGrade, int rotulo, const InstrumentoCordas& instrumento);

  // The picture's size, the same for every fingering on the instrument.
  TamanhoPagina tamanho() const { return tamanho_; }
  // Draws the fingering in the middle of a picture of `tamanho()`.
  void desenhar(Superficie& superficie, const Especialista& especialista,
                const PosicaoHarmonicaInstrumentoCordas& posicao) const;

 private:
  MedidasPagina medidas_;
  int rotulo_;
  InstrumentoCordas instrumento_;
  int x_ = 0;  // the lowest string's
  TamanhoPagina tamanho_;
};

}  // namespace tessara
