#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "../instruments/IdiomaTeste.h"
#include "chords/Especialista.h"
#include "foundations/ColecaoPtr.h"
#include "generation/GeradorInstrumentoCordas.h"
#include "instruments/InstrumentoCordas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara::teste {

// The fingering generator over the Portuguese chord parser, for whichever instrument `atual`
// points at when it runs (the one given, until a test points it at another).
class GeradorTeste : public ::testing::Test {
 protected:
  using Posicao = PosicaoHarmonicaInstrumentoCordas;

  explicit GeradorTeste(const InstrumentoCordas& instrumento) : atual(&instrumento) {}

  static std::vector<Posicao> lista(const ColecaoPtr<PosicaoHarmonica>& colecao) {
    std::vector<Posicao> posicoes;
    for (int k = 0; k < colecao.size(); ++k) {
      posicoes.push_back(dynamic_cast<const Posicao&>(*colecao.getElement(k)));
    }
    return posicoes;
  }

  IdiomaTeste idioma{"pt"};
  Especialista especialista{idioma.idiomas};
  const InstrumentoCordas* atual;
  GeradorInstrumentoCordas gerador{[this] { return atual; }, especialista};
};

}  // namespace tessara::teste
