#pragma once

#include <QPixmap>

#include "foundations/Imagem.h"

namespace tessara {

// A language picture as a pixmap; the pixels are read in place, copied once into the pixmap.
QPixmap pixmapDe(const Imagem& imagem);

}  // namespace tessara
