#include "ContextoCli.h"

#include "GerenciadorConfiguracao.h"
#include "GerenciadorIdiomas.h"
#include "Interacao.h"

namespace tessara {

ContextoCli::ContextoCli(Opcoes opcoes, std::ostream& saida, std::ostream& erros)
    : opcoes_(std::move(opcoes)), saida_(saida), erros_(erros) {}

GerenciadorIdiomas* ContextoCli::idiomas() {
  auto& idiomas = GerenciadorIdiomas::instancia();
  if (Interacao::global().encerramentoPedido()) return nullptr;  // no language files at all
  if (!idiomas.idiomaCarregado() && !carregarIdioma(idiomas)) return nullptr;
  return &idiomas;
}

bool ContextoCli::carregarIdioma(GerenciadorIdiomas& idiomas) {
  if (opcoes_.idioma.empty()) {
    return idiomas.selecionarIdioma(GerenciadorConfiguracao::instancia().getIdioma()) != nullptr;
  }
  const int indice = idiomas.indiceDoCodigo(opcoes_.idioma);
  if (indice < 0) {
    erros_ << "tessara-cli: no language file for '" << opcoes_.idioma << "'\n";
    return false;
  }
  return idiomas.carregarIdioma(indice) != nullptr;
}

}  // namespace tessara
