#include "ComandoIdiomas.h"

#include "ContextoCli.h"
#include "foundations/Cp1252.h"
#include "foundations/GerenciadorConfiguracao.h"
#include "languages/GerenciadorIdiomas.h"
#include "foundations/Interacao.h"
#include "foundations/Texto.h"
#include "app/Nucleo.h"

namespace tessara {

int ComandoIdiomas::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  if (!argumentos.empty()) return 2;
  const auto& idiomas = Nucleo::processo().idiomas();
  if (Nucleo::processo().interacao().encerramentoPedido()) return 1;
  const std::string configurado = Nucleo::processo().configuracao().getIdioma();
  bool marcado = false;  // selection takes the first name that matches
  for (const auto& nome : idiomas.getNomesIdiomas()) {
    const bool selecionado = !marcado && texto::iguaisSemCaixa(nome, configurado);
    marcado = marcado || selecionado;
    contexto.saida() << (selecionado ? "*" : "") << cp1252::paraUtf8(nome) << '\n';
  }
  return 0;
}

}  // namespace tessara
