#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "chords/IdiomaAcordes.h"

namespace tessara {

// The lists of chord names kept in the data folder, one per grammar: UTF-8 text, one name
// per line. The names come out in CP1252, as the core holds them; blank lines are skipped.
class ListaNomesAcordes {
 public:
  // The list's file name in the program's data directory.
  static const char* nomeArquivo(Gramatica gramatica);

  // The names of a list file; nothing when it cannot be read.
  static std::vector<std::string> ler(const std::filesystem::path& arquivo);
};

}  // namespace tessara
