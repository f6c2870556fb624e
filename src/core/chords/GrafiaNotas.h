#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "chords/IdiomaAcordes.h"

namespace tessara {

// How notes are spelled where a chord or a key says which letter each one takes: a chord's
// notes from its root and quality (C7: Bb; F#: A#; Cdim7: Bbb), a scale's notes from its key
// (G minor: Bb, Eb), and the chords of a song by the key it is in.
class GrafiaNotas {
 public:
  // The spelled name of a pitch class (any integer, C = 0) in the chord of that code: a chord
  // tone by its degree above the root's letter, any other note by the root's side (flats for
  // a flat root or F, else sharps).
  static std::string notaNoAcorde(int32_t codigo, int classe);

  // The interval label of a pitch class above the chord's root: English "R b3 3 4 b5 5 #5 6
  // b7 7 9 ...", by the chord's own degree where it has one; Portuguese the fixed labels.
  static std::string intervaloNoAcorde(int32_t codigo, int classe, Gramatica gramatica);

  // The names of a scale's notes, semitones above a tonic pitch class: seven notes take the
  // seven letters from the tonic's, spelled as the key with fewer accidentals does; other
  // scales borrow the spelling of the tonic's major or (with a minor third) minor key.
  static std::vector<std::string> notasDaEscala(int tonica, const std::vector<int>& semitons);

  // The interval label of each of a scale's notes above its tonic, by the letters the notes
  // are spelled with: English "R 2 b3 4 5 b6 b7", #4 in Lydian; Portuguese "T 2 3m 4 5 b6 7",
  // thirds and sevenths in the words of its chord labels (3m 3M 7 7M).
  static std::vector<std::string> intervalosDaEscala(int tonica, const std::vector<int>& semitons,
                                                     Gramatica gramatica);

  // The spelled names of a fingering's notes (MIDI, one per string, below 0 silent; "" there)
  // and their intervals, in the chord of that code.
  struct Rotulos {
    std::vector<std::string> notas;
    std::vector<std::string> intervalos;
  };
  static Rotulos rotulosDasNotas(int32_t codigo, const std::vector<int>& notas,
                                 Gramatica gramatica);

  // The written-name index (0..16) of each pitch class in a major key: its scale's letters,
  // other notes by the key's side. A key on both sides (F# or Gb) takes flats when asked.
  static std::array<int, 12> grafiasDoTom(int tom, bool bemoisNoEmpate);

  // The major key (pitch class) that the chord codes fit best: triads and sevenths on the
  // key's degrees with their own quality score most; ties go to the first chord's key.
  static int tomDosAcordes(const std::vector<int32_t>& codigos);

 private:
  // `notasDaEscala` over distinct pitch classes.
  static std::vector<std::string> notasDistintas(int tonica, const std::vector<int>& semitons);
};

}  // namespace tessara
