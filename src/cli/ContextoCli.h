#pragma once

#include <ostream>
#include <string>

namespace tessara {

class GerenciadorIdiomas;

// What every subcommand shares: the output streams and the global options, with the
// language loaded on first need.
class ContextoCli {
 public:
  struct Opcoes {
    std::string idioma;       // "--lang": a language file code such as "pt" or "en"
    std::string instrumento;  // "--instrument"
  };

  ContextoCli(Opcoes opcoes, std::ostream& saida, std::ostream& erros);

  std::ostream& saida() { return saida_; }
  std::ostream& erros() { return erros_; }
  const Opcoes& opcoes() const { return opcoes_; }

  // The process-wide language manager with the chosen language loaded: the one of "--lang",
  // else the configured one. Nothing when it cannot be loaded (the reason is on the error stream).
  GerenciadorIdiomas* idiomas();

 private:
  bool carregarIdioma(GerenciadorIdiomas& idiomas);

  Opcoes opcoes_;
  std::ostream& saida_;
  std::ostream& erros_;
};

}  // namespace tessara
