// A picture look-up in a picture pack: the input's first line is the language entry
// ("offset,length"), the rest is the pack.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "languages/PacoteImagens.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  const std::string_view entrada(reinterpret_cast<const char*>(dados), tamanho);
  const size_t fimLinha = entrada.find('\n');
  if (fimLinha == std::string_view::npos) {
    (void)tessara::PacoteImagens::interpretarEntrada(entrada);
    return 0;
  }
  std::istringstream pacote(std::string(entrada.substr(fimLinha + 1)));
  const auto imagem = tessara::PacoteImagens::lerImagem(pacote, entrada.substr(0, fimLinha));
  if (imagem &&
      imagem->pixels.size() != static_cast<size_t>(imagem->largura) * imagem->altura * 3) {
    __builtin_trap();
  }
  return 0;
}
