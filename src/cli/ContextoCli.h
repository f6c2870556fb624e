#pragma once

#include <ostream>
#include <string>

namespace tessara {

class GerenciadorIdiomas;
class GerenciadorInstrumentos;

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

  // The process-wide instrument manager with the instrument of "--instrument" current (its
  // exact name, else the first one equal ignoring letter case), else the built-in guitar.
  // Nothing when that fails; the reason is on the error stream and statusErro() says what to
  // return (2 for an unknown name, after the list of names).
  GerenciadorInstrumentos* instrumentos();

  // The exit status for a command whose accessor gave nothing.
  int statusErro() const { return statusErro_; }

 private:
  bool carregarIdioma(GerenciadorIdiomas& idiomas);
  bool selecionarInstrumento(GerenciadorInstrumentos& instrumentos);

  Opcoes opcoes_;
  std::ostream& saida_;
  std::ostream& erros_;
  int statusErro_ = 1;
  bool instrumentoSelecionado_ = false;
};

}  // namespace tessara
