#pragma once

#include <optional>
#include <string>

#include "ComandoCli.h"

namespace tessara {

// Plays a chord on the current instrument as the listen button does: its program on channel 1,
// the sounding strings from the lowest 160 ms apart, then the reset.
class ComandoTocar : public ComandoCli {
 public:
  std::string nome() const override { return "play"; }
  std::string resumo() const override {
    return "play NAME|FRETS [--wav FILE] [--device N]  play a chord's first fingering, or a "
           "fingering such as x32010 or x,3,2,0,1,0; --wav renders it into FILE through the "
           "built-in synthesizer";
  }
  const LeitorOpcoes* opcoes() const override;
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;

 private:
  struct Pedido {
    std::string acorde;
    std::string wav;
    std::optional<int> dispositivo;
  };

  // Throws ErroArgumento for an argument that is missing or not accepted.
  static Pedido lerArgumentos(const std::vector<std::string>& argumentos);
  // The device asked for, else the configured one (device 0 when that one is gone).
  static bool selecionarDispositivo(ContextoCli& contexto, std::optional<int> dispositivo);
  // Starts the output, selects the device and tells the user when nothing could be opened.
  static bool prepararSaida(ContextoCli& contexto, const Pedido& pedido);
  // The frets of a fret list, or of the first fingering of a chord name, on the current
  // instrument; nothing, with the reason on the error stream, when there are none.
  static std::optional<std::vector<int>> casasPedidas(ContextoCli& contexto,
                                                      const std::string& acorde);
};

}  // namespace tessara
