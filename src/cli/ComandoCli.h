#pragma once

#include <string>
#include <vector>

namespace tessara {

class ContextoCli;
class LeitorOpcoes;

// One subcommand of the command line.
class ComandoCli {
 public:
  virtual ~ComandoCli() = default;
  virtual std::string nome() const = 0;
  // One line for the usage text: the arguments, two blanks, what it does.
  virtual std::string resumo() const = 0;
  // The command's options, for its --help; none when it takes none.
  virtual const LeitorOpcoes* opcoes() const { return nullptr; }
  // Returns the exit status; 2 means the arguments were wrong.
  virtual int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) = 0;
};

}  // namespace tessara
