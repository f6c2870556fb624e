#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessara {

// An argument of the command line that is missing or not accepted. It names the argument,
// what is wrong and what would be accepted; the command line reports it and exits with 2.
class ErroArgumento : public std::runtime_error {
 public:
  explicit ErroArgumento(const std::string& mensagem) : std::runtime_error(mensagem) {}

  // "--zoom: '150' is not accepted; accepted values: 100, 200, 300"
  static ErroArgumento valorRecusado(const std::string& argumento, const std::string& valor,
                                     const std::string& aceitos);
  // "--zoom needs a value: 100, 200, 300"
  static ErroArgumento semValor(const std::string& argumento, const std::string& aceitos = {});
  // "unexpected argument 'x'"
  static ErroArgumento inesperado(const std::string& argumento);
  // "missing NAME"
  static ErroArgumento faltando(const std::string& argumento);

  // The keys of a table, as the accepted values: "fingers, intervals, notes".
  static std::string chaves(const std::map<std::string, int>& tabela);
  // The keys of a table, in its order.
  static std::vector<std::string> nomes(const std::map<std::string, int>& tabela);
  static std::string lista(const std::vector<std::string>& valores);
};

}  // namespace tessara
