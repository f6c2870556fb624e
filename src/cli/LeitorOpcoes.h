#pragma once

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "OpcaoCli.h"

namespace tessara {

// Reads a command's arguments against its table of options: an option takes its values, a
// value outside its fixed list is refused naming what it accepts, anything else is a
// positional argument while the command takes more, or an unexpected one. Every refusal is an
// ErroArgumento.
class LeitorOpcoes {
 public:
  // Whether an argument may be positional; by default one that does not start with '-'.
  using Posicional = std::function<bool(const std::string&)>;

  struct Lidas {
    std::map<std::string, std::vector<std::string>> valores;  // by option, flags with none
    std::vector<std::string> posicionais;

    bool tem(const std::string& opcao) const { return valores.contains(opcao); }
    // The option's first value, when it was given.
    std::optional<std::string> valor(const std::string& opcao) const;
  };

  LeitorOpcoes(std::vector<OpcaoCli> opcoes, size_t maximoPosicionais, Posicional posicional = {});

  Lidas ler(const std::vector<std::string>& argumentos) const;
  // Whether the table has that option.
  bool conhece(const std::string& nome) const { return procurar(nome) != nullptr; }
  // The option's entry in the table; it must be there.
  const OpcaoCli& opcao(const std::string& nome) const;
  // One line per option for the command's --help.
  void escreverAjuda(std::ostream& destino) const;

  // Accepts anything but a word that starts with '-'.
  static bool semTraco(const std::string& argumento);

 private:
  const OpcaoCli* procurar(const std::string& nome) const;
  void lerOpcao(const OpcaoCli& opcao, const std::vector<std::string>& argumentos, size_t& i,
                Lidas& lidas) const;

  std::vector<OpcaoCli> opcoes_;
  size_t maximoPosicionais_;
  Posicional posicional_;
};

}  // namespace tessara
