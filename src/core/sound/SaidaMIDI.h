#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundations/Textos.h"
#include "sound/MidiPort.h"
#include "sound/Relogio.h"

namespace tessara {

// The program's one sound output: owns the open MIDI port, remembers each channel's program and
// volume, and turns note on/off, program, volume and reset into three-byte channel messages.
//
// Device numbers run over the ports' devices in port order: the first port's devices first,
// then the next port's. -1 is the first port's default device.
class SaidaMIDI {
 public:
  static constexpr int NUMERO_CANAIS = 16;

  // Builds the ports, all on the given clock.
  using FabricaPortas = std::function<std::vector<std::unique_ptr<MidiPort>>(Relogio&)>;

  // Builds the ports and opens the first device that opens, trying -1, 0, 1, ... in order;
  // none opening is not an error. FatalException when the ports cannot be built or listed.
  SaidaMIDI(const FabricaPortas& fabricaPortas, Relogio& relogio, const Textos& textos);
  ~SaidaMIDI();
  SaidaMIDI(const SaidaMIDI&) = delete;
  SaidaMIDI& operator=(const SaidaMIDI&) = delete;

  // The built-in synthesizer (into the WAV file named by TESSARA_MIDI_WAV when it is set),
  // then the sequencer's ports.
  static std::vector<std::unique_ptr<MidiPort>> portasDoSistema(Relogio& relogio);

  // Closes the open device and opens that one. OutOfBoundsException, with nothing changed,
  // for a number that names no device.
  void selecionarDispositivo(int indice);
  std::vector<std::string> listarDispositivos() const;

  // Program 128 leaves the channel as it is. OutOfBoundsException for a channel outside 0..15.
  void setInstrumento(int canal, int programa);
  // A volume of 128 or more changes nothing; -1 silences the channel.
  void setVolumeCanal(int canal, int volume);
  void ligarNota(int canal, int velocidade, int nota);
  void desligarNota(int canal, int nota);
  void reiniciar();
  // Hands one message to the open port. A message whose bytes are not a MIDI channel message
  // (status 0x80..0xFF, data 0..127) is dropped rather than sent corrupted.
  void enviarMensagem(int status, int dado1, int dado2);

  int getDispositivo() const { return dispositivo_; }
  bool portaAberta() const { return porta_ != nullptr && porta_->aberta(); }
  // Closes the open device; returns why the file it rendered into could not be written, or
  // empty.
  std::string encerrar();
  int getVolumeGeral() const { return volumeGeral_; }
  const std::vector<int>& getInstrumentosCanal() const { return instrumentosCanal_; }
  const std::vector<int>& getVolumesCanal() const { return volumesCanal_; }
  Relogio& getRelogio() const { return relogio_; }

 private:
  int numeroDispositivos() const;
  void abrir(int indice);
  void fechar();
  void verificarCanal(int canal, const char* metodo) const;
  // A text of section "exception" for a message.
  std::string texto(std::string_view chave) const;

  Relogio& relogio_;
  const Textos& textos_;
  int dispositivo_ = -1;
  int volumeGeral_ = 100;
  std::vector<int> instrumentosCanal_;
  std::vector<int> volumesCanal_;
  std::vector<std::unique_ptr<MidiPort>> portas_;
  MidiPort* porta_ = nullptr;  // the port of the selected device, one of portas_
};

}  // namespace tessara
