#pragma once

#include <string>

#include "ComandoCli.h"

namespace tessara {

// Names the chords of a recording, one line per stretch of one chord: its start and end in
// seconds and its name in the language's chord-name style. Silence is left out.
class ComandoOuvir : public ComandoCli {
 public:
  std::string nome() const override { return "listen"; }
  std::string resumo() const override {
    return "listen FILE.wav [--format text|tsv]  the chords heard in a WAV file: start and end "
           "in seconds and the chord of each stretch; tsv: start, end, name";
  }
  const LeitorOpcoes* opcoes() const override;
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;

 private:
  struct Pedido {
    std::string arquivo;
    bool tsv = false;
  };

  // Throws ErroArgumento for an argument that is missing or not accepted.
  static Pedido lerArgumentos(const std::vector<std::string>& argumentos);
};

}  // namespace tessara
