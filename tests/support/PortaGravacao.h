#pragma once

#include <chrono>
#include <set>
#include <string>
#include <vector>

#include "sound/MidiPort.h"
#include "sound/Relogio.h"

namespace tessara::teste {

// One line of what a recording port was asked to do, at the clock's time: "abrir 0",
// "fechar", "reiniciar", or a message as hexadecimal bytes ("91 40 7F"). Ports given a name
// put it in front ("B abrir 0") so that several ports can share one log.
struct RegistroMidi {
  std::chrono::microseconds tempo;
  std::string texto;
};

// A MIDI port for tests: offers the devices it is given, opens only those it is told to,
// and logs everything it does while open (and every opening).
class PortaGravacao : public MidiPort {
 public:
  PortaGravacao(std::vector<std::string> dispositivos, std::set<int> queAbrem, Relogio& relogio,
                std::vector<RegistroMidi>& registro, std::string nome = {});

  std::vector<std::string> listarDispositivos() override;
  void abrir(int dispositivo) override;
  bool aberta() const override { return aberta_; }
  void enviar(uint8_t status, uint8_t dado1, uint8_t dado2) override;
  void reiniciar() override;
  void fechar() override;

  // Makes the next listing raise, as a MIDI layer that cannot start does.
  bool falharListagem = false;
  // A device plugged in while the program runs: listed from now on, and it opens.
  void ligar(std::string dispositivo);

 private:
  void anotar(const std::string& texto);

  std::vector<std::string> dispositivos_;
  std::set<int> queAbrem_;
  Relogio& relogio_;
  std::vector<RegistroMidi>& registro_;
  std::string nome_;
  bool aberta_ = false;
};

// The texts of a log, without the times.
std::vector<std::string> textos(const std::vector<RegistroMidi>& registro);

}  // namespace tessara::teste
