#pragma once

#include <string>

#include "InteracaoGravada.h"
#include "languages/GerenciadorIdiomas.h"

namespace tessara::teste {

// A language manager over the source language files with one language loaded ("en", "pt").
struct IdiomaTeste {
  explicit IdiomaTeste(const std::string& codigo) : idiomas(TESSARA_SOURCE_DATA, interacao) {
    idiomas.carregarIdioma(idiomas.indiceDoCodigo(codigo));
  }

  std::string texto(const char* secao, const char* chave) const {
    return idiomas.getTexto(secao, chave);
  }

  InteracaoGravada interacao;
  GerenciadorIdiomas idiomas;
};

}  // namespace tessara::teste
