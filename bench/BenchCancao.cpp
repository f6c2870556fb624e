// Songs: a 300-line song converted between chords over lyrics and ChordPro, and transposed.
#include <benchmark/benchmark.h>

#include <string>

#include "chords/EscritorChordPro.h"
#include "chords/EscritorCifra.h"
#include "chords/LeitorCancao.h"
#include "chords/TransposicaoCancao.h"
#include "foundations/Cp1252.h"

namespace {

using tessara::IdiomaAcordes;
using tessara::LeitorCancao;

const IdiomaAcordes& idioma() {
  static const IdiomaAcordes portugues{tessara::Gramatica::Portugues, "raiz "};
  return portugues;
}

// 30 blocks of 10 lines: chord lines over lyrics with accents and tabs, a label, chords alone,
// a parenthesised chord ending a line, repeat marks.
std::string cancao300Linhas() {
  std::string texto;
  for (int i = 0; i < 30; ++i) {
    texto +=
        TXT("[Primeira parte]\n"
            "G          D/F#        Em7\n"
            "Eu te amo, é a lua sorriu pra mim\n"
            "\tC7M(9)\tAm7\n"
            "Quando\teu canto, coração (D7)\n"
            "Intro: G  D/F#  Em7  C7M(9)   (2x)\n"
            "\n"
            "Bm7(b5)     E7(b9)      Am\n"
            "Não há quem cante assim, não\n"
            "Em casa a gente se vê\n");
  }
  return texto;
}

void BM_CifraParaChordProTransposta(benchmark::State& estado) {
  const std::string folha = cancao300Linhas();
  const tessara::TransposicaoCancao transposicao(idioma());
  for (auto _ : estado) {
    LeitorCancao leitor(idioma());
    tessara::Cancao cancao = leitor.ler(folha);
    transposicao.transpor(cancao, 2);
    benchmark::DoNotOptimize(tessara::EscritorChordPro::escrever(cancao));
  }
  estado.SetBytesProcessed(static_cast<int64_t>(estado.iterations() * folha.size()));
}
BENCHMARK(BM_CifraParaChordProTransposta)->Unit(benchmark::kMicrosecond);

void BM_ChordProParaCifraTransposta(benchmark::State& estado) {
  LeitorCancao primeiro(idioma());
  const std::string chordPro = tessara::EscritorChordPro::escrever(primeiro.ler(cancao300Linhas()));
  const tessara::TransposicaoCancao transposicao(idioma());
  const tessara::EscritorCifra escritor(idioma());
  for (auto _ : estado) {
    LeitorCancao leitor(idioma());
    tessara::Cancao cancao = leitor.ler(chordPro);
    transposicao.transpor(cancao, -3);
    benchmark::DoNotOptimize(escritor.escrever(cancao));
  }
  estado.SetBytesProcessed(static_cast<int64_t>(estado.iterations() * chordPro.size()));
}
BENCHMARK(BM_ChordProParaCifraTransposta)->Unit(benchmark::kMicrosecond);

}  // namespace
