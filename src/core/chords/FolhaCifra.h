#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chords/IdiomaAcordes.h"

namespace tessara {

// A chord sheet as people paste it: lines of chords above lines of lyrics, section labels,
// bar marks, chords in square brackets inside the lyrics.
//
// A line is a chord line when each of its words, with surrounding brackets and parentheses
// set aside, is a chord or is left aside: a word that does not start with a letter ("|",
// "2x", "-"), a repeat mark such as "x2", "N.C.", and a label opening the line: the text up
// to its first ":" ("Intro:", "Refrão (2x):") or a first word in square brackets that is not
// a chord ("[Refrão]"). Every other line is a text line, whose words are never touched except
// chords written inside square brackets ("[Am] letra").
//
// Blanks, tabs and line ends (LF, CR LF or CR) are kept exactly.
class FolhaCifra {
 public:
  // Where a chord stands on a line: its first byte and its length.
  struct Trecho {
    size_t inicio;
    size_t tamanho;
  };

  // The text as the sheet takes it from the clipboard: every tab becomes two blanks.
  static std::string textoColado(std::string_view texto);

  // Whether one line (without its line end) is a chord line.
  static bool ehLinhaAcordes(std::string_view linha, const IdiomaAcordes& idioma);

  // A move by semitones as the transposer takes it: 1..12 steps and a direction.
  struct Movimento {
    int passos;
    int direcao;
  };
  // Positive: up (sharps), negative: down (flats); twelve steps come back to the same sounds,
  // so any count reduces to 1..12 (0 stays 0).
  static Movimento movimento(int semitons);

  // Where the chords of a chord line stand; nothing for a text line.
  static std::vector<Trecho> trechosLinhaAcordes(std::string_view linha,
                                                 const IdiomaAcordes& idioma);

  // The chord one word holds, the parentheses around it set aside ("(Am)" holds "Am"); empty
  // when the word holds none (text, a repeat mark, "N.C.").
  static std::string_view acordeDaPalavra(std::string_view palavra, const IdiomaAcordes& idioma);

  // The chords of the sheet, in order, as written (surrounding parentheses set aside): the
  // chords of its chord lines and the bracketed chords of its text lines.
  static std::vector<std::string> acordes(std::string_view texto, const IdiomaAcordes& idioma);

  // The major key of the sheet (pitch class, C = 0): the one a key line ("Tom: G", "Key: Am")
  // names, else the one its chords fit best.
  static int tomDaCifra(std::string_view texto, const IdiomaAcordes& idioma);

  // The sheet with those chords moved by semitone steps, up (Especialista::ACIMA) or down
  // (ABAIXO), each spelled by the key the sheet lands in; everything else exactly as it was.
  static std::string transporCifra(std::string_view texto, int passos, int direcao,
                                   const IdiomaAcordes& idioma);
};

}  // namespace tessara
