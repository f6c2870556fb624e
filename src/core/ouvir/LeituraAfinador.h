#pragma once

namespace tessara {

// What the tuner hears now: the note nearest the smoothed pitch and, when the instrument has
// strings, the string whose open note is nearest.
struct LeituraAfinador {
  bool temNota = false;
  double frequencia = 0;  // Hz, smoothed
  int notaMidi = 0;       // nearest equal-tempered note (A4 = 69)
  double centsNota = 0;   // cents off that note
  int corda = -1;         // index of the nearest string of the instrument, -1 none
  double centsCorda = 0;  // cents off that string's open note
};

}  // namespace tessara
