// Songbook files as anyone may leave them: cut short, edited by hand, in another encoding.
// Reading never fails and names only lines the file has; what is written reads back into the
// same songbook, which writes the same bytes again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "EntradaLimitada.h"
#include "telas/Cancioneiro.h"

namespace {

using tessara::Cancioneiro;

// A heading gains a blank after its "="; past the reader's limit a line is left out, by design.
bool linhasCurtas(std::string_view texto) {
  size_t inicio = 0;
  while (inicio < texto.size()) {
    const size_t fim = std::min(texto.find('\n', inicio), texto.size());
    if (fim - inicio > Cancioneiro::MAIOR_LINHA) return false;
    inicio = fim + 1;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  if (tamanho > tessara::fuzz::MAIOR_ENTRADA) return 0;
  const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);

  std::vector<size_t> ignoradas;
  const Cancioneiro lido = Cancioneiro::ler(texto, &ignoradas);
  const size_t linhas = static_cast<size_t>(std::count(texto.begin(), texto.end(), '\n')) + 1;
  if (!std::is_sorted(ignoradas.begin(), ignoradas.end())) __builtin_trap();
  for (size_t linha : ignoradas) {
    if (linha == 0 || linha > linhas) __builtin_trap();
  }
  for (const auto& entrada : lido.entradas()) {
    if (entrada.musica >= static_cast<int>(lido.musicas().size())) __builtin_trap();
    if (entrada.casas.empty() || entrada.nome.empty()) __builtin_trap();
  }

  const std::string escrito = lido.escrever();
  if (linhasCurtas(escrito)) {
    std::vector<size_t> deNovo;
    const Cancioneiro relido = Cancioneiro::ler(escrito, &deNovo);
    if (!deNovo.empty() || !(relido == lido)) __builtin_trap();
    if (relido.escrever() != escrito) __builtin_trap();
  }
  return 0;
}
