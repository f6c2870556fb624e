#pragma once

#include <map>
#include <string>
#include <vector>

#include "PastaTemporaria.h"
#include "Processo.h"

namespace tessara::teste {

// Runs the command line as a user would, with its settings in a folder of the test's own and
// the "C" locale unless `ambiente` says otherwise, whatever the machine's.
inline ResultadoProcesso executarCli(const std::vector<std::string>& argumentos,
                                     const PastaTemporaria& configuracao,
                                     const std::string& entrada = {},
                                     const std::string& programa = TESSARA_CLI,
                                     const std::map<std::string, std::string>& ambiente = {}) {
  std::map<std::string, std::string> variaveis = {
      {"TESSARA_CONFIG_DIR", configuracao.caminho().string()},
      {"LC_ALL", ""},
      {"LC_MESSAGES", ""},
      {"LANG", "C"}};
  for (const auto& [nome, valor] : ambiente) variaveis[nome] = valor;
  return executarProcesso(programa, argumentos, variaveis, entrada);
}

}  // namespace tessara::teste
