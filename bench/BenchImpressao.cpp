// The print layout on a surface that only counts what it is asked to draw: what the layout
// itself costs, without any drawing library.
#include <benchmark/benchmark.h>

#include "NucleoBench.h"
#include "TrabalhoImpressaoBench.h"
#include "chords/Especialista.h"
#include "languages/GerenciadorIdiomas.h"
#include "printing/LayoutImpressao.h"
#include "printing/MedidasPagina.h"

namespace {

using namespace tessara;

// Fixed metrics: a character is half as wide as it is high.
class SuperficieContagem : public Superficie {
 public:
  void setLarguraCaneta(int) override {}
  void linha(int, int, int, int) override { ++primitivas; }
  void elipse(int, int, int, int) override { ++primitivas; }
  void retangulo(int, int, int, int) override { ++primitivas; }
  void disco(int, int, int, int) override { ++primitivas; }
  void barra(int, int, int, int) override { ++primitivas; }
  void setTextoClaro(bool) override {}
  void setFonte(const std::string&, int altura) override { altura_ = altura; }
  int larguraTexto(const std::string& texto) const override {
    return static_cast<int>(texto.size()) * altura_ / 2;
  }
  int alturaTexto(const std::string&) const override { return altura_; }
  void escreverTexto(int, int, const std::string&) override { ++primitivas; }
  void novaPagina() override {}

  int64_t primitivas = 0;

 private:
  int altura_ = 0;
};

void layout(benchmark::State& estado, int diagramas, int linhas) {
  Nucleo& nucleo = bench::nucleo("en");
  if (!nucleo.idiomas().idiomaCarregado()) {
    estado.SkipWithError("no language file beside the executable");
    return;
  }
  const Especialista& especialista = nucleo.especialista();
  const auto instrumento = bench::violao();
  const auto posicoes = bench::diagramas(diagramas);
  const std::string texto = bench::folha(linhas);
  const auto medidas = MedidasPagina::paraImpressora({2480, 3508});
  // Intervals: each diagram without a root marker also reads its chord's name.
  const TrabalhoImpressao trabalho{TrabalhoImpressao::TEXTO_E_DIAGRAMAS, ModoRotulo::INTERVALOS,
                                   posicoes, texto, instrumento};
  int64_t primitivas = 0;
  for (auto _ : estado) {
    SuperficieContagem superficie;
    benchmark::DoNotOptimize(
        LayoutImpressao(superficie, medidas, especialista).desenhar("Tessara", "url", trabalho));
    primitivas += superficie.primitivas;
  }
  estado.SetItemsProcessed(primitivas);
}

void BM_LayoutCemDiagramasComTexto(benchmark::State& estado) { layout(estado, 100, 100); }
BENCHMARK(BM_LayoutCemDiagramasComTexto)->Unit(benchmark::kMicrosecond);

void BM_LayoutDuzentosDiagramasTrezentasLinhas(benchmark::State& estado) {
  layout(estado, 200, 300);
}
BENCHMARK(BM_LayoutDuzentosDiagramasTrezentasLinhas)->Unit(benchmark::kMicrosecond);

}  // namespace
