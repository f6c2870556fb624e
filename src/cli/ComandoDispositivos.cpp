#include "ComandoDispositivos.h"

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "app/Fachada.h"
#include "foundations/Cp1252.h"

namespace tessara {

int ComandoDispositivos::executar(ContextoCli& contexto,
                                  const std::vector<std::string>& argumentos) {
  if (!argumentos.empty()) throw ErroArgumento::inesperado(argumentos.front());
  if (!contexto.prepararSaida()) return 1;
  Fachada& fachada = contexto.fachada();
  const auto nomes = fachada.getNomesDispositivos();
  const int configurado = fachada.getDriver();
  int indice = 0;
  for (const auto& nome : nomes) {
    contexto.saida() << (indice == configurado ? "*" : "") << indice << '\t'
                     << cp1252::paraUtf8(nome) << '\n';
    ++indice;
  }
  return 0;
}

}  // namespace tessara
