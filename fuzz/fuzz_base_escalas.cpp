// The scale base is read from disk and its offsets go straight into the layout search: any
// bytes must read as scales or as a clear error, and any scale read must lay out on the guitar
// or be refused, never crash or run away.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "EntradaLimitada.h"
#include "app/Nucleo.h"
#include "foundations/InteracaoMuda.h"
#include "foundations/NotFoundException.h"
#include "foundations/XMLParseException.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/InstrumentoCordas.h"
#include "scales/BaseEscalas.h"
#include "scales/GeradorEscalas.h"

namespace {

constexpr int POSICOES = 4;

void layout(tessara::GeradorEscalas& gerador, const tessara::Escala& escala) {
  // Five frets: a full neck gives a common scale tens of thousands of displays, which would
  // hold the fuzzer to a few runs a second; the search and its limits are the same.
  static const tessara::InstrumentoCordas violao("Guitar", "", 6, 5, 3, 25,
                                                 {40, 45, 50, 55, 59, 64}, false);
  try {
    const auto exibicoes = gerador.obterPosicoesEscala(escala, 0, "C", violao);
    if (exibicoes.size() == 0) __builtin_trap();
    if (static_cast<size_t>(exibicoes.size()) > gerador.getLimites().exibicoes) {
      __builtin_trap();
    }
    for (int i = 0; i < exibicoes.size(); ++i) {
      const auto& e = *exibicoes.getElement(i);
      if (e.getCasas().size() != escala.getNotas().size()) __builtin_trap();
      if (i > 0 && e < *exibicoes.getElement(i - 1)) __builtin_trap();
    }
  } catch (const tessara::NotFoundException&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  if (tamanho > tessara::fuzz::MAIOR_ENTRADA) return 0;
  // No language and no files: the built-in guitar, and the scale base read from the input.
  static tessara::InteracaoMuda interacao;
  static tessara::Nucleo& nucleo = []() -> tessara::Nucleo& {
    static tessara::Nucleo criado(tessara::Nucleo::Entradas::nasPastas(
        "/nonexistent/tessara-fuzz", "/nonexistent/tessara-fuzz"));
    criado.definirInteracao(&interacao);
    criado.instrumentos().setInstrumento(0);
    return criado;
  }();
  tessara::GeradorEscalas& gerador = nucleo.geradorEscalas();
  // Every limit is still reached, a thousand times sooner: the fuzzer keeps its pace on
  // scales that leap about.
  gerador.definirLimites({.exibicoes = 50, .passos = 5000});
  tessara::BaseEscalas& base = nucleo.baseEscalas();
  const std::string documento(reinterpret_cast<const char*>(dados), tamanho);

  base.nomesDoTexto(documento);
  // Positions are numbered without gaps: once one is missing, the next is missing too.
  bool faltou = false;
  for (int posicao = 0; posicao < POSICOES; ++posicao) {
    std::optional<tessara::Escala> escala;
    bool existe = true;  // a damaged scale is still there
    try {
      escala = base.escalaDoTexto(documento, posicao);
      existe = escala.has_value();
    } catch (const tessara::XMLParseException&) {
    }
    if (existe && faltou) __builtin_trap();
    if (faltou) break;
    if (!existe) faltou = true;
    if (escala && posicao == 0) layout(gerador, *escala);
  }
  return 0;
}
