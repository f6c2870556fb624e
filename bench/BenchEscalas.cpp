// Laying scales out: every shipped scale in every key on the built-in guitar and cavaquinho,
// as the scale list of the main window asks for it. Names: instrument/scale/root (0 = C).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "NucleoBench.h"
#include "foundations/NotFoundException.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "languages/GerenciadorIdiomas.h"
#include "model/Notas.h"
#include "scales/BaseEscalas.h"
#include "scales/GeradorEscalas.h"

namespace {

using namespace tessara;

// The English language and its scale base beside the executable; nothing is written.
struct Ambiente {
  Ambiente()
      : nucleo(bench::nucleo("en")),
        idiomas(nucleo.idiomas()),
        instrumentos(nucleo.instrumentos()),
        gerador(nucleo.geradorEscalas()) {
    try {
      BaseEscalas& base = nucleo.baseEscalas();
      for (int i = 0; i < base.numeroEscalas(); ++i) escalas.push_back(*base.getEscala(i));
    } catch (const DException&) {
      // No scale base: nothing to measure.
    }
  }

  static Ambiente& unico() {
    static Ambiente ambiente;
    return ambiente;
  }

  Nucleo& nucleo;
  GerenciadorIdiomas& idiomas;
  GerenciadorInstrumentos& instrumentos;
  GeradorEscalas& gerador;
  std::vector<Escala> escalas;
};

void obterPosicoes(benchmark::State& estado, int instrumento, size_t escala) {
  auto& ambiente = Ambiente::unico();
  ambiente.instrumentos.setInstrumento(instrumento);
  const std::string tonica =
      nomeNotaEnarmonica(static_cast<int>(estado.range(0)), ambiente.idiomas.getNomeIdiomaAtual());
  int exibicoes = 0;
  for (auto _ : estado) {
    try {
      exibicoes = ambiente.gerador.obterPosicoesEscala(ambiente.escalas[escala], tonica).size();
    } catch (const NotFoundException&) {
      exibicoes = 0;
    }
    benchmark::DoNotOptimize(exibicoes);
  }
  estado.counters["displays"] = exibicoes;
}

bool registrar() {
  const auto& escalas = Ambiente::unico().escalas;
  const std::pair<int, const char*> instrumentos[] = {{0, "guitar"}, {1, "cavaquinho"}};
  for (const auto& [instrumento, nome] : instrumentos) {
    for (size_t i = 0; i < escalas.size(); ++i) {
      const int indice = instrumento;
      const std::string rotulo =
          std::string("BM_ObterPosicoesEscala/") + nome + "/" + escalas[i].getNome();
      benchmark::RegisterBenchmark(
          rotulo.c_str(),
          [indice, i](benchmark::State& estado) { obterPosicoes(estado, indice, i); })
          ->DenseRange(0, NUMERO_NOTAS - 1)
          ->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}

const bool registrado = registrar();

}  // namespace
