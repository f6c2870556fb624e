// The language file reader on arbitrary bytes, then look-ups built from the input itself.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "languages/TextosIdioma.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  const std::string_view conteudo(reinterpret_cast<const char*>(dados), tamanho);
  const tessara::TextosIdioma textos(conteudo);

  volatile size_t total = 0;
  total = total + textos.getTexto("EspecificacaoIdioma", "nomeIdioma").size();
  total = total + textos.getTexto("geral", "nomeAplicacao").size();
  total = total + textos.getTexto("", "").size();

  // A section and a key taken from the input's first line, split at its first "=" and with
  // the brackets of a header dropped, so that look-ups can hit what the input defines.
  const std::string_view primeira = conteudo.substr(0, conteudo.find('\n'));
  const size_t igual = primeira.find('=');
  std::string_view secao = primeira.substr(0, igual);
  if (secao.size() >= 2) secao = secao.substr(1, secao.size() - 2);
  const std::string_view chave = igual == std::string_view::npos ? "" : primeira.substr(igual + 1);
  if (const std::string* v = textos.valor(secao, chave)) total = total + v->size();
  return 0;
}
