// Chord names: reading a typed name and writing its canonical name, over the lists of names
// users type, and transposing a chord sheet.
#include <benchmark/benchmark.h>

#include "chords/Especialista.h"
#include "chords/FolhaCifra.h"
#include "chords/ListaNomesAcordes.h"
#include "foundations/Caminhos.h"

namespace {

using tessara::Especialista;
using tessara::Gramatica;
using tessara::IdiomaAcordes;

void interpretarENomear(benchmark::State& estado, Gramatica gramatica) {
  const auto nomes = tessara::ListaNomesAcordes::ler(
      tessara::Caminhos::diretorioPrograma() / tessara::ListaNomesAcordes::nomeArquivo(gramatica));
  if (nomes.empty()) {
    estado.SkipWithError("chord-name list not found beside the executable");
    return;
  }
  const IdiomaAcordes idioma{gramatica, "invalid root note "};
  for (auto _ : estado) {
    for (const auto& nome : nomes) {
      const int32_t codigo = Especialista::interpretar(nome, idioma);
      benchmark::DoNotOptimize(Especialista::nomear(codigo, gramatica));
    }
  }
  estado.SetItemsProcessed(static_cast<int64_t>(estado.iterations() * nomes.size()));
}

void BM_InterpretarENomearPortugues(benchmark::State& estado) {
  interpretarENomear(estado, Gramatica::Portugues);
}
BENCHMARK(BM_InterpretarENomearPortugues);

void BM_InterpretarENomearIngles(benchmark::State& estado) {
  interpretarENomear(estado, Gramatica::Ingles);
}
BENCHMARK(BM_InterpretarENomearIngles);

void BM_TransporCifra(benchmark::State& estado) {
  std::string folha;
  for (int i = 0; i < 50; ++i) {
    folha +=
        "Intro: G  D/F#  Em7  C7M(9)   (x2)\r\n"
        "G          D/F#\r\n"
        "Eu te amo, e a lua sorriu pra mim\r\n"
        "[G]Quando eu [D]canto, [Em]voce [C]danca\r\n";
  }
  const IdiomaAcordes idioma{Gramatica::Portugues, "raiz "};
  for (auto _ : estado) {
    benchmark::DoNotOptimize(
        tessara::FolhaCifra::transporCifra(folha, 1, Especialista::ACIMA, idioma));
  }
  estado.SetBytesProcessed(static_cast<int64_t>(estado.iterations() * folha.size()));
}
BENCHMARK(BM_TransporCifra);

}  // namespace
