#pragma once

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace tessara {

// The command line: global options, then a command and its arguments. Output is UTF-8;
// errors go to the error stream with a non-zero status.
class Cli {
 public:
  Cli(std::ostream& saida, std::ostream& erros);

  int executar(int argc, char** argv);

 private:
  using Comando = std::function<int(const std::vector<std::string>& argumentos)>;

  int idiomas(const std::vector<std::string>& argumentos);
  int uso(int status);

  std::ostream& saida_;
  std::ostream& erros_;
  std::map<std::string, Comando> comandos_;
};

}  // namespace tessara
