#pragma once

#include <memory>

#include "sound/MidiPort.h"

class RtMidiOut;

namespace tessara {

// The ALSA sequencer's writable ports, each a device named by its port name (made CP1252 like
// every text of the core). Without a sequencer there are simply no devices.
class PortaRtMidi : public MidiPort {
 public:
  PortaRtMidi();
  ~PortaRtMidi() override;
  PortaRtMidi(const PortaRtMidi&) = delete;
  PortaRtMidi& operator=(const PortaRtMidi&) = delete;

  std::vector<std::string> listarDispositivos() override;
  // -1 is the first port.
  void abrir(int dispositivo) override;
  bool aberta() const override;
  void enviar(uint8_t status, uint8_t dado1, uint8_t dado2) override;
  // Sustain off and all notes off on every channel.
  void reiniciar() override;
  void fechar() override;

 private:
  std::unique_ptr<RtMidiOut> saida_;
};

}  // namespace tessara
