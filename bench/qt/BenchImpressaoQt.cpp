// A large print job through Qt: written as a PDF file, and laid out as preview pictures at the
// largest zoom; and the main window's small diagrams. Needs no display (the offscreen platform
// unless QT_QPA_PLATFORM says otherwise).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPrinter>
#include <filesystem>

#include "../NucleoBench.h"
#include "../TrabalhoImpressaoBench.h"
#include "app/Fachada.h"
#include "chords/Especialista.h"
#include "languages/GerenciadorIdiomas.h"
#include "printing/GerenciadorImpressao.h"
#include "qt/ImagemDiagrama.h"
#include "qt/ImpressoraQt.h"
#include "qt/SuperficieImagensQt.h"

namespace {

using namespace tessara;

// Preview pictures of the PDF's page size; nothing is shown.
class FrenteBench : public FrenteImpressao {
 public:
  std::optional<TamanhoPagina> tamanhoPaginaImpressora() const override {
    return ImpressoraQt::paginaPdf();
  }
  std::unique_ptr<SuperficieImagens> criarImagens(int largura, int altura) override {
    return std::make_unique<SuperficieImagensQt>(largura, altura);
  }
  void desenharVisualizacao(const Imagem&, int, int, int) override {}
};

// Two hundred diagrams after a sheet of three hundred lines, the labels naming intervals.
class TrabalhoGrande {
 public:
  bool pronto() const { return nucleo.idiomas().idiomaCarregado(); }

  Nucleo& nucleo = bench::nucleo("en");
  FrenteBench frente;
  InstrumentoCordas instrumento = bench::violao();
  GerenciadorImpressao gerenciador{nucleo.idiomas(), nucleo.especialista(), nucleo.interacao(),
                                   frente, [this] { return &instrumento; }};
  ColecaoPtr<PosicaoHarmonicaInstrumentoCordas> posicoes = bench::diagramas(200);
  std::string texto = bench::folha(300);
};

void BM_PdfDuzentosDiagramasTrezentasLinhas(benchmark::State& estado) {
  TrabalhoGrande trabalho;
  if (!trabalho.pronto()) {
    estado.SkipWithError("no language file beside the executable");
    return;
  }
  const auto arquivo = std::filesystem::temp_directory_path() / "tessara-bench-impressao.pdf";
  for (auto _ : estado) {
    QPrinter impressora(QPrinter::HighResolution);
    ImpressoraQt::configurarPdf(impressora, arquivo);
    ImpressoraQt pdf(impressora);
    trabalho.gerenciador.imprimir(pdf, TrabalhoImpressao::TEXTO_E_DIAGRAMAS, ModoRotulo::INTERVALOS,
                                  trabalho.posicoes, trabalho.texto, trabalho.instrumento);
  }
  estado.counters["paginas"] = trabalho.gerenciador.getNumeroPaginas();
  std::filesystem::remove(arquivo);
}
BENCHMARK(BM_PdfDuzentosDiagramasTrezentasLinhas)->Unit(benchmark::kMillisecond);

// What the preview window waits for: the job laid out and its first page painted.
void BM_VisualizacaoPrimeiraPagina(benchmark::State& estado) {
  TrabalhoGrande trabalho;
  if (!trabalho.pronto()) {
    estado.SkipWithError("no language file beside the executable");
    return;
  }
  const int zoom = static_cast<int>(estado.range(0));
  for (auto _ : estado) {
    trabalho.gerenciador.prepararVisualizacao(TrabalhoImpressao::TEXTO_E_DIAGRAMAS,
                                              ModoRotulo::INTERVALOS, 1, zoom, trabalho.posicoes,
                                              trabalho.texto, trabalho.instrumento);
  }
  estado.counters["paginas"] = trabalho.gerenciador.getNumeroPaginas();
}
BENCHMARK(BM_VisualizacaoPrimeiraPagina)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);

// Every page of the job painted at the largest zoom.
void BM_VisualizacaoZoom300(benchmark::State& estado) {
  TrabalhoGrande trabalho;
  if (!trabalho.pronto()) {
    estado.SkipWithError("no language file beside the executable");
    return;
  }
  for (auto _ : estado) {
    trabalho.gerenciador.prepararVisualizacao(TrabalhoImpressao::TEXTO_E_DIAGRAMAS,
                                              ModoRotulo::INTERVALOS, 1, 300, trabalho.posicoes,
                                              trabalho.texto, trabalho.instrumento);
    benchmark::DoNotOptimize(trabalho.gerenciador.getPaginas().data());
  }
  estado.counters["paginas"] = trabalho.gerenciador.getNumeroPaginas();
}
BENCHMARK(BM_VisualizacaoZoom300)->Unit(benchmark::kMillisecond);

// The main window's row for a chord of sixty fingerings, every small picture drawn afresh
// (the row draws only those in view, and each once).
void BM_FaixaSessentaDiagramas(benchmark::State& estado) {
  Nucleo& nucleo = bench::nucleo("en");
  const auto posicoes = bench::diagramas(60);
  const ImagemDiagrama desenho(nucleo.fachada(), 120, ModoRotulo::DEDOS);
  for (auto _ : estado) {
    for (int i = 0; i < posicoes.size(); ++i) {
      benchmark::DoNotOptimize(desenho.imagem(*posicoes.getElement(i), 0.45));
    }
  }
}
BENCHMARK(BM_FaixaSessentaDiagramas)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication aplicacao(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
