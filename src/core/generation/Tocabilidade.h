#pragma once

#include <vector>

#include "generation/TonsAcorde.h"

namespace tessara {

class InstrumentoCordas;

// How hard a fingering is to play, as a cost: the lower, the sooner a teacher shows it. The
// chord manager orders generated fingerings by it and the chord-base tool picks the stored
// shapes by it. What counts:
//
// - every string sounds: a string left silent costs 5, and 6 more when it lies between two
//   sounding strings (the hand has to damp it mid-strum), 3 more when it is above the
//   highest sounding one, neither of these when the string below it is pressed (that finger
//   damps it: F#m7b5 2x221x); a power chord (root and fifth only) leaves its upper strings
//   silent for free, as it is played;
// - low on the neck: twice the lowest pressed fret (the hand's position), each pressed fret
//   above it once, and the span between the lowest and the highest pressed fret once more
//   and 6 more for each fret of it beyond two (a stretch over four frets);
// - few fingers: 1 per finger used (a barre is one finger);
// - open strings ring for free: 1 off for each in the first position;
// - stretch: the finger arrangement's own cost (one finger per fret is free);
// - one position of the hand: open strings together with a fret above the third cost 5 for
//   each fret above it (the hand is up the neck and still has to leave strings open);
// - no crossed fingers: 8 when the index and the middle finger share a fret, more than two
//   strings apart, with the ring or the little finger pressing a string between them (the
//   middle finger has to reach round them; D's 1 3 2 is no such case);
// - the root in the bass: 12 when the lowest sounding note is not the chord's bass (only
//   instruments without a bass string can do that);
// - a doubled root sounds full: 2 off when the root sounds on two strings or more.
//
// The barre itself is judged by the finger arrangement, which uses the index finger across
// strings at other frets only where no other arrangement fits.
class Tocabilidade {
 public:
  // `casas` and `dedos` per string (dedos: 0 open or silent, 6 silent, 1..4), `custoDedos`
  // the cost of that arrangement; `notas` the MIDI note of each string (below 0 silent);
  // `tons` the chord's tones (generator pitch classes).
  static int custo(const std::vector<int>& casas, const std::vector<int>& dedos, int custoDedos,
                   const std::vector<int>& notas, const TonsAcorde& tons);

  // The cost of a fingering on an instrument, its finger arrangement recomputed.
  static int custo(const std::vector<int>& casas, const std::vector<int>& dedos,
                   const InstrumentoCordas& instrumento, const TonsAcorde& tons);

 private:
  static int cordasMudas(const std::vector<int>& casas, bool quinta);
  static int cruzamentos(const std::vector<int>& casas, const std::vector<int>& dedos);
  static int raizes(const std::vector<int>& notas, const TonsAcorde& tons);
};

}  // namespace tessara
