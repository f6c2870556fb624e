#pragma once

#include <QImage>
#include <string_view>

#include "CatalogoArte.h"

namespace tessara::arte {

// One picture with every fretboard background a language file names (section fmPrincipal),
// each labelled with its key and carrying chords of the language's own dots, placed where the
// program places them: the way to see that dots, strings and frets agree.
class FolhaContato {
 public:
  explicit FolhaContato(const CatalogoArte& catalogo) : catalogo_(catalogo) {}

  // `escala` is the size of a background on the sheet, in logical pixels per logical pixel.
  // Throws std::invalid_argument when the file names no background or lacks the dots.
  QImage desenhar(std::string_view idm, qreal escala) const;

 private:
  const CatalogoArte& catalogo_;
};

}  // namespace tessara::arte
