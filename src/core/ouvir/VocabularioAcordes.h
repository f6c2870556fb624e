#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessara {

// One kind of chord the ear knows: its pitch classes above the root (bit i: i semitones) and
// its chord code on C, as the parser reads it.
struct TipoAcorde {
  std::string sufixo;    // as English chord names write it after the root
  uint16_t mascara = 0;  // pitch classes above the root, bit 0 the root
  int32_t codigo = 0;    // the chord code of C with this suffix
  uint16_t baixos = 0;   // the pitch classes that may stand in the bass (no tensions)
};

// The chords recognised: the triads, sixths, sevenths, suspensions and the ninth that players
// strum, each read from its English name by the chord parser, so the names written back are
// the parser's own.
class VocabularioAcordes {
 public:
  static const std::vector<TipoAcorde>& tipos();
  // The pitch classes (0..11, C = 0) of a kind on a root, as a 12-bit mask.
  static uint16_t classes(const TipoAcorde& tipo, int raiz);
  // The pitch classes above the root (bit 0 the root) of any chord code.
  static uint16_t mascaraDoCodigo(int32_t codigo);
};

}  // namespace tessara
