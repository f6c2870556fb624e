#pragma once

namespace tessara {

// What a change of chord costs the HMM's best path, in log-probability: a recording decoded
// whole can afford a surer change than the live answer, which must follow the player quickly.
struct CustoTroca {
  static constexpr float ARQUIVO = 12.0f;
  static constexpr float AO_VIVO = 8.0f;
};

}  // namespace tessara
