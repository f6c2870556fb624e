#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExecucaoCli.h"
#include "PastaTemporaria.h"

namespace tessara::teste {

// A command-line test: a settings folder of its own, and the command line run on it as a user
// would, with "--lang" first when the test names a language.
class TesteCli : public ::testing::Test {
 protected:
  ResultadoProcesso cli(std::vector<std::string> argumentos, const std::string& entrada = {},
                        const std::string& programa = TESSARA_CLI) const {
    if (!idioma.empty()) argumentos.insert(argumentos.begin(), {"--lang", idioma});
    return executarCli(argumentos, configuracao, entrada, programa);
  }

  std::string idioma;  // none: the configured one
  PastaTemporaria configuracao;
};

}  // namespace tessara::teste
