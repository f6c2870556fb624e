// An instrument base from a user's disk, then chords generated on the instruments it holds:
// whatever the reader accepts lies within the limits of a real instrument, and generating a
// chord on it finishes without overflow.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "EntradaLimitada.h"
#include "app/Nucleo.h"
#include "chords/Especialista.h"
#include "foundations/InteracaoMuda.h"
#include "foundations/XMLParseException.h"
#include "generation/GeradorInstrumentoCordas.h"
#include "instruments/InstrumentoCordas.h"
#include "instruments/XMLInstrumentoParser.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace {

// A triad, a seventh chord with a tension, and one with a separate bass.
const char* const kAcordes[] = {"C", "G7(9)", "Am/E"};
// The search stops two thousand times sooner than in the program: it still reaches its limit,
// and the widest instruments allowed cost no more than a guitar's chord.
constexpr int64_t LIMITE_PASSOS = 1000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  if (tamanho > tessara::fuzz::MAIOR_ENTRADA) return 0;
  static tessara::InteracaoMuda interacao;
  static tessara::Nucleo& nucleo = []() -> tessara::Nucleo& {
    static tessara::Nucleo n(tessara::Nucleo::Entradas::nasPastas("/nonexistent/tessara-fuzz",
                                                                  "/nonexistent/tessara-fuzz"));
    n.definirInteracao(&interacao);
    return n;
  }();
  static const tessara::InstrumentoCordas* atual = nullptr;
  static tessara::GeradorInstrumentoCordas gerador([] { return atual; }, nucleo.especialista());
  static const bool limitado = (gerador.definirLimitePassos(LIMITE_PASSOS), true);
  (void)limitado;
  static const std::vector<int32_t> codigos = [] {
    std::vector<int32_t> c;
    for (const char* nome : kAcordes) c.push_back(nucleo.especialista().interpretar(nome));
    return c;
  }();

  std::vector<tessara::InstrumentoCordas> instrumentos;
  try {
    instrumentos = nucleo.parserInstrumentos().instrumentosDoTexto(
        std::string(reinterpret_cast<const char*>(dados), tamanho));
  } catch (const tessara::XMLParseException&) {
    return 0;
  }
  for (const auto& instrumento : instrumentos) {
    if (!instrumento.dentroDosLimites()) __builtin_trap();
  }
  if (instrumentos.empty()) return 0;
  // One chord on one instrument per run, both picked by the input, so that each run stays short.
  atual = &instrumentos[tamanho % instrumentos.size()];
  const auto posicoes = gerador.gerar(codigos[(tamanho / instrumentos.size()) % codigos.size()]);
  for (int k = 0; k < posicoes.size(); ++k) {
    const auto* posicao =
        dynamic_cast<const tessara::PosicaoHarmonicaInstrumentoCordas*>(posicoes.getElement(k));
    if (posicao == nullptr) __builtin_trap();
    // A fingering that sounds no string is none.
    const auto casas = posicao->getCasas();
    if (std::none_of(casas.begin(), casas.end(), [](int casa) { return casa >= 0; })) {
      __builtin_trap();
    }
  }
  atual = nullptr;
  return 0;
}
