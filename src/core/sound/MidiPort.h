#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessara {

// One family of MIDI output devices (the built-in synthesizer, the sequencer's ports, a test
// recorder). Devices are numbered from 0 in the order of `listarDispositivos`; -1 is the
// family's default device. A device that cannot open leaves the port closed, which is not an
// error: whatever is sent to a closed port is dropped.
class MidiPort {
 public:
  virtual ~MidiPort() = default;

  // The devices the family offers now, by name.
  virtual std::vector<std::string> listarDispositivos() = 0;

  // Opens that device, closing the one open before.
  virtual void abrir(int dispositivo) = 0;
  virtual bool aberta() const = 0;

  // One channel message, sent at once; dropped when the port is closed.
  virtual void enviar(uint8_t status, uint8_t dado1, uint8_t dado2) = 0;

  // Stops every sounding note; nothing when closed.
  virtual void reiniciar() = 0;

  // Stops every sounding note, then closes; nothing when closed.
  virtual void fechar() = 0;

  // Why the file a port renders into could not be written at its close; empty otherwise.
  virtual std::string erroArquivo() const { return {}; }
};

}  // namespace tessara
