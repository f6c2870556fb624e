// Listening: how many seconds of sound the tuner and the chord recogniser get through per
// second of one core ("tempo_real", the goal is 50 or more), and the memory over an hour.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "ouvir/Afinador.h"
#include "ouvir/ReconhecedorAcordes.h"
#include "ouvir/SegmentadorAcordes.h"

namespace {

constexpr double TAXA = 44100;
constexpr double SEGUNDOS = 8;
constexpr size_t BLOCO = 1024;

// C, Am, F and G, two seconds each, as strings with decaying overtones, struck and fading.
const std::vector<float>& acordes() {
  static const std::vector<float> som = [] {
    const std::vector<std::vector<int>> notas = {{48, 52, 55, 60, 64},
                                                 {45, 52, 57, 60, 64},
                                                 {41, 48, 53, 57, 60, 65},
                                                 {43, 47, 50, 55, 59, 67}};
    std::vector<float> s(static_cast<size_t>(SEGUNDOS * TAXA));
    for (size_t i = 0; i < s.size(); ++i) {
      const double t = static_cast<double>(i) / TAXA;
      const auto& acorde = notas[static_cast<size_t>(t / 2) % notas.size()];
      const double desde = std::fmod(t, 2.0);
      double v = 0;
      for (int nota : acorde) {
        const double f = 440 * std::pow(2, (nota - 69) / 12.0);
        for (int h = 1; h <= 5; ++h) v += std::sin(2 * std::numbers::pi * f * h * t) / (h * h);
      }
      s[i] = static_cast<float>(0.05 * v * std::exp(-1.5 * desde));
    }
    return s;
  }();
  return som;
}

const std::vector<float>& nota() {
  static const std::vector<float> som = [] {
    std::vector<float> s(static_cast<size_t>(SEGUNDOS * TAXA));
    for (size_t i = 0; i < s.size(); ++i) {
      const double t = static_cast<double>(i) / TAXA;
      s[i] = static_cast<float>(0.3 * std::sin(2 * std::numbers::pi * 110 * t) +
                                0.2 * std::sin(2 * std::numbers::pi * 220 * t));
    }
    return s;
  }();
  return som;
}

template <typename Analise>
void alimentar(Analise& analise, const std::vector<float>& som) {
  for (size_t i = 0; i < som.size(); i += BLOCO) {
    analise.alimentar(som.data() + i, std::min(BLOCO, som.size() - i));
  }
}

void tempoReal(benchmark::State& estado) {
  estado.counters["tempo_real"] = benchmark::Counter(
      SEGUNDOS * static_cast<double>(estado.iterations()), benchmark::Counter::kIsRate);
}

void BM_ReconhecerAcordesAoVivo(benchmark::State& estado) {
  for (auto _ : estado) {
    tessara::ReconhecedorAcordes reconhecedor(TAXA);
    alimentar(reconhecedor, acordes());
    benchmark::DoNotOptimize(reconhecedor.atual());
  }
  tempoReal(estado);
}
BENCHMARK(BM_ReconhecerAcordesAoVivo)->Unit(benchmark::kMillisecond);

void BM_SegmentarArquivo(benchmark::State& estado) {
  for (auto _ : estado) {
    tessara::SegmentadorAcordes segmentador(TAXA);
    alimentar(segmentador, acordes());
    benchmark::DoNotOptimize(segmentador.segmentar());
  }
  tempoReal(estado);
}
BENCHMARK(BM_SegmentarArquivo)->Unit(benchmark::kMillisecond);

void BM_Afinador(benchmark::State& estado) {
  for (auto _ : estado) {
    tessara::Afinador afinador(TAXA);
    alimentar(afinador, nota());
    benchmark::DoNotOptimize(afinador.leitura());
  }
  tempoReal(estado);
}
BENCHMARK(BM_Afinador)->Unit(benchmark::kMillisecond);

long rssMaximoKb() {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  return uso.ru_maxrss;
}

// An hour of chords streamed through the live recogniser and the tuner: the largest resident
// size after ten minutes and after the hour (kB) should be the same.
void BM_UmaHoraAoVivo(benchmark::State& estado) {
  for (auto _ : estado) {
    tessara::ReconhecedorAcordes reconhecedor(TAXA);
    tessara::Afinador afinador(TAXA);
    const auto& som = acordes();
    const int voltas = static_cast<int>(3600 / SEGUNDOS);
    for (int v = 0; v < voltas; ++v) {
      alimentar(reconhecedor, som);
      alimentar(afinador, som);
      if (v == voltas / 6) estado.counters["rss_10min_kB"] = static_cast<double>(rssMaximoKb());
    }
    estado.counters["rss_1h_kB"] = static_cast<double>(rssMaximoKb());
  }
}
BENCHMARK(BM_UmaHoraAoVivo)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
