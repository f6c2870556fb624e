// What the user waits for at the main window, measured offscreen: each action with the
// window's repaint. The window stands over a settings folder of its own, the recording MIDI
// port and an agenda nobody drives, as in the window tests.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "AgendaManual.h"
#include "NucleoTeste.h"
#include "TformConfiguracoes.h"
#include "TformImpressao.h"
#include "TformPrincipal.h"
#include "TformVisualizarImpressao.h"
#include "WidgetBraco.h"
#include "app/Fachada.h"
#include "telas/Braco.h"
#include "telas/ListaImpressao.h"

namespace {

using namespace tessara;

class Janela {
 public:
  Janela() {
    auto manual = std::make_unique<teste::AgendaManual>(ambiente.relogio);
    janela = std::make_unique<TformPrincipal>(ambiente.nucleo.fachada(), ambiente.interacao,
                                              nullptr, std::move(manual));
    ambiente.nucleo.definirFachadaGUI(&janela->getFrente());
    janela->show();
    if (!QTest::qWaitForWindowExposed(janela.get())) std::abort();
  }
  ~Janela() { ambiente.nucleo.definirFachadaGUI(nullptr); }

  template <typename T>
  T* filho(const char* nome) {
    return janela->findChild<T*>(QString::fromLatin1(nome));
  }
  void digitar(const QString& nome) {
    auto* caixa = filho<QLineEdit>("editNomeAcorde");
    caixa->setText(nome);
    QTest::keyClick(caixa, Qt::Key_Return);
  }
  // What the user sees after the action: the events handled and the window painted.
  void mostrar() {
    QCoreApplication::processEvents();
    janela->repaint();
  }

  teste::NucleoTeste ambiente{
      {"scales.xml", "instrumentos.xml"}, "en", {"en.idm", "en.dat", "chords-en.bin"}};
  std::unique_ptr<TformPrincipal> janela;
};

// Made at the first benchmark, gone before the application object.
std::unique_ptr<Janela> unica;

Janela& janela() {
  if (!unica) unica = std::make_unique<Janela>();
  return *unica;
}

void BM_DigitarNomeEEnter(benchmark::State& estado) {
  auto& j = janela();
  const QString nomes[] = {QStringLiteral("C#m7(9)"), QStringLiteral("F")};
  int i = 0;
  for (auto _ : estado) {
    j.digitar(nomes[i++ % 2]);
    j.mostrar();
  }
}
BENCHMARK(BM_DigitarNomeEEnter)->Unit(benchmark::kMillisecond);

void BM_ProximaDigitacao(benchmark::State& estado) {
  auto& j = janela();
  j.digitar(QStringLiteral("Am7"));
  auto* proximo = j.filho<QPushButton>("btnProximo");
  for (auto _ : estado) {
    proximo->click();
    j.mostrar();
  }
}
BENCHMARK(BM_ProximaDigitacao)->Unit(benchmark::kMillisecond);

void BM_CliqueNoBraco(benchmark::State& estado) {
  auto& j = janela();
  j.digitar(QStringLiteral("C"));
  auto* braco = j.janela->findChild<WidgetBraco*>();
  const auto& g = j.janela->getBraco().getGeometria();
  // D on the second string and back: a chord edited and named each time.
  int i = 0;
  for (auto _ : estado) {
    const int casa = i++ % 2 == 0 ? 3 : 1;
    QTest::mouseClick(braco, Qt::LeftButton, {},
                      QPoint(g.getXCasas()[static_cast<size_t>(casa)], g.getYCordas()[4]));
    j.mostrar();
  }
}
BENCHMARK(BM_CliqueNoBraco)->Unit(benchmark::kMillisecond);

void BM_TrocarModo(benchmark::State& estado) {
  auto& j = janela();
  QPushButton* botoes[] = {j.filho<QPushButton>("btnExibicaoEscalas"),
                           j.filho<QPushButton>("btnBaseAcordes")};
  int i = 0;
  for (auto _ : estado) {
    botoes[i++ % 2]->click();
    j.mostrar();
  }
  j.filho<QPushButton>("btnBaseAcordes")->click();
}
BENCHMARK(BM_TrocarModo)->Unit(benchmark::kMillisecond);

void BM_TrocarVisualizacao(benchmark::State& estado) {
  auto& j = janela();
  j.digitar(QStringLiteral("G7"));
  auto* visualizacao = j.filho<QComboBox>("comboModoVisualizacao");
  int i = 0;
  for (auto _ : estado) {
    visualizacao->setCurrentIndex(++i % visualizacao->count());
    j.mostrar();
  }
}
BENCHMARK(BM_TrocarVisualizacao)->Unit(benchmark::kMillisecond);

void BM_AdicionarALista(benchmark::State& estado) {
  auto& j = janela();
  j.digitar(QStringLiteral("Bb7M"));
  auto* adicionar = j.filho<QPushButton>("btnAdicionar");
  auto& lista = j.janela->getListaImpressao();
  for (auto _ : estado) {
    adicionar->click();
    j.mostrar();
    if (lista.tamanho() >= 100) {
      estado.PauseTiming();
      lista.selecionarTudo();
      lista.removerSelecionadas();
      estado.ResumeTiming();
    }
  }
}
BENCHMARK(BM_AdicionarALista)->Unit(benchmark::kMillisecond);

void BM_AbrirEFecharConfiguracoes(benchmark::State& estado) {
  auto& j = janela();
  auto& configuracoes = j.janela->getConfiguracoes();
  auto* abrir = j.filho<QPushButton>("btnConfiguracoes");
  for (auto _ : estado) {
    QTimer::singleShot(0, &configuracoes, [&] {
      configuracoes.repaint();
      configuracoes.reject();
    });
    abrir->click();
    j.mostrar();
  }
}
BENCHMARK(BM_AbrirEFecharConfiguracoes)->Unit(benchmark::kMillisecond);

// From the Preview button to the first page on show, for two hundred chords.
void BM_PreviaDaListaGrande(benchmark::State& estado) {
  auto& j = janela();
  auto& lista = j.janela->getListaImpressao();
  lista.selecionarTudo();
  lista.removerSelecionadas();
  const char* nomes[] = {"C", "Am7", "F#m7(b5)", "G7(13)", "Bb7M", "E7(#9)", "D/F#", "Ab6"};
  for (int i = 0; i < 200; ++i) lista.adicionarPorNome(nomes[i % 8], true);
  auto& impressao = j.janela->getImpressao();
  auto& previa = j.janela->getVisualizacao();
  auto* visualizar = impressao.findChild<QPushButton*>(QStringLiteral("btnVisualizarImpressao"));
  QTimer::singleShot(0, &impressao, [&] {
    for (auto _ : estado) {
      QTimer::singleShot(0, &previa, [&] {
        previa.repaint();
        previa.reject();
      });
      visualizar->click();
    }
    impressao.reject();
  });
  j.filho<QPushButton>("btnImprimir")->click();
  estado.counters["paginas"] = previa.findChild<QSpinBox*>(QStringLiteral("spinPagina"))->maximum();
}
BENCHMARK(BM_PreviaDaListaGrande)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication aplicacao(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  unica.reset();
  return 0;
}
