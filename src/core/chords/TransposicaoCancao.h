#pragma once

#include <string>
#include <string_view>

#include "chords/Cancao.h"
#include "chords/IdiomaAcordes.h"

namespace tessara {

// Moves a song's chords and its key by semitones, with the chord sheet's transposer: the root
// and the bass are rewritten, sharps going up and flats going down. A mark that is no chord
// and a key that is no chord name stay as they are.
class TransposicaoCancao {
 public:
  explicit TransposicaoCancao(IdiomaAcordes idioma) : idioma_(std::move(idioma)) {}
  virtual ~TransposicaoCancao() = default;

  // The song sounding `semitons` higher (negative: lower): chords and key move.
  void transpor(Cancao& cancao, int semitons) const;

  // The song played with the capo on that fret (0: without one), sounding as before: the
  // chords become the shapes played behind the new capo, the key stays, the capo directive
  // follows.
  void colocarCapo(Cancao& cancao, int casa) const;

 protected:
  // One chord name moved by semitones; `tomNovo` is the song's key once moved (empty when it
  // has none). Writing names by that key instead of by the direction belongs here.
  virtual std::string nomeTransposto(std::string_view nome, int semitons,
                                     const std::string& tomNovo) const;

 private:
  void moverAcordes(Cancao& cancao, int semitons, const std::string& tomNovo) const;

  IdiomaAcordes idioma_;
};

}  // namespace tessara
