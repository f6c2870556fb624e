#pragma once

namespace tessara {

// One hidden state of the chord model: a kind of chord on a root with a bass, or no chord.
struct EstadoAcorde {
  int raiz = 0;
  int tipo = -1;  // index into VocabularioAcordes::tipos(); -1: no chord
  int baixo = 0;

  bool semAcorde() const { return tipo < 0; }
};

}  // namespace tessara
