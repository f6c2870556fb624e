// The WAV reader over any bytes: it refuses with DataFormatException or reads no more frames
// than it says the file holds.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "EntradaLimitada.h"
#include "foundations/DataFormatException.h"
#include "ouvir/LeitorWav.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  if (tamanho > tessara::fuzz::MAIOR_ENTRADA) return 0;
  auto entrada = std::make_unique<std::istringstream>(
      std::string(reinterpret_cast<const char*>(dados), tamanho));
  try {
    tessara::LeitorWav leitor(std::move(entrada));
    const uint64_t prometidos = leitor.quadros();
    std::vector<float> bloco(61);
    uint64_t lidos = 0;
    while (const size_t n = leitor.ler(bloco.data(), bloco.size())) lidos += n;
    if (lidos > prometidos || prometidos > tamanho) __builtin_trap();
  } catch (const tessara::DataFormatException&) {
  }
  return 0;
}
