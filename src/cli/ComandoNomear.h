#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ComandoCli.h"

namespace tessara {

// Names the chord a fingering of the current instrument plays, as the fretboard does for the
// notes clicked on it: the chord base's own name when the base holds that chord, else the
// canonical name. The root is the lowest sounding string's note unless --root names a string
// (0 is the lowest); --readings lists the name with every sounding note as the root, the
// simplest first.
class ComandoNomear : public ComandoCli {
 public:
  std::string nome() const override { return "name"; }
  std::string resumo() const override {
    return "name FRETS [--root STRING | --readings]  the name of the chord a fingering such "
           "as x32010 or -1,3,2,0,1,0 plays; --root takes the root from that string (0 = the "
           "lowest); --readings lists every reading, one per line, the simplest first";
  }
  const LeitorOpcoes* opcoes() const override;
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;

 private:
  struct Pedido {
    std::string casas;
    std::optional<int> corda;
    bool leituras = false;
  };

  // Throws ErroArgumento for an argument that is missing or not accepted.
  static Pedido lerArgumentos(const std::vector<std::string>& argumentos);
};

}  // namespace tessara
