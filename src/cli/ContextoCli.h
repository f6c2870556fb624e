#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

#include "foundations/InteracaoTerminal.h"

namespace tessara {

class Fachada;
class Nucleo;

// What every subcommand shares: the output streams, the global options and the program's
// objects, built on first use, with the language and the instrument prepared on demand.
class ContextoCli {
 public:
  struct Opcoes {
    std::string idioma;       // "--lang": a language file code such as "pt" or "en"
    std::string instrumento;  // "--instrument": a name or a number
    int capo = 0;             // "--capo": the fret, 0 for none
  };

  ContextoCli(Opcoes opcoes, std::ostream& saida, std::ostream& erros);
  ~ContextoCli();

  std::ostream& saida() { return saida_; }
  std::ostream& erros() { return erros_; }
  const Opcoes& opcoes() const { return opcoes_; }

  // Before anything is used: the MIDI output renders into that WAV file instead of playing.
  void renderizarEm(const std::filesystem::path& wav) { wav_ = wav; }

  // Built on first use; a "--lang" or "--instrument" that names nothing throws OpcaoRecusada.
  Nucleo& nucleo();
  Fachada& fachada();
  // Whether the program was asked to end (no language files, no chord base): the user has
  // been told why.
  bool encerramentoPedido() const { return interacao_.encerramentoPedido(); }

  // Thrown when the program's objects are first built for a "--lang" or an "--instrument"
  // that names nothing, whatever the command; the user has been told why.
  struct OpcaoRecusada {
    int status;
  };
  // Loads the language of "--lang", else the configured one; false when it cannot be loaded
  // (the reason is on the error stream).
  bool prepararIdioma();
  // The language, then the instrument of "--instrument" made current (its exact name, else
  // the first one equal ignoring letter case, else the number "instruments" prints), else
  // the built-in guitar, with the capo of "--capo" and the root's voicing (not the settings'
  // ones). False when that
  // fails; the reason is on the error stream and statusErro() says what to return (2 for an
  // unknown name, after the list of names).
  bool prepararInstrumento();
  // The instrument, then the chord base.
  bool prepararAcordes();
  // Makes the chord of that name (UTF-8) current, or tells the user it is not one or that the
  // instrument cannot play it.
  bool selecionarAcorde(const std::string& nome);
  // The one way every command says that the instrument cannot play a chord (and why, when the
  // capo leaves it no fret or the voicing does not fit the chord).
  void avisarSemPosicao(const std::string& nome);
  // Starts the MIDI output; false, after telling why, when it cannot start or, rendering into
  // a file, when there is no SoundFont or the file cannot be written.
  bool prepararSaida();

  // Tells once, on the error stream, why the user's instrument base was left out, if it was.
  void avisarBaseInstrumentos();

  // The exit status for a command whose preparation failed.
  int statusErro() const { return statusErro_; }

 private:
  bool validarOpcoes();
  bool carregarIdioma();
  bool selecionarInstrumento();
  int indiceInstrumento(const std::vector<std::string>& nomes) const;

  Opcoes opcoes_;
  std::ostream& saida_;
  std::ostream& erros_;
  std::filesystem::path wav_;
  InteracaoTerminal interacao_;
  std::unique_ptr<Nucleo> nucleo_;
  int statusErro_ = 1;
  bool instrumentoSelecionado_ = false;
  bool avisoBaseDado_ = false;
};

}  // namespace tessara
