#pragma once

#include "chords/IdiomaAcordes.h"
#include "ouvir/AcordeOuvido.h"

namespace tessara {

struct TipoAcorde;

// Writes a chord heard as the chord parser writes names: the root spelled as players spell
// it (Eb, F#, Bb), the bass as a note of that chord (C/E, Ab/Eb).
class NomeadorAcordes {
 public:
  static AcordeOuvido nomear(int raiz, const TipoAcorde& tipo, int baixo, Gramatica gramatica);
};

}  // namespace tessara
