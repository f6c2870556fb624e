#pragma once

#include <string>
#include <vector>

#include "PastaTemporaria.h"
#include "Processo.h"

namespace tessara::teste {

// Runs the command line as a user would, with its settings in a folder of the test's own.
inline ResultadoProcesso executarCli(const std::vector<std::string>& argumentos,
                                     const PastaTemporaria& configuracao,
                                     const std::string& entrada = {},
                                     const std::string& programa = TESSARA_CLI) {
  return executarProcesso(programa, argumentos,
                          {{"TESSARA_CONFIG_DIR", configuracao.caminho().string()}}, entrada);
}

}  // namespace tessara::teste
