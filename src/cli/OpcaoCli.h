#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tessara {

// One option of a command: its name, how many values follow it, what it accepts (as the
// messages and the command's --help say it) and, when its values are a fixed list, that list.
struct OpcaoCli {
  // A flag; not explicit, so that a table lists flags by name alone.
  OpcaoCli(std::string chave) : nome(std::move(chave)) {}
  OpcaoCli(std::string chave, int quantos, std::string descricao,
           std::vector<std::string> lista = {})
      : nome(std::move(chave)),
        valores(quantos),
        aceitos(std::move(descricao)),
        escolhas(std::move(lista)) {}

  // Refused when given twice, with that message.
  OpcaoCli unica(std::string mensagem) && {
    seRepetida = std::move(mensagem);
    return std::move(*this);
  }
  // An empty value counts as none.
  OpcaoCli semVazio() && {
    naoVazio = true;
    return std::move(*this);
  }

  std::string nome;
  int valores = 0;                    // 0: a flag
  std::string aceitos;                // "a file", "a whole number from 1", "text, tsv"
  std::vector<std::string> escolhas;  // empty: the command checks the value itself
  std::string seRepetida;             // empty: the last one given counts
  bool naoVazio = false;
};

}  // namespace tessara
