#include "ComandoDevices.h"

#include "ContextoCli.h"
#include "foundations/Cp1252.h"
#include "foundations/GerenciadorConfiguracao.h"
#include "SaidaMidiCli.h"
#include "app/Nucleo.h"

namespace tessara {

int ComandoDevices::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  if (!argumentos.empty()) return 2;
  const auto saida = SaidaMidiCli::criar(contexto);
  if (!saida) return 1;
  const auto nomes = saida->saida().listarDispositivos();
  const int configurado = Nucleo::processo().configuracao().getDriver();
  int indice = 0;
  for (const auto& nome : nomes) {
    contexto.saida() << (indice == configurado ? "*" : "") << indice << '\t'
                     << cp1252::paraUtf8(nome) << '\n';
    ++indice;
  }
  return 0;
}

}  // namespace tessara
