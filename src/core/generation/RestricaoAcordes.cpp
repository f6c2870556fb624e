#include "generation/RestricaoAcordes.h"

namespace tessara {

RestricaoAcordes::RestricaoAcordes()
    : maximoRepeticoes_{3, 2, 2, -1, 1},
      padroes_{"xxoooo", "xoxooo", "oxxooo", "xoooox", "oxooox", "ooooxx", "oooooo", "xooooo"},
      padroesQuinta_{"oooxxx", "xoooxx", "xxooox"} {}

}  // namespace tessara
