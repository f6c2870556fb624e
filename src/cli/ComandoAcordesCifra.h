#pragma once

#include "ComandoCli.h"

namespace tessara {

// Lists the chords of the chord sheet read on standard input, one per line, in the order the
// chord list of a print job would take them.
class ComandoAcordesCifra : public ComandoCli {
 public:
  std::string nome() const override { return "chords"; }
  std::string resumo() const override {
    return "chords  list the chords of the chord sheet or ChordPro song on standard input";
  }
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;
};

}  // namespace tessara
