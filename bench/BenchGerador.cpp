// Chord generation: one chord at a time and every chord of the shipped chord bases, on the
// built-in guitar and the cavaquinho, and loading a shipped chord base. Each chord base
// benchmark also reports the median and the slowest time of one chord.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "BaseAcordesViolao.h"
#include "Caminhos.h"
#include "Especialista.h"
#include "GeradorInstrumentoCordas.h"
#include "GerenciadorAcordes.h"
#include "GerenciadorIdiomas.h"
#include "GerenciadorInstrumentos.h"
#include "InteracaoTerminal.h"
#include "XMLInstrumentoParser.h"

namespace {

using namespace tessara;

// One language loaded from the program's folder, with its built-in instruments.
struct Ambiente {
  explicit Ambiente(const char* codigo)
      : idiomas(Caminhos::diretorioPrograma(), interacao),
        carregado(idiomas.carregarIdioma(idiomas.indiceDoCodigo(codigo)) != nullptr),
        especialista(idiomas),
        parser(idiomas, Caminhos::diretorioPrograma(), Caminhos::diretorioPrograma()),
        instrumentos(idiomas, parser, Caminhos::diretorioPrograma() / "instrumentos.xml"),
        violao(instrumentos.getInstrumento(0)),
        cavaquinho(instrumentos.getInstrumento(1)),
        gerador([this] { return atual; }, especialista) {}

  std::filesystem::path arquivoBase() const {
    return Caminhos::diretorioPrograma() / idiomas.getTexto("parametros", "nomeArquivoBaseAcordes");
  }

  // The codes of the shipped chord base's chords.
  std::vector<int32_t> codigosDaBase() {
    BaseAcordesViolao base([](auto, auto) { return std::string(); }, interacao);
    base.carregarBase(arquivoBase());
    std::vector<int32_t> codigos;
    for (const auto& nome : base.getNomes()) codigos.push_back(especialista.interpretar(nome));
    return codigos;
  }

  InteracaoTerminal interacao;
  GerenciadorIdiomas idiomas;
  bool carregado;
  Especialista especialista;
  XMLInstrumentoParser parser;
  GerenciadorInstrumentos instrumentos;
  InstrumentoCordas violao;
  InstrumentoCordas cavaquinho;
  const InstrumentoCordas* atual = &violao;
  GeradorInstrumentoCordas gerador;
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
  a.atual = cavaquinho ? &a.cavaquinho : &a.violao;
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
  a.atual = &a.violao;
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
    BaseAcordesViolao base([](auto, auto) { return std::string(); }, a.interacao);
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
  a.atual = &a.violao;
  for (auto _ : estado) {
    auto textos = [&a](std::string_view secao, std::string_view chave) {
      return a.idiomas.getTexto(secao, chave);
    };
    GerenciadorAcordes gerenciador(
        GerenciadorAcordes::Colaboradores{a.idiomas, a.especialista, a.gerador,
                                          [&a] { return a.atual; }, a.interacao,
                                          std::make_unique<BaseAcordesViolao>(textos, a.interacao)},
        Caminhos::diretorioPrograma());
    benchmark::DoNotOptimize(gerenciador.getNumeroAcordes());
  }
}
BENCHMARK(BM_CriarGerenciadorAcordes)->Unit(benchmark::kMillisecond);

}  // namespace
