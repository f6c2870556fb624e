#pragma once

#include <chrono>
#include <filesystem>
#include <memory>

#include "sound/ArquivoWav.h"
#include "sound/MidiPort.h"
#include "sound/Relogio.h"

// The synthesizer library's handles, declared as the library declares them, so that its
// header stays inside this folder.
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;

namespace tessara {

// The built-in General MIDI synthesizer: one device, playing a SoundFont to the machine's
// audio output, or, when given a WAV file, rendering into it instead. In the file each message
// takes effect at the time the clock gave when it was sent, counted from the opening.
// Without a SoundFont or an audio output the device does not open.
class PortaFluidSynth : public MidiPort {
 public:
  static constexpr const char* NOME = "Built-in synthesizer";
  // Sound rendered after the close, so that the last notes' release is in the file.
  static constexpr std::chrono::milliseconds CAUDA{500};

  PortaFluidSynth(Relogio& relogio, std::filesystem::path soundFont,
                  std::filesystem::path arquivoWav = {});
  ~PortaFluidSynth() override;
  PortaFluidSynth(const PortaFluidSynth&) = delete;
  PortaFluidSynth& operator=(const PortaFluidSynth&) = delete;

  // TESSARA_SOUNDFONT when set, else the first General MIDI SoundFont found where the
  // distribution installs them; empty when there is none.
  static std::filesystem::path procurarSoundFont();

  std::vector<std::string> listarDispositivos() override { return {NOME}; }
  void abrir(int dispositivo) override;
  bool aberta() const override { return sintetizador_ != nullptr; }
  void enviar(uint8_t status, uint8_t dado1, uint8_t dado2) override;
  void reiniciar() override;
  void fechar() override;
  std::string erroArquivo() const override { return erroArquivo_; }

 private:
  struct Liberar {
    void operator()(fluid_settings_t* p) const;
    void operator()(fluid_synth_t* p) const;
    void operator()(fluid_audio_driver_t* p) const;
  };

  bool iniciar();
  bool iniciarSaidaAudio();
  void renderizarAte(std::chrono::microseconds tempo);
  void renderizar(size_t quadros);
  void liberar();

  Relogio& relogio_;
  std::filesystem::path soundFont_;
  std::filesystem::path arquivoWav_;
  std::unique_ptr<fluid_settings_t, Liberar> configuracao_;
  std::unique_ptr<fluid_synth_t, Liberar> sintetizador_;
  std::unique_ptr<fluid_audio_driver_t, Liberar> saidaAudio_;
  std::unique_ptr<ArquivoWav> wav_;
  std::chrono::microseconds inicio_{0};
  std::string erroArquivo_;
};

}  // namespace tessara
