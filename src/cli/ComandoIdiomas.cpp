#include "ComandoIdiomas.h"

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "app/Fachada.h"
#include "foundations/Cp1252.h"
#include "foundations/Texto.h"

namespace tessara {

int ComandoIdiomas::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  if (!argumentos.empty()) throw ErroArgumento::inesperado(argumentos.front());
  Fachada& fachada = contexto.fachada();
  const auto nomes = fachada.getNomesIdiomas();
  if (contexto.encerramentoPedido()) return 1;
  const std::string configurado = fachada.getIdiomaConfigurado();
  bool marcado = false;  // selection takes the first name that matches
  for (const auto& nome : nomes) {
    const bool selecionado = !marcado && texto::iguaisSemCaixa(nome, configurado);
    marcado = marcado || selecionado;
    contexto.saida() << (selecionado ? "*" : "") << cp1252::paraUtf8(nome) << '\n';
  }
  return 0;
}

}  // namespace tessara
