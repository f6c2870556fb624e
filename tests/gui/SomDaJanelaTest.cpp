#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <optional>

#include "AnaliseWav.h"
#include "AplicacaoTeste.h"
#include "InteracaoGravada.h"
#include "PastaTemporaria.h"
#include "ReprodutorPlano.h"
#include "WidgetBraco.h"
#include "app/Fachada.h"
#include "app/Nucleo.h"
#include "languages/GerenciadorIdiomas.h"
#include "sound/PortaFluidSynth.h"
#include "telas/Braco.h"

namespace tessara {
namespace {

using namespace std::chrono_literals;

// The built-in synthesizer of a window, rendering into a file as TESSARA_MIDI_WAV makes it,
// on the real clock: what the window's timer plays is what the file holds.
TEST(SomDaJanela, AcordeTocadoPeloTimerSoaNoSintetizadorComOLacoRodando) {
  const auto soundFont = PortaFluidSynth::procurarSoundFont();
  if (soundFont.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
  teste::AplicacaoTeste aplicacao;

  teste::PastaTemporaria pasta;
  const auto wav = pasta / "janela.wav";
  teste::InteracaoGravada interacao;
  {
    auto entradas = Nucleo::Entradas::nasPastas(TESSARA_SOURCE_DATA, pasta / "usuario");
    entradas.portas = [&](Relogio& relogio) {
      std::vector<std::unique_ptr<MidiPort>> portas;
      portas.push_back(std::make_unique<PortaFluidSynth>(relogio, soundFont, wav));
      return portas;
    };
    Nucleo nucleo(std::move(entradas));
    nucleo.definirInteracao(&interacao);
    nucleo.idiomas().carregarIdioma(nucleo.idiomas().indiceDoCodigo("en"));
    Fachada& fachada = nucleo.fachada();
    fachada.setInstrumento(0);
    // Opened with the window, as the main window does: loading the SoundFont takes a while.
    ASSERT_TRUE(fachada.saidaAberta());
    fachada.aplicarSomInstrumento();
    Braco braco(fachada, 0);
    const PosicaoHarmonicaInstrumentoCordas c = fachada.posicaoDasCasas({-1, 3, 2, 0, 1, 0});
    braco.exibirPosicao(&c, 0, false);
    WidgetBraco widget(fachada, braco);
    ReprodutorPlano reprodutor(fachada, braco, &widget);

    int tiques = 0;
    QTimer relogioDoTeste;
    QObject::connect(&relogioDoTeste, &QTimer::timeout, [&] { tiques += reprodutor.tocando(); });
    relogioDoTeste.start(10);
    QEventLoop laco;
    QObject::connect(&reprodutor, &ReprodutorPlano::terminado, &laco, &QEventLoop::quit);
    QTimer::singleShot(10s, &laco, &QEventLoop::quit);
    QElapsedTimer decorrido;
    decorrido.start();
    reprodutor.tocar(braco.planoAcorde());
    laco.exec();
    EXPECT_GE(decorrido.elapsed(), 800);
    EXPECT_FALSE(reprodutor.tocando());
    EXPECT_GE(tiques, 20);  // the window kept turning while the chord played
  }                         // the synthesizer closes and finishes the file

  const auto som = teste::lerWav(wav);
  ASSERT_TRUE(som);
  // The chord went through the synthesizer on the window's timer: the file holds the strum
  // and its release, loud enough to hear. Pitches and the exact 160 ms steps are checked where
  // the clock is driven (the player's and the synthesizer's own tests); on a busy machine a
  // real timer may fire a note late.
  EXPECT_GE(som->duracao(), 0.8 + PortaFluidSynth::CAUDA.count() / 1000.0 - 0.01);
  EXPECT_GT(som->pico(), 0.2);
  EXPECT_GE(som->ataques().size(), 2u);
}

}  // namespace
}  // namespace tessara
