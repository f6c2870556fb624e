#pragma once

#include <string>
#include <vector>

namespace tessara {

class Fachada;

// The listening panel as a model: it starts and stops listening through the façade, analyses
// on each tick of the window's timer, and says what to show: a needle per open string of the
// current instrument, the note heard with its octave, its frequency and cents, the chord
// recognised, and a line when something stops the listening (no device, refused, busy,
// broken, silence).
class PainelOuvir {
 public:
  // One open string: its note ("E2") and frequency at the reference A, and, for the string nearest
  // the note heard, how far off it is in cents (positive: sharp).
  struct Corda {
    std::string nota;
    double hertz = 0;
    bool afinando = false;
    double cents = 0;
  };

  explicit PainelOuvir(Fachada& fachada);
  ~PainelOuvir();
  PainelOuvir(const PainelOuvir&) = delete;
  PainelOuvir& operator=(const PainelOuvir&) = delete;

  // Opens the device the settings keep; false when it did not open (`aviso` says why).
  bool iniciar();
  void parar();
  bool ativo() const;

  // A name must be heard on this many ticks in a row to be taken: the passing names between
  // two chords (C, Cmaj7/B, Am) last a tick and must not reach the fretboard.
  static constexpr int TIQUES_CONFIRMACAO = 2;

  // Analyses what arrived; true when a new chord has just been recognised.
  bool atualizar();

  std::vector<Corda> cordas() const;
  // The note heard with its octave ("A4"); empty when none is.
  std::string nota() const;
  double frequencia() const;
  double centsNota() const;
  // The last chord recognised since the start, in the current grammar; empty before one.
  std::string acorde() const { return acorde_; }
  double nivel() const;
  // The key, in the panel's section of the language file, of the line to show; empty when
  // all is well.
  std::string aviso() const;

 private:
  Fachada& fachada_;
  std::string acorde_;
  std::string candidato_;
  int vezesCandidato_ = 0;
  // The last failure to open, kept once the input has been closed.
  std::string avisoAbertura_;
};

}  // namespace tessara
