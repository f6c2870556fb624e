#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessara {

class InstrumentoCordas;

// Reads a fingering written as its frets, lowest string first: one character per string
// ("x32010": x for a string not played, else the fret 0..9), or the same separated by commas
// for frets above 9 ("8,10,10,9,8,8").
class LeitorCasas {
 public:
  // Whether the text is written that way at all (a chord name is not).
  static bool pareceCasas(std::string_view texto);

  // The fret of each string (-1: not played), checked against the instrument's strings and
  // frets; nothing, with the reason in `erro`, when they do not fit.
  static std::optional<std::vector<int>> ler(std::string_view texto,
                                             const InstrumentoCordas& instrumento,
                                             std::string& erro);

 private:
  static std::vector<std::string> partes(std::string_view texto);
};

}  // namespace tessara
