#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ComandoCli.h"

namespace tessara {

// The command line: global options, then a subcommand and its arguments. Output is UTF-8;
// errors go to the error stream with a non-zero status.
class Cli {
 public:
  Cli(std::ostream& saida, std::ostream& erros);

  int executar(int argc, char** argv);

 private:
  ComandoCli* procurar(const std::string& nome) const;
  int uso(int status);

  std::ostream& saida_;
  std::ostream& erros_;
  std::vector<std::unique_ptr<ComandoCli>> comandos_;
};

}  // namespace tessara
