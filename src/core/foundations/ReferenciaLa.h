#pragma once

namespace tessara {

// The A above middle C the tuner reads against, in hertz: from Baroque pitch to the sharpest
// orchestras', 440 unless the player says otherwise.
struct ReferenciaLa {
  static constexpr int MINIMO = 415;
  static constexpr int MAXIMO = 466;
  static constexpr int PADRAO = 440;
};

}  // namespace tessara
