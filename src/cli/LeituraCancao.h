#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "chords/Cancao.h"
#include "chords/IdiomaAcordes.h"

namespace tessara {

// A song as the command line reads it: bytes from a file or standard input, UTF-8 (or, when
// they are not, Windows-1252), into the core's CP1252; every line the reader could not take
// whole is named on the error stream, which does not stop the command.
class LeituraCancao {
 public:
  // "-" is standard input. False, after telling why, when the file cannot be read.
  static bool lerBytes(const std::string& arquivo, std::string& bytes, std::ostream& erros);

  // The bytes in CP1252; a note names the first line that is not UTF-8.
  static std::string emCp1252(const std::string& bytes, const std::string& comando,
                              std::ostream& erros);

  // For the commands that take a chord sheet: nothing when the text has no directive (the
  // chord sheet already moves and lists chords in brackets, and keeps every byte of the rest);
  // else the song transposed and written back as ChordPro (the key moves, tab blocks stay),
  // or its chords.
  static std::optional<std::string> transporChordPro(const std::string& texto, int semitons,
                                                     const IdiomaAcordes& idioma,
                                                     const std::string& comando,
                                                     std::ostream& erros);
  static std::optional<std::vector<std::string>> acordesChordPro(const std::string& texto,
                                                                 const IdiomaAcordes& idioma,
                                                                 const std::string& comando,
                                                                 std::ostream& erros);

  static Cancao ler(const std::string& texto, const IdiomaAcordes& idioma,
                    const std::string& comando, std::ostream& erros);
};

}  // namespace tessara
