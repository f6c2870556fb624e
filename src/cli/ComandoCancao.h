#pragma once

#include <optional>

#include "ComandoCli.h"

namespace tessara {

// Reads a song in ChordPro or as chords over lyrics (told apart by its lines) and writes it
// either way, transposed or set for a capo on the way.
class ComandoCancao : public ComandoCli {
 public:
  std::string nome() const override { return "sheet"; }
  std::string resumo() const override {
    return "sheet [--to chordpro|text] [--transpose N] [--capo N] FILE|-  convert a song between "
           "ChordPro and chords over lyrics (default: the format it is in)";
  }
  const LeitorOpcoes* opcoes() const override;
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;

 private:
  struct Pedido {
    std::string arquivo;
    std::optional<bool> paraChordPro;
    int semitons = 0;
    std::optional<int> capo;
  };
  static Pedido lerArgumentos(const std::vector<std::string>& argumentos);
};

}  // namespace tessara
