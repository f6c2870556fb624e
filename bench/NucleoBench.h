#pragma once

#include <map>
#include <memory>
#include <string>

#include "app/Nucleo.h"
#include "foundations/Caminhos.h"
#include "foundations/InteracaoTerminal.h"
#include "languages/GerenciadorIdiomas.h"

namespace tessara::bench {

// The program's objects over the data beside the executable, with the language of that code
// loaded; the user's folder does not exist, so nothing is written. One per language.
inline Nucleo& nucleo(const std::string& codigo) {
  static InteracaoTerminal interacao;
  static std::map<std::string, std::unique_ptr<Nucleo>> nucleos;
  auto& criado = nucleos[codigo];
  if (!criado) {
    criado = std::make_unique<Nucleo>(
        Nucleo::Entradas::nasPastas(Caminhos::diretorioPrograma(), "/nonexistent/tessara-bench"));
    criado->definirInteracao(&interacao);
    auto& idiomas = criado->idiomas();
    idiomas.carregarIdioma(idiomas.indiceDoCodigo(codigo));
  }
  return *criado;
}

}  // namespace tessara::bench
