#pragma once

#include <string>
#include <string_view>

namespace tessara {

// Pitch conventions: a note is a MIDI note number (middle C = 60), a pitch class is note
// mod 12 with C = 0, an octave is note / 12.
constexpr int NUMERO_NOTAS = 12;

std::string nomeNota(int nota);
std::string nomeNotaBemol(int nota);
std::string nomeIntervalo(int semitons);
// "C4" for MIDI 60: the note and its octave in scientific pitch.
std::string nomeNotaOitava(int nota);

// The label of pitch class 0..11 in the language named `nomeIdioma` ("C# ou Db" in
// Portuguese, "C# or Db" otherwise); an index outside 0..11 gives the empty text.
std::string nomeNotaEnarmonica(int classe, std::string_view nomeIdioma);

// The pitch class whose label in that language is exactly `rotulo`, or -1.
int indiceNotaEnarmonica(std::string_view rotulo, std::string_view nomeIdioma);

// Equal temperament with the A above middle C (MIDI 69) at `la` hertz: the frequency of a
// note, and the note, fractional, of a frequency.
double frequenciaDaNota(double nota, double la = 440.0);
double notaDaFrequencia(double hz, double la = 440.0);

// The fingering generator counts pitch classes 1..12 with C = 12.
int classeNota(int semitons);

}  // namespace tessara
