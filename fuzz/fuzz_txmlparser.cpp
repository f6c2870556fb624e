// The XML scanner on arbitrary bytes: it must end, and the text it delivers must follow its
// packing rules. The first byte chooses whether whitespace is packed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "EntradaLimitada.h"
#include "foundations/TXMLParser.h"
#include "foundations/Texto.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  if (tamanho == 0 || tamanho > tessara::fuzz::MAIOR_ENTRADA) return 0;
  tessara::TXMLParser xml;
  xml.LoadFromBuffer(std::string(reinterpret_cast<const char*>(dados) + 1, tamanho - 1));
  const bool compactar = (dados[0] & 1) != 0;
  xml.PackWhitespace(compactar);
  xml.StartScan();
  size_t partes = 0;
  while (xml.Scan()) {
    // Every part consumes at least one byte of the document.
    if (++partes > tamanho) __builtin_trap();
    if (xml.PartKind() <= tessara::ptNone || xml.PartKind() > tessara::ptCData) __builtin_trap();
    if (xml.PartKind() != tessara::ptContent) continue;
    const std::string& texto = xml.Content();
    if (texto.empty()) __builtin_trap();
    if (!compactar) continue;
    if (tessara::texto::ehBranco(texto.front()) || tessara::texto::ehBranco(texto.back())) {
      __builtin_trap();
    }
    for (size_t i = 0; i < texto.size(); ++i) {
      const char c = texto[i];
      if (c == '\t' || c == '\r' || c == '\n' || (c == ' ' && texto[i + 1] == ' '))
        __builtin_trap();
    }
  }
  if (xml.PartKind() != tessara::ptNone) __builtin_trap();
  return 0;
}
