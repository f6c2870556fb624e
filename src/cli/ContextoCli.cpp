#include "ContextoCli.h"

#include <algorithm>

#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "foundations/GerenciadorConfiguracao.h"
#include "languages/GerenciadorIdiomas.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "foundations/Interacao.h"
#include "foundations/Texto.h"
#include "app/Nucleo.h"

namespace tessara {

ContextoCli::ContextoCli(Opcoes opcoes, std::ostream& saida, std::ostream& erros)
    : opcoes_(std::move(opcoes)), saida_(saida), erros_(erros) {}

GerenciadorIdiomas* ContextoCli::idiomas() {
  auto& idiomas = Nucleo::processo().idiomas();
  if (Nucleo::processo().interacao().encerramentoPedido()) return nullptr;  // no language files at all
  if (!idiomas.idiomaCarregado() && !carregarIdioma(idiomas)) return nullptr;
  return &idiomas;
}

bool ContextoCli::carregarIdioma(GerenciadorIdiomas& idiomas) {
  if (opcoes_.idioma.empty()) {
    return idiomas.selecionarIdioma(Nucleo::processo().configuracao().getIdioma()) != nullptr;
  }
  const int indice = idiomas.indiceDoCodigo(opcoes_.idioma);
  if (indice < 0) {
    erros_ << "tessara-cli: no language file for '" << opcoes_.idioma << "'\n";
    return false;
  }
  return idiomas.carregarIdioma(indice) != nullptr;
}

GerenciadorInstrumentos* ContextoCli::instrumentos() {
  statusErro_ = 1;
  if (idiomas() == nullptr) return nullptr;  // the manager takes its texts from the language
  auto& instrumentos = Nucleo::processo().instrumentos();
  if (!instrumentoSelecionado_ && !selecionarInstrumento(instrumentos)) return nullptr;
  instrumentoSelecionado_ = true;
  return &instrumentos;
}

bool ContextoCli::selecionarInstrumento(GerenciadorInstrumentos& instrumentos) {
  try {
    // The built-in guitar needs no base file.
    if (opcoes_.instrumento.empty()) {
      instrumentos.setInstrumento(0);
      return true;
    }
    const std::string nome = cp1252::deUtf8(opcoes_.instrumento);
    const auto nomes = instrumentos.getNomesInstrumentos();
    auto achado = std::find(nomes.begin(), nomes.end(), nome);
    if (achado == nomes.end()) {
      achado = std::find_if(nomes.begin(), nomes.end(),
                            [&](const std::string& n) { return texto::iguaisSemCaixa(n, nome); });
    }
    if (achado == nomes.end()) {
      erros_ << "tessara-cli: no instrument named '" << opcoes_.instrumento
             << "'; the instruments are:\n";
      for (const auto& n : nomes) erros_ << "  " << cp1252::paraUtf8(n) << '\n';
      statusErro_ = 2;
      return false;
    }
    instrumentos.setInstrumento(static_cast<int>(achado - nomes.begin()));
    return true;
  } catch (const DException& e) {
    erros_ << "tessara-cli: " << cp1252::paraUtf8(e.getMensagem()) << '\n';
    return false;
  }
}

}  // namespace tessara
