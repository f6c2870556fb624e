#pragma once

#include <string>
#include <vector>

namespace tessara {

// The sound card's input as the listening analysis needs it: mono samples in -1..1 at the
// device's rate, taken when asked. The program's is Qt's capture; the tests deliver samples
// of their own on a clock they drive. An input that cannot open says why instead of failing.
class EntradaAudio {
 public:
  enum class Situacao {
    parada,          // not opened, or closed
    captando,        // samples arrive
    semDispositivo,  // the system offers no input device, or not the one asked for
    negada,          // the system refused access to it
    ocupada,         // another program holds it
    falhou           // it opened and then broke off
  };

  virtual ~EntradaAudio() = default;

  // The input devices the system offers now, by name.
  virtual std::vector<std::string> listarDispositivos() = 0;
  // Opens the device of that name (empty: the system's default), closing the one open before.
  virtual Situacao abrir(const std::string& dispositivo) = 0;
  virtual void fechar() = 0;
  virtual Situacao situacao() const = 0;
  // Samples per second of the open device.
  virtual double taxa() const = 0;
  // Appends to `destino` the samples captured since the last call.
  virtual void ler(std::vector<float>& destino) = 0;
};

}  // namespace tessara
