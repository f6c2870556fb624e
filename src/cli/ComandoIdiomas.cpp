#include "ComandoIdiomas.h"

#include "ContextoCli.h"
#include "Cp1252.h"
#include "GerenciadorConfiguracao.h"
#include "GerenciadorIdiomas.h"
#include "Interacao.h"
#include "Texto.h"

namespace tessara {

int ComandoIdiomas::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  if (!argumentos.empty()) return 2;
  const auto& idiomas = GerenciadorIdiomas::instancia();
  if (Interacao::global().encerramentoPedido()) return 1;
  const std::string configurado = GerenciadorConfiguracao::instancia().getIdioma();
  bool marcado = false;  // selection takes the first name that matches
  for (const auto& nome : idiomas.getNomesIdiomas()) {
    const bool selecionado = !marcado && texto::iguaisSemCaixa(nome, configurado);
    marcado = marcado || selecionado;
    contexto.saida() << (selecionado ? "*" : "") << cp1252::paraUtf8(nome) << '\n';
  }
  return 0;
}

}  // namespace tessara
