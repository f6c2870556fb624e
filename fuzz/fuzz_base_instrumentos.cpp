// Instrument bases come from users' disks: any bytes must read as instruments or as a clear
// error. What is read must list one name per instrument, and writing it back must read back
// the same values.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "EntradaLimitada.h"
#include "app/Nucleo.h"
#include "foundations/InteracaoMuda.h"
#include "foundations/XMLParseException.h"
#include "instruments/XMLInstrumentoParser.h"

namespace {

bool iguais(const tessara::InstrumentoCordas& a, const tessara::InstrumentoCordas& b) {
  return a.getName() == b.getName() && a.getDescricao() == b.getDescricao() &&
         a.getNumeroCordas() == b.getNumeroCordas() && a.getNumeroCasas() == b.getNumeroCasas() &&
         a.getDistancia() == b.getDistancia() && a.getSom() == b.getSom() &&
         a.getAfinacao() == b.getAfinacao() && !b.usaBaseAcordes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  if (tamanho > tessara::fuzz::MAIOR_ENTRADA) return 0;
  static tessara::InteracaoMuda interacao;
  static tessara::XMLInstrumentoParser& parser = []() -> tessara::XMLInstrumentoParser& {
    static tessara::Nucleo nucleo(tessara::Nucleo::Entradas::nasPastas(
        "/nonexistent/tessara-fuzz", "/nonexistent/tessara-fuzz"));
    nucleo.definirInteracao(&interacao);
    return nucleo.parserInstrumentos();
  }();
  const std::string documento(reinterpret_cast<const char*>(dados), tamanho);

  const auto nomes = parser.nomesDoTexto(documento);
  std::vector<tessara::InstrumentoCordas> instrumentos;
  try {
    instrumentos = parser.instrumentosDoTexto(documento);
  } catch (const tessara::XMLParseException&) {
    return 0;
  }
  if (nomes.size() != instrumentos.size()) __builtin_trap();
  for (size_t i = 0; i < nomes.size(); ++i) {
    if (nomes[i] != instrumentos[i].getName()) __builtin_trap();
  }

  const auto relidos =
      parser.instrumentosDoTexto(tessara::XMLInstrumentoParser::gerarTexto(instrumentos));
  if (relidos.size() != instrumentos.size()) __builtin_trap();
  for (size_t i = 0; i < relidos.size(); ++i) {
    if (!iguais(instrumentos[i], relidos[i])) __builtin_trap();
  }
  return 0;
}
