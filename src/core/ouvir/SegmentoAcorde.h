#pragma once

#include "ouvir/AcordeOuvido.h"

namespace tessara {

// A stretch of a recording holding one chord, in seconds from its start.
struct SegmentoAcorde {
  double inicio = 0;
  double fim = 0;
  AcordeOuvido acorde;
};

}  // namespace tessara
