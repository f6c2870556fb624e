// Chord generation: one chord at a time and every chord of the shipped chord bases, on the
// built-in guitar and the cavaquinho, and loading a shipped chord base. Each chord base
// benchmark also reports the median and the slowest time of one chord.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "NucleoBench.h"
#include "chords/BaseAcordesViolao.h"
#include "chords/Especialista.h"
#include "foundations/Caminhos.h"
#include "foundations/InteracaoTerminal.h"
#include "generation/GeradorInstrumentoCordas.h"
#include "generation/GerenciadorAcordes.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "languages/GerenciadorIdiomas.h"

namespace {

using namespace tessara;

// One language loaded from the program's folder, with its built-in instruments.
struct Ambiente {
  explicit Ambiente(const char* codigo)
      : nucleo(bench::nucleo(codigo)),
        idiomas(nucleo.idiomas()),
        carregado(idiomas.idiomaCarregado()),
        especialista(nucleo.especialista()),
        gerador(nucleo.gerador()) {}

  std::filesystem::path arquivoBase() const {
    return nucleo.entradas().diretorioPrograma /
           idiomas.getTexto("parametros", "nomeArquivoBaseAcordes");
  }

  // The codes of the shipped chord base's chords.
  std::vector<int32_t> codigosDaBase() {
    BaseAcordesViolao base(idiomas, nucleo.interacao());
    base.carregarBase(arquivoBase());
    std::vector<int32_t> codigos;
    for (const auto& nome : base.getNomes()) codigos.push_back(especialista.interpretar(nome));
    return codigos;
  }

  // 0 the built-in guitar, 1 the cavaquinho.
  void usar(int instrumento) { nucleo.instrumentos().setInstrumento(instrumento); }

  Nucleo& nucleo;
  GerenciadorIdiomas& idiomas;
  bool carregado;
  Especialista& especialista;
  GeradorInstrumentoCordas& gerador;
};

Ambiente& ambiente() {
  static Ambiente a("pt");
  return a;
}

void gerarBase(benchmark::State& estado, bool cavaquinho) {
  Ambiente& a = ambiente();
  if (!a.carregado) {
    estado.SkipWithError("language files not found beside the executable");
    return;
  }
  a.usar(cavaquinho ? 1 : 0);
  const auto codigos = a.codigosDaBase();
  std::vector<double> tempos(codigos.size());
  int64_t posicoes = 0;
  for (auto _ : estado) {
    for (size_t i = 0; i < codigos.size(); ++i) {
      const auto inicio = std::chrono::steady_clock::now();
      const auto geradas = a.gerador.gerar(codigos[i]);
      tempos[i] =
          std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - inicio)
              .count();
      posicoes += geradas.size();
    }
  }
  std::sort(tempos.begin(), tempos.end());
  estado.counters["acordes"] = static_cast<double>(codigos.size());
  estado.counters["mediana_us"] = tempos[tempos.size() / 2];
  estado.counters["maximo_us"] = tempos.back();
  estado.counters["posicoes"] =
      benchmark::Counter(static_cast<double>(posicoes), benchmark::Counter::kAvgIterations);
  estado.SetItemsProcessed(static_cast<int64_t>(estado.iterations() * codigos.size()));
}

void BM_BaseInteiraViolao(benchmark::State& estado) { gerarBase(estado, false); }
BENCHMARK(BM_BaseInteiraViolao)->Unit(benchmark::kMillisecond);

void BM_BaseInteiraCavaquinho(benchmark::State& estado) { gerarBase(estado, true); }
BENCHMARK(BM_BaseInteiraCavaquinho)->Unit(benchmark::kMillisecond);

// Single chords, from a triad to a chord with five tones.
void BM_AcordeViolao(benchmark::State& estado) {
  static const char* const kNomes[] = {"C", "G7", "Am7(9)", "Bb7(#9)", "E7(9/13)"};
  Ambiente& a = ambiente();
  if (!a.carregado) {
    estado.SkipWithError("language files not found beside the executable");
    return;
  }
  a.usar(0);
  const char* nome = kNomes[estado.range(0)];
  const int32_t codigo = a.especialista.interpretar(nome);
  for (auto _ : estado) benchmark::DoNotOptimize(a.gerador.gerar(codigo));
  estado.SetLabel(nome);
}
BENCHMARK(BM_AcordeViolao)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_CarregarBase(benchmark::State& estado) {
  Ambiente& a = ambiente();
  if (!a.carregado) {
    estado.SkipWithError("language files not found beside the executable");
    return;
  }
  const auto arquivo = a.arquivoBase();
  int acordes = 0;
  for (auto _ : estado) {
    BaseAcordesViolao base(a.idiomas, a.nucleo.interacao());
    base.carregarBase(arquivo);
    acordes = base.getNumeroAcordes();
  }
  estado.counters["acordes"] = acordes;
}
BENCHMARK(BM_CarregarBase)->Unit(benchmark::kMillisecond);

// What starting the chord manager costs: the load and every name read into its code.
void BM_CriarGerenciadorAcordes(benchmark::State& estado) {
  Ambiente& a = ambiente();
  if (!a.carregado) {
    estado.SkipWithError("language files not found beside the executable");
    return;
  }
  a.usar(0);
  for (auto _ : estado) {
    GerenciadorAcordes gerenciador(
        GerenciadorAcordes::Colaboradores{
            a.idiomas, a.especialista, a.gerador,
            [&a] { return a.nucleo.instrumentos().getInstrumentoAtual(); }, a.nucleo.interacao(),
            std::make_unique<BaseAcordesViolao>(a.idiomas, a.nucleo.interacao())},
        a.nucleo.entradas().diretorioPrograma);
    benchmark::DoNotOptimize(gerenciador.getNumeroAcordes());
  }
}
BENCHMARK(BM_CriarGerenciadorAcordes)->Unit(benchmark::kMillisecond);

}  // namespace
