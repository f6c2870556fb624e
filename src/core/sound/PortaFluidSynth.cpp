#include "sound/PortaFluidSynth.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "sound/SilencioAlsa.h"

namespace tessara {

namespace {

// Loud enough for a six-string chord at full velocity without clipping.
constexpr double kGanho = 0.4;
// Audio outputs in order of preference; JACK is left out, as it may start a server of its own.
constexpr const char* kSaidasAudio[] = {"pipewire", "pulseaudio", "alsa"};
constexpr int kQuadrosPorBloco = 4096;

// The port reports failure by staying closed; the library's own messages would only reach a
// terminal nobody reads.
void silenciarRegistro() {
  static const bool feito = [] {
    for (int nivel = FLUID_PANIC; nivel <= FLUID_DBG; ++nivel) {
      fluid_set_log_function(nivel, nullptr, nullptr);
    }
    alsa::silenciarErros();
    return true;
  }();
  (void)feito;
}

}  // namespace

void PortaFluidSynth::Liberar::operator()(fluid_settings_t* p) const { delete_fluid_settings(p); }
void PortaFluidSynth::Liberar::operator()(fluid_synth_t* p) const { delete_fluid_synth(p); }
void PortaFluidSynth::Liberar::operator()(fluid_audio_driver_t* p) const {
  delete_fluid_audio_driver(p);
}

PortaFluidSynth::PortaFluidSynth(Relogio& relogio, std::filesystem::path soundFont,
                                 std::filesystem::path arquivoWav)
    : relogio_(relogio), soundFont_(std::move(soundFont)), arquivoWav_(std::move(arquivoWav)) {
  silenciarRegistro();
}

PortaFluidSynth::~PortaFluidSynth() { fechar(); }

std::filesystem::path PortaFluidSynth::procurarSoundFont() {
  if (const char* escolhida = std::getenv("TESSARA_SOUNDFONT"); escolhida != nullptr) {
    return escolhida;
  }
  for (const char* caminho :
       {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/soundfonts/default.sf2",
        "/usr/share/soundfonts/FluidR3_GM.sf2"}) {
    std::error_code erro;
    if (std::filesystem::is_regular_file(caminho, erro)) return caminho;
  }
  return {};
}

void PortaFluidSynth::abrir(int dispositivo) {
  fechar();
  if (dispositivo != -1 && dispositivo != 0) return;
  if (!iniciar()) liberar();
}

bool PortaFluidSynth::iniciar() {
  std::error_code erro;
  if (soundFont_.empty() || !std::filesystem::is_regular_file(soundFont_, erro)) return false;
  configuracao_.reset(new_fluid_settings());
  if (!configuracao_) return false;
  fluid_settings_setnum(configuracao_.get(), "synth.sample-rate", ArquivoWav::TAXA);
  fluid_settings_setnum(configuracao_.get(), "synth.gain", kGanho);
  sintetizador_.reset(new_fluid_synth(configuracao_.get()));
  if (!sintetizador_) return false;
  // The output first: without one, loading the SoundFont would be wasted time.
  if (arquivoWav_.empty()) {
    if (!iniciarSaidaAudio()) return false;
  } else {
    wav_ = std::make_unique<ArquivoWav>(arquivoWav_);
    if (!wav_->aberto()) {
      erroArquivo_ = wav_->erro();
      return false;
    }
  }
  if (fluid_synth_sfload(sintetizador_.get(), soundFont_.c_str(), 1) == FLUID_FAILED) return false;
  inicio_ = relogio_.agora();
  return true;
}

bool PortaFluidSynth::iniciarSaidaAudio() {
  fluid_settings_t* configuracao = configuracao_.get();
  for (const char* driver : kSaidasAudio) {
    if (fluid_settings_setstr(configuracao, "audio.driver", driver) == FLUID_FAILED) continue;
    saidaAudio_.reset(new_fluid_audio_driver(configuracao, sintetizador_.get()));
    if (saidaAudio_) return true;
  }
  return false;
}

void PortaFluidSynth::renderizarAte(std::chrono::microseconds tempo) {
  if (!wav_) return;
  const auto alvo = static_cast<size_t>(std::max<int64_t>(0, (tempo - inicio_).count()) *
                                        ArquivoWav::TAXA / 1000000);
  if (alvo > wav_->quadros()) renderizar(alvo - wav_->quadros());
}

void PortaFluidSynth::renderizar(size_t quadros) {
  std::vector<int16_t> bloco(static_cast<size_t>(kQuadrosPorBloco) * ArquivoWav::CANAIS);
  while (quadros > 0) {
    const int n = static_cast<int>(std::min<size_t>(kQuadrosPorBloco, quadros));
    fluid_synth_write_s16(sintetizador_.get(), n, bloco.data(), 0, 2, bloco.data(), 1, 2);
    wav_->acrescentar(bloco.data(), static_cast<size_t>(n));
    quadros -= static_cast<size_t>(n);
  }
}

void PortaFluidSynth::enviar(uint8_t status, uint8_t dado1, uint8_t dado2) {
  if (!aberta()) return;
  renderizarAte(relogio_.agora());
  fluid_synth_t* s = sintetizador_.get();
  const int canal = status & 0x0F;
  switch (status & 0xF0) {
    case 0x80: fluid_synth_noteoff(s, canal, dado1); break;
    case 0x90: fluid_synth_noteon(s, canal, dado1, dado2); break;  // velocity 0 is a note off
    case 0xA0: fluid_synth_key_pressure(s, canal, dado1, dado2); break;
    case 0xB0: fluid_synth_cc(s, canal, dado1, dado2); break;
    case 0xC0: fluid_synth_program_change(s, canal, dado1); break;
    case 0xD0: fluid_synth_channel_pressure(s, canal, dado1); break;
    case 0xE0: fluid_synth_pitch_bend(s, canal, dado1 | (dado2 << 7)); break;
    default: break;  // system messages: nothing to play
  }
}

void PortaFluidSynth::reiniciar() {
  if (!aberta()) return;
  renderizarAte(relogio_.agora());
  // The notes go into their release, as on a keyboard; programs and volumes stay.
  for (int canal = 0; canal < 16; ++canal) fluid_synth_cc(sintetizador_.get(), canal, 64, 0);
  fluid_synth_all_notes_off(sintetizador_.get(), -1);
}

void PortaFluidSynth::fechar() {
  if (!aberta()) return;
  reiniciar();
  if (wav_) {
    renderizar(static_cast<size_t>(CAUDA.count()) * ArquivoWav::TAXA / 1000);
    if (!wav_->concluir()) erroArquivo_ = wav_->erro();
  }
  liberar();
}

void PortaFluidSynth::liberar() {
  saidaAudio_.reset();  // stops the audio thread before the synthesizer goes
  sintetizador_.reset();
  configuracao_.reset();
  wav_.reset();
}

}  // namespace tessara
