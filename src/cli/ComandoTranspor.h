#pragma once

#include "ComandoCli.h"

namespace tessara {

// Transposes the chord sheet read on standard input by a number of semitones: up when
// positive (sharps), down when negative (flats). Everything but the chords comes out as it
// went in.
class ComandoTranspor : public ComandoCli {
 public:
  std::string nome() const override { return "transpose"; }
  std::string resumo() const override {
    return "transpose STEPS  transpose the chord sheet or ChordPro song on standard input "
           "(negative: down)";
  }
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;
};

}  // namespace tessara
