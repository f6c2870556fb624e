#pragma once

#include <optional>
#include <string>

#include "ComandoCli.h"

namespace tessara {

class InstrumentoCordas;
class SaidaMIDI;

// Plays a chord on the current instrument as the listen button does: its program on channel 1,
// the sounding strings from the lowest 160 ms apart, then the reset.
class ComandoPlay : public ComandoCli {
 public:
  std::string nome() const override { return "play"; }
  std::string resumo() const override {
    return "play NAME|FRETS [--wav FILE] [--device N]  play a chord's first fingering, or a "
           "fingering such as x32010 or x,3,2,0,1,0; --wav renders it into FILE through the "
           "built-in synthesizer";
  }
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;

 private:
  struct Pedido {
    std::string acorde;
    std::string wav;
    std::optional<int> dispositivo;
  };

  static std::optional<Pedido> lerArgumentos(const std::vector<std::string>& argumentos);
  // The device asked for, else the configured one (device 0 when that one is gone).
  static bool selecionarDispositivo(ContextoCli& contexto, SaidaMIDI& saida,
                                    std::optional<int> dispositivo);
  // Selects the device and tells the user when nothing could be opened.
  static bool prepararSaida(ContextoCli& contexto, SaidaMIDI& saida, const Pedido& pedido);
  // The frets of a fret list, or of the first fingering of a chord name; nothing, with the
  // reason on the error stream, when there are none.
  static std::optional<std::vector<int>> casasPedidas(ContextoCli& contexto,
                                                      const std::string& acorde,
                                                      const InstrumentoCordas& instrumento);
  // The note of each string (-1: not played).
  static std::vector<int> notas(const std::vector<int>& casas,
                                const InstrumentoCordas& instrumento);
};

}  // namespace tessara
