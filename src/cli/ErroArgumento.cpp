#include "ErroArgumento.h"

namespace tessara {

ErroArgumento ErroArgumento::valorRecusado(const std::string& argumento, const std::string& valor,
                                           const std::string& aceitos) {
  return ErroArgumento(argumento + ": '" + valor +
                       "' is not accepted; accepted values: " + aceitos);
}

ErroArgumento ErroArgumento::semValor(const std::string& argumento, const std::string& aceitos) {
  return ErroArgumento(argumento + " needs a value" + (aceitos.empty() ? "" : ": " + aceitos));
}

ErroArgumento ErroArgumento::inesperado(const std::string& argumento) {
  return ErroArgumento("unexpected argument '" + argumento + "'");
}

ErroArgumento ErroArgumento::faltando(const std::string& argumento) {
  return ErroArgumento("missing " + argumento);
}

std::string ErroArgumento::chaves(const std::map<std::string, int>& tabela) {
  return lista(nomes(tabela));
}

std::vector<std::string> ErroArgumento::nomes(const std::map<std::string, int>& tabela) {
  std::vector<std::string> valores;
  for (const auto& [chave, valor] : tabela) valores.push_back(chave);
  return valores;
}

std::string ErroArgumento::lista(const std::vector<std::string>& valores) {
  std::string texto;
  for (const auto& v : valores) texto += (texto.empty() ? "" : ", ") + v;
  return texto;
}

}  // namespace tessara
