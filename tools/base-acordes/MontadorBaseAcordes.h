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
// gets its fingerings on the guitar from the generator, the complete shapes (every note that
// gives the chord its name sounds) before the others and the easiest to play first among
// each (see Tocabilidade), and the first few are kept under the name as written in the list.
// A chord does not start with a diagram that an earlier chord starts with while it has a
// complete shape of its own.
class MontadorBaseAcordes {
 public:
  static constexpr int POSICOES_POR_ACORDE = 5;

  MontadorBaseAcordes(GeradorInstrumentoCordas& gerador, const InstrumentoCordas& violao,
                      const IdiomaAcordes& idioma);

  // The chords in list order. A name the grammar cannot read, a second name for a chord
  // already listed and a chord with no fingering are errors: their reasons go to `erros` and
  // the result is empty. A chord left to share its first diagram is noted there too.
  std::vector<AcordeComposto> montar(const std::vector<std::string>& nomes, std::ostream& erros);

  // The fingerings of the chord, complete shapes first, easiest first among each.
  std::vector<const PosicaoHarmonica*> ordenar(const ColecaoPtr<PosicaoHarmonica>& posicoes,
                                               int32_t codigo) const;

  // Whether the frets sound the chord's third (when it has one), its seventh, its altered
  // fifth and every tension it names.
  bool completa(const std::vector<int>& casas, int32_t codigo) const;

 private:
  GeradorInstrumentoCordas& gerador_;
  const InstrumentoCordas& violao_;
  const IdiomaAcordes& idioma_;
};

}  // namespace tessara
