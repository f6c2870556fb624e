#pragma once

#include <string>

#include "chords/Cancao.h"
#include "chords/IdiomaAcordes.h"

namespace tessara {

// Writes a song as the chord sheet shows it: each line's chords on a line of their own above
// its lyrics, each over the character it stood over (a chord that would touch the one before
// pushes the lyrics right). A line of chords alone is written where its chords stand.
// Directives, tab blocks and comments are kept as ChordPro writes them, and so is a line that
// would read back otherwise over its lyrics (its lyrics are themselves chord names, say): the
// sheet reads chords in brackets too, so what is written reads back into the same song.
class EscritorCifra {
 public:
  explicit EscritorCifra(IdiomaAcordes idioma) : idioma_(std::move(idioma)) {}

  std::string escrever(const Cancao& cancao) const;

 private:
  std::string letraComAcordes(const LinhaCancao& linha, const LinhaCancao* seguinte) const;
  bool reLida(const std::string& escrita, const LinhaCancao& linha) const;

  IdiomaAcordes idioma_;
};

}  // namespace tessara
