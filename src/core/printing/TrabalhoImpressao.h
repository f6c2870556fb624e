#pragma once

#include <string>

#include "foundations/ColecaoPtr.h"
#include "instruments/InstrumentoCordas.h"
#include "model/ModoRotulo.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

// What one print job lays out: the content and label kinds (the print dialog's list
// indexes), the fingerings in print-list order, the job's text and the instrument.
struct TrabalhoImpressao {
  // Content kinds.
  static constexpr int TEXTO_E_DIAGRAMAS = 0;
  static constexpr int DIAGRAMAS = 1;
  static constexpr int TEXTO = 2;

  int conteudo = DIAGRAMAS;
  int rotulo = ModoRotulo::DEDOS;  // what each circle of a diagram shows
  const ColecaoPtr<PosicaoHarmonicaInstrumentoCordas>& posicoes;
  const std::string& texto;
  const InstrumentoCordas& instrumento;
};

}  // namespace tessara
