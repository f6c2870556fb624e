#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "generation/Gerador.h"
#include "generation/RestricaoAcordes.h"
#include "generation/TonsAcorde.h"
#include "instruments/FonteInstrumento.h"
#include "model/Disposicao.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

class BuscaPosicoes;
class Especialista;
class InstrumentoCordas;

// Every playable fingering of a chord on the current string instrument: an exhaustive search
// over the strings, the bass placed on each string from the highest down and the higher
// strings tried silent, open and fretted within the instrument's span, kept when it passes
// the restrictions and the hand can finger it. Results come in search order, each with its
// cheapest finger arrangement (silent strings get finger 0).
class GeradorInstrumentoCordas : public Gerador {
 public:
  // Names come from the Especialista, in its current language.
  GeradorInstrumentoCordas(FonteInstrumento instrumento, const Especialista& especialista);
  ~GeradorInstrumentoCordas() override;

  // The fingerings of a chord code, named by the code's canonical name. Nothing for a code
  // whose root is no written note name.
  ColecaoPtr<PosicaoHarmonica> gerar(int32_t codigo);
  // The same in a voicing, on the instrument as a capo at fret `capo` shortens it (frets
  // counted from the capo). Inversions are named as slash chords; a voicing the chord cannot
  // take (rootless without a ninth, eleventh or thirteenth; a shell without a third and a
  // seventh) gives nothing.
  ColecaoPtr<PosicaoHarmonica> gerar(int32_t codigo, Disposicao disposicao, int capo);

  ColecaoPtr<PosicaoHarmonica> montar(const std::string& nome, int raiz, int terca, int quinta,
                                      int setima, int baixo, std::span<const int> tensoes) override;

  // The fingering of frets chosen by hand (below 0: not played) on the current instrument:
  // fingered as cheaply as the hand can (no fingers when it cannot), named canonically after
  // its notes with the lowest one as the root (no name when no string sounds).
  PosicaoHarmonicaInstrumentoCordas posicaoDasCasas(const std::vector<int>& casas) const;
  // The cheapest finger arrangement the hand can make for those frets on the current
  // instrument; nothing when it can make none.
  std::optional<std::vector<int>> dedosDasCasas(const std::vector<int>& casas) const;

  // The tones of a code; the root is 0 when the code's root is no written note name. Every
  // tension degree counts, however many there are.
  static TonsAcorde decodificar(int32_t codigo);

  // The bass of each inversion of a code: the third, fifth and seventh that differ from the
  // root, as written-name indexes spelled in the chord.
  static std::vector<int> baixosInversoes(int32_t codigo);

  const RestricaoAcordes& getRestricoes() const { return *restricoes_; }
  // Places the search may try per chord (BuscaPosicoes::LIMITE_PASSOS unless set).
  void definirLimitePassos(int64_t limite);
  // Steps the last chord's search took; above the limit it stopped short.
  int64_t passosUsados() const;

 private:
  void buscar(const InstrumentoCordas& instrumento, int32_t codigo, Disposicao disposicao,
              ColecaoPtr<PosicaoHarmonica>& resultado);

  FonteInstrumento instrumento_;
  const Especialista& especialista_;
  std::unique_ptr<RestricaoAcordes> restricoes_;
  std::unique_ptr<BuscaPosicoes> busca_;  // its buffers are kept from one chord to the next
};

}  // namespace tessara
