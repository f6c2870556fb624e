#pragma once

#include <map>
#include <string>
#include <vector>

namespace tessara::teste {

// Runs a program to its end, feeding it standard input and catching both outputs.
struct ResultadoProcesso {
  int status = -1;
  std::string saida;
  std::string erros;
};

ResultadoProcesso executarProcesso(const std::string& programa,
                                   const std::vector<std::string>& argumentos,
                                   const std::map<std::string, std::string>& ambiente = {},
                                   const std::string& entrada = {});

}  // namespace tessara::teste
