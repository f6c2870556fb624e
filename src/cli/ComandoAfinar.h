#pragma once

#include <optional>
#include <string>

#include "ComandoCli.h"

namespace tessara {

// The tuner on a recording of one note: the note with its octave, its frequency and the cents
// off it, then the nearest open string of the current instrument (capo included) and the
// cents off that string.
class ComandoAfinar : public ComandoCli {
 public:
  std::string nome() const override { return "tune"; }
  std::string resumo() const override {
    return "tune FILE.wav [--reference HZ]  the note a WAV file sounds (e.g. A4 440.0 Hz "
           "+0.0 cents) and the nearest string of the instrument; --reference sets the A "
           "above middle C (415 to 466, default 440)";
  }
  const LeitorOpcoes* opcoes() const override;
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;

 private:
  struct Pedido {
    std::string arquivo;
    double referencia = 440.0;
  };

  // Throws ErroArgumento for an argument that is missing or not accepted.
  static Pedido lerArgumentos(const std::vector<std::string>& argumentos);
};

}  // namespace tessara
