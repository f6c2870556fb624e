#include "foundations/InteracaoTerminal.h"

#include <iostream>

#include "foundations/Cp1252.h"

namespace tessara {

bool InteracaoTerminal::mostrarMensagem(const std::string& texto, const std::string& titulo,
                                        Botoes /*botoes*/) {
  std::string linha = titulo.empty() ? texto : titulo + ": " + texto;
  for (auto& c : linha) {
    if (c == '\r') c = ' ';
  }
  std::cerr << cp1252::paraUtf8(linha) << '\n';
  return false;
}

std::optional<int> InteracaoTerminal::escolherIdioma(const std::vector<std::string>& /*nomes*/,
                                                     int /*selecionado*/) {
  return std::nullopt;
}

}  // namespace tessara
