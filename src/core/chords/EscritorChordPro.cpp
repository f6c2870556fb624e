#include "chords/EscritorChordPro.h"

#include <algorithm>

namespace tessara {

std::string EscritorChordPro::escrever(const Cancao& cancao) {
  std::string texto;
  for (const auto& l : cancao.linhas()) {
    texto += linha(l);
    texto += '\n';
  }
  return texto;
}

std::string EscritorChordPro::linha(const LinhaCancao& linha) {
  switch (linha.tipo) {
    case LinhaCancao::Tipo::Literal: return linha.texto;
    case LinhaCancao::Tipo::Diretiva:
      return "{" + linha.nome + (linha.temValor ? ": " + linha.texto : std::string()) + "}";
    case LinhaCancao::Tipo::Letra: break;
  }
  std::string texto;
  size_t copiado = 0;
  for (const auto& marca : linha.marcas) {
    // A mark past the lyrics (a song built by hand) stands at their end.
    const size_t ate = std::clamp(marca.posicao, copiado, linha.texto.size());
    texto.append(linha.texto, copiado, ate - copiado);
    texto += marca.anotacao ? "[*" : "[";
    texto += marca.texto;
    texto += ']';
    copiado = ate;
  }
  texto.append(linha.texto, copiado);
  return texto;
}

}  // namespace tessara
