// Start-up cost of the language layer: loading a language file and looking texts up.
#include <benchmark/benchmark.h>

#include "foundations/Caminhos.h"
#include "foundations/InteracaoTerminal.h"
#include "foundations/Texto.h"
#include "languages/Idioma.h"
#include "languages/TextosIdioma.h"

namespace {

const std::string& arquivoIngles() {
  static const std::string conteudo =
      tessara::texto::lerArquivo(tessara::Caminhos::diretorioPrograma() / "en.idm");
  return conteudo;
}

void BM_LerTextosIdioma(benchmark::State& estado) {
  const auto& conteudo = arquivoIngles();
  for (auto _ : estado) benchmark::DoNotOptimize(tessara::TextosIdioma(conteudo));
  estado.SetBytesProcessed(static_cast<int64_t>(estado.iterations() * conteudo.size()));
}
BENCHMARK(BM_LerTextosIdioma);

void BM_ConsultarTexto(benchmark::State& estado) {
  const tessara::TextosIdioma textos(arquivoIngles());
  for (auto _ : estado)
    benchmark::DoNotOptimize(textos.getTexto("fmPrincipal", "msgConfirmacaoSaida"));
}
BENCHMARK(BM_ConsultarTexto);

void BM_ImagemDaAbertura(benchmark::State& estado) {
  tessara::InteracaoTerminal interacao;
  tessara::Idioma idioma(tessara::Caminhos::diretorioPrograma(), "en.idm", "en.dat", interacao);
  for (auto _ : estado) benchmark::DoNotOptimize(idioma.getImagem("fmEntrada", "imgEntrada"));
}
BENCHMARK(BM_ImagemDaAbertura);

}  // namespace
