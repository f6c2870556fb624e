#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ComandoCli.h"
#include "ContextoCli.h"

namespace tessara {

// The command line: a subcommand and its arguments, with the global options before or after
// the subcommand. Output is UTF-8;
// errors go to the error stream with a non-zero status.
class Cli {
 public:
  Cli(std::ostream& saida, std::ostream& erros);

  int executar(int argc, char** argv);

 private:
  ComandoCli* procurar(const std::string& nome) const;
  int uso(int status);
  int executarComando(ComandoCli& comando, const ContextoCli::Opcoes& opcoes,
                      const std::vector<std::string>& argumentos);
  void usoComando(const ComandoCli& comando, std::ostream& destino) const;
  // The usage line, then the command's options, on the standard output.
  void ajudaComando(const ComandoCli& comando) const;

  std::ostream& saida_;
  std::ostream& erros_;
  std::vector<std::unique_ptr<ComandoCli>> comandos_;
};

}  // namespace tessara
