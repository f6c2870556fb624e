#include "SinteseOuvir.h"

#include <chrono>

#include "PastaTemporaria.h"
#include "TextosTeste.h"
#include "ouvir/LeitorWav.h"
#include "sound/PortaFluidSynth.h"
#include "sound/RelogioVirtual.h"
#include "sound/ReprodutorMIDI.h"
#include "sound/SaidaMIDI.h"

namespace tessara::teste {

namespace {

// Between two strings of a strum, as a pick crosses them.
constexpr std::chrono::milliseconds ENTRE_CORDAS{12};

}  // namespace

std::vector<float> renderizar(int programa, const std::vector<Toque>& toques) {
  const auto soundFont = PortaFluidSynth::procurarSoundFont();
  if (soundFont.empty()) return {};
  PastaTemporaria pasta;
  const auto wav = pasta / "som.wav";
  {
    RelogioVirtual relogio;
    TextosTeste textos;
    SaidaMIDI saida(
        [&](Relogio& r) {
          std::vector<std::unique_ptr<MidiPort>> portas;
          portas.push_back(std::make_unique<PortaFluidSynth>(r, soundFont, wav));
          return portas;
        },
        relogio, textos);
    saida.setInstrumento(ReprodutorMIDI::CANAL, programa);
    for (const Toque& toque : toques) {
      auto restante = std::chrono::milliseconds(static_cast<int>(toque.segundos * 1000));
      for (int nota : toque.notas) {
        if (nota < 0) continue;
        saida.ligarNota(ReprodutorMIDI::CANAL, 100, nota);
        relogio.esperar(ENTRE_CORDAS);
        restante -= ENTRE_CORDAS;
      }
      relogio.esperar(restante);
      for (int nota : toque.notas) {
        if (nota >= 0) saida.desligarNota(ReprodutorMIDI::CANAL, nota);
      }
    }
  }
  return LeitorWav::lerTudo(wav).amostras;
}

}  // namespace tessara::teste
