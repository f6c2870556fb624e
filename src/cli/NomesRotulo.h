#pragma once

#include <map>
#include <string>
#include <vector>

#include "ErroArgumento.h"

namespace tessara {

// The label modes by the names the command line takes (fingers, notes, intervals).
class NomesRotulo {
 public:
  static const std::map<std::string, int>& tabela();
  // The names, and the same as the accepted values of an option.
  static std::vector<std::string> nomes() { return ErroArgumento::nomes(tabela()); }
  static std::string aceitos() { return ErroArgumento::chaves(tabela()); }
};

}  // namespace tessara
