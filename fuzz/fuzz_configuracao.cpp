// Settings files come from users' disks: any bytes must load as values or as the reset values.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "foundations/GerenciadorConfiguracao.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  static tessara::GerenciadorConfiguracao configuracao("/nonexistent/tessara-fuzz.ini");
  configuracao.carregarTexto(std::string_view(reinterpret_cast<const char*>(dados), tamanho));
  const auto conteudo = configuracao.conteudoArquivo();
  // What is written back must read back the same.
  tessara::GerenciadorConfiguracao relida("/nonexistent/tessara-fuzz.ini");
  relida.carregarTexto(conteudo);
  if (relida.conteudoArquivo() != conteudo) __builtin_trap();
  return 0;
}
