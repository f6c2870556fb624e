#pragma once

#include <vector>

namespace tessara {

// How hard a fingering is to play on a guitar, as a cost: the lower, the sooner a teacher
// shows it. What counts, in this order of weight:
//
// - every string sounds: a string left silent costs 5, and 10 more when it lies between two
//   sounding strings (the hand has to damp it mid-strum), 3 more when it is above the
//   highest sounding one;
// - low on the neck: the frets pressed, summed;
// - few fingers: 1 per finger used (a barre is one finger);
// - one position of the hand: open strings together with a fret above the third cost 5 for
//   each fret above it (the hand is up the neck and still has to leave strings open);
// - no crossed fingers: 8 when the index and the middle finger share a fret with the ring or
//   the little finger pressing a string between them (those lie further up the neck, so the
//   middle finger would have to reach round them);
// - the finger arrangement's own cost (one finger per fret is free).
//
// The root in the bass needs no weight: the generator only plays the bass on the lowest
// sounding string.
class Tocabilidade {
 public:
  // `dedos`: the fingering's fingers (0 open or silent, 6 silent, 1..4), `custoDedos` the cost
  // of that arrangement.
  static int custo(const std::vector<int>& casas, const std::vector<int>& dedos, int custoDedos);

 private:
  static int cordasMudas(const std::vector<int>& casas);
  static int cruzamentos(const std::vector<int>& casas, const std::vector<int>& dedos);
};

}  // namespace tessara
