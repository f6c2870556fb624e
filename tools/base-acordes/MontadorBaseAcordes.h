#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "chords/AcordeComposto.h"

namespace tessara {

class GeradorInstrumentoCordas;
class InstrumentoCordas;
struct IdiomaAcordes;

// Builds a chord base from a list of chord names: each name, read in the language's grammar,
// gets its fingerings on the guitar from the generator, the easiest to play first (see
// Tocabilidade), and the first few are kept under the name as written in the list.
class MontadorBaseAcordes {
 public:
  static constexpr int POSICOES_POR_ACORDE = 5;

  MontadorBaseAcordes(GeradorInstrumentoCordas& gerador, const InstrumentoCordas& violao,
                      const IdiomaAcordes& idioma);

  // The chords in list order. A name the grammar cannot read, a second name for a chord
  // already listed and a chord with no fingering are errors: their reasons go to `erros` and
  // the result is empty.
  std::vector<AcordeComposto> montar(const std::vector<std::string>& nomes, std::ostream& erros);

  // The fingerings, easiest first.
  std::vector<const PosicaoHarmonica*> ordenar(const ColecaoPtr<PosicaoHarmonica>& posicoes) const;

 private:
  GeradorInstrumentoCordas& gerador_;
  const InstrumentoCordas& violao_;
  const IdiomaAcordes& idioma_;
};

}  // namespace tessara
