#pragma once

#include "ComandoCli.h"

namespace tessara {

// Lists the instruments, built-in ones first: index, name, strings, frets, span, MIDI program
// and tuning, tab-separated.
class ComandoInstrumentos : public ComandoCli {
 public:
  std::string nome() const override { return "instruments"; }
  std::string resumo() const override {
    return "instruments  list the instruments: index, name, strings, frets, span, MIDI program, "
           "tuning";
  }
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;
};

}  // namespace tessara
