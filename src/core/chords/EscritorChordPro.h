#pragma once

#include <string>

#include "chords/Cancao.h"

namespace tessara {

// Writes a song as ChordPro: chords in square brackets before the character they stand over,
// annotations as "[*text]", directives as "{name: value}" under the name they were read with.
// Lines end with LF.
class EscritorChordPro {
 public:
  static std::string escrever(const Cancao& cancao);
  // One line, without its line end.
  static std::string linha(const LinhaCancao& linha);
};

}  // namespace tessara
