#pragma once

#include <filesystem>
#include <string>

#include "InteracaoGravada.h"
#include "PastaTemporaria.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/XMLInstrumentoParser.h"
#include "languages/GerenciadorIdiomas.h"
#include "scales/BaseEscalas.h"
#include "scales/GeradorEscalas.h"

namespace tessara::teste {

// The scale layer over the source language files, one language loaded ("en", "pt"), the
// built-in guitar current, and the user's files in a fresh folder.
struct AmbienteEscalas {
  explicit AmbienteEscalas(const std::string& codigo = "en")
      : idiomas(carregar(TESSARA_SOURCE_DATA, interacao, codigo)),
        parser(idiomas, pasta.caminho(), pasta.caminho()),
        instrumentos(idiomas, parser, pasta / "instrumentos.xml"),
        gerador(idiomas, [this] { return instrumentos.getInstrumentoAtual(); }) {
    instrumentos.setInstrumento(0);
  }

  std::string texto(const char* secao, const char* chave) const {
    return idiomas.getTexto(secao, chave);
  }

  // The scale base shipped for a language: "scales.xml" or "escalas.xml".
  static std::filesystem::path baseEntregue(const char* nome) {
    return std::filesystem::path(TESSARA_SOURCE_DATA) / nome;
  }

  PastaTemporaria pasta;
  InteracaoGravada interacao;
  GerenciadorIdiomas idiomas;
  XMLInstrumentoParser parser;
  GerenciadorInstrumentos instrumentos;
  GeradorEscalas gerador;

 private:
  // The instrument manager takes its texts from the language when it is built.
  static GerenciadorIdiomas carregar(const std::filesystem::path& pasta, Interacao& interacao,
                                     const std::string& codigo) {
    GerenciadorIdiomas idiomas(pasta, interacao);
    idiomas.carregarIdioma(idiomas.indiceDoCodigo(codigo));
    return idiomas;
  }
};

}  // namespace tessara::teste
