// Chord sheets as pasted: any text, in both grammars. Transposing keeps every line end and
// every line's kind, and every chord stays the same chord on another root.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "EntradaLimitada.h"
#include "chords/Especialista.h"
#include "chords/FolhaCifra.h"

namespace {

using tessara::Especialista;
using tessara::FolhaCifra;

constexpr int32_t GRAUS = 0x07FFFFE0;

size_t contar(std::string_view texto, char c) {
  size_t n = 0;
  for (const char x : texto) n += x == c;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
  if (tamanho > tessara::fuzz::MAIOR_ENTRADA) return 0;
  const int passos = tamanho > 0 ? 1 + dados[0] % 12 : 1;
  const int direcao = tamanho > 0 ? (dados[0] >> 4) % 2 : 0;
  // One grammar per run, chosen by the input like the steps: half the work, both covered.
  const auto gramatica = tamanho > 0 && (dados[0] & 0x80) != 0 ? tessara::Gramatica::Ingles
                                                               : tessara::Gramatica::Portugues;

  const std::string colado = FolhaCifra::textoColado(texto);
  if (colado.size() != tamanho + contar(texto, '\t') || contar(colado, '\t') != 0) __builtin_trap();

  const tessara::IdiomaAcordes idioma{gramatica, ""};
  const std::string movida = FolhaCifra::transporCifra(texto, passos, direcao, idioma);
  if (contar(movida, '\n') != contar(texto, '\n') || contar(movida, '\r') != contar(texto, '\r') ||
      contar(movida, '\t') != contar(texto, '\t')) {
    __builtin_trap();
  }
  const auto antes = FolhaCifra::acordes(texto, idioma);
  const auto depois = FolhaCifra::acordes(movida, idioma);
  if (antes.size() != depois.size()) __builtin_trap();
  for (size_t i = 0; i < antes.size(); ++i) {
    const int32_t a = Especialista::interpretar(antes[i], idioma);
    const int32_t d = Especialista::interpretar(depois[i], idioma);
    if ((a & GRAUS) != (d & GRAUS)) __builtin_trap();
  }
  return 0;
}
