#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "foundations/ColecaoPtr.h"
#include "instruments/FonteInstrumento.h"
#include "scales/Escala.h"
#include "scales/EscalaExibicao.h"

namespace tessara {

class Textos;
class InstrumentoCordas;

// Lays a scale out on the current instrument in every possible way: each way plays the scale's
// notes in order at one fixed pitch, never moving against the scale's direction across the
// strings. Each way gets a left-hand fingering and the alternating right-hand pattern, and the
// displays come back cheapest first.
class GeradorEscalas {
 public:
  // One placed note.
  struct CasaCordaEscala {
    int casa;
    int corda;
  };

  // One cell of the fingering table: the finger chosen for the previous note (-1: none) and
  // the cost so far.
  struct Elemento {
    int anterior;
    int64_t custo;
  };

  // The fretboard has markers for this many notes; a longer scale is refused.
  static constexpr int MAXIMO_NOTAS = 24;
  // Bounds for a damaged instrument base (thousands of frets or strings) or a scale that
  // leaps up and down: the search stops after this many displays or steps (strings and frets
  // tried) and keeps what it found, so memory and time stay bounded. On the built-in
  // guitar a one-octave scale has about 300 displays and a two-octave one up to 4 320; on a
  // 24-fret guitar a two-octave one has up to 19 290.
  static constexpr size_t LIMITE_EXIBICOES = 50000;
  static constexpr int64_t LIMITE_PASSOS = 5000000;
  struct Limites {
    size_t exibicoes = LIMITE_EXIBICOES;
    int64_t passos = LIMITE_PASSOS;
  };

  // Fingers 1 (index) to 4 (little finger); while fingering, 5 stands for an open string.
  static constexpr int DEDO_SOLTO = 5;

  // The root label is read in the current language; the instrument is the current one.
  GeradorEscalas(const Textos& idioma, FonteInstrumento instrumento);

  // Every display of the scale with that root label (one of the twelve of the current
  // language) on the current instrument, cheapest first; displays of equal cost keep the
  // order in which the search found them. NotFoundException when there is none, also for a
  // label that is not one of the twelve and for a scale of no notes or of more than
  // MAXIMO_NOTAS.
  ColecaoPtr<EscalaExibicao> obterPosicoesEscala(Escala escala, const std::string& tonica);
  // The same on a given instrument, with the root as a pitch class (0 = C).
  ColecaoPtr<EscalaExibicao> obterPosicoesEscala(const Escala& escala, int raiz,
                                                 const std::string& tonica,
                                                 const InstrumentoCordas& instrumento);

  // Lower limits keep each search short where many scales are laid out for their own sake
  // (fuzzing).
  void definirLimites(Limites limites) { limites_ = limites; }
  const Limites& getLimites() const { return limites_; }

  // The paths of the last search, in the order the search completed them.
  const std::vector<std::vector<CasaCordaEscala>>& getResultados() const { return resultados_; }

  // The cost of moving from fret a with finger p on string c to fret b with finger q on
  // string d (finger 5: an open string).
  static int custoTransicao(int a, int b, int p, int q, int c, int d);
  // The cheapest left-hand fingers of a path (0 for an open string).
  static std::vector<int> dedilhar(const std::vector<int>& casas, const std::vector<int>& cordas);
  // Right-hand fingers as indexes into "PIMA": index and middle finger in turn.
  static std::vector<int> maoDireita(int numeroNotas);

 private:
  class Busca;

  [[noreturn]] void recusar(const Escala& escala, const std::string& tonica) const;

  const Textos& idioma_;
  FonteInstrumento instrumento_;
  std::vector<std::vector<CasaCordaEscala>> resultados_;
  Limites limites_;
};

}  // namespace tessara
