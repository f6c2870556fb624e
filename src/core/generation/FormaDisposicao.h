#pragma once

#include <span>

#include "generation/TonsAcorde.h"
#include "model/Disposicao.h"

namespace tessara {

// The shape a voicing asks of a fingering that already holds the chord's tones: drop 2 and
// drop 3 are four tones on four adjacent strings that a close voicing (within an octave) gives
// when its second or third voice from the top goes down an octave; a shell is root, third and
// seventh alone, on three strings no wider apart than four. The other voicings ask nothing
// here.
class FormaDisposicao {
 public:
  // `notas` the MIDI note of each string, below 0 where it does not sound.
  static bool admite(Disposicao disposicao, std::span<const int> notas, const TonsAcorde& tons);

  // The strings a shell may skip between its lowest and its highest string.
  static constexpr int MAXIMO_MUDAS_SHELL = 1;

 private:
  static bool drop(std::span<const int> notas, int vozDoTopo);
  static bool shell(std::span<const int> notas, const TonsAcorde& tons);
};

}  // namespace tessara
