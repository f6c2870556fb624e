#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundations/ColecaoPtr.h"
#include "generation/TonsAcorde.h"
#include "model/Disposicao.h"
#include "model/PosicaoHarmonica.h"

namespace tessara {

class InstrumentoCordas;
class RestricaoAcordes;

// The fingering search of one chord on one instrument. Candidates are visited depth first,
// which lists them in the same order as expanding the whole list string by string: the bass
// on the highest string first, then for each string silent, open (when the span leaves the
// open string out) and each fret of the span, ascending. Each complete candidate goes
// through the filters and finger assignment at once, so no candidate list is ever built; the
// tables and the candidate are kept for the next chord. A string is tried silent or sounding
// only where some muting pattern still allows it, so that branches the muting filter would
// drop are never walked: on wide instruments they would take the whole step budget.
//
// The muting patterns describe six strings. On an instrument with more, each character
// stands for a group of neighbouring strings (string s for character s * 6 / strings), and
// each tone may sound as many more times as strings per six, rounded up: a twelve-string
// instrument's courses double what a guitar's strings play.
class BuscaPosicoes {
 public:
  explicit BuscaPosicoes(const RestricaoAcordes& restricoes) : restricoes_(restricoes) {}

  // Appends the fingerings of the chord to `resultado`. A string without a tuning entry (a
  // damaged instrument) is never played; an instrument beyond the limits of a real one plays
  // nothing. The search stops after the step limit (LIMITE_PASSOS unless set) and keeps what
  // it found. A voicing other than the root's lets the bass be another tone (rootless, drop 2
  // and 3), keeps the root out (rootless), or asks its shape (FormaDisposicao); a shell may
  // leave any strings silent that its shape allows.
  void executar(const InstrumentoCordas& instrumento, const std::string& nome,
                const TonsAcorde& tons, ColecaoPtr<PosicaoHarmonica>& resultado,
                Disposicao disposicao = {});

 private:
  // What a fret sounds, as bits: one per tone that it counts for (root, third, fifth,
  // seventh, then each tension), and TOM_ACORDE when it is a tone of the chord at all.
  static constexpr int PAPEL_RAIZ = 0;
  static constexpr int PAPEL_TERCA = 1;
  static constexpr int PAPEL_QUINTA = 2;
  static constexpr int PAPEL_SETIMA = 3;
  static constexpr int PRIMEIRA_TENSAO = 4;
  static constexpr uint64_t TOM_ACORDE = uint64_t{1} << 63;

 public:
  // Twelve strings with a wide span can hold billions of candidates; a guitar needs a few
  // thousand steps.
  static constexpr int64_t LIMITE_PASSOS = 2000000;

  // A lower limit keeps each chord short where many are searched for their own sake (fuzzing).
  void definirLimitePassos(int64_t limite) { limitePassos_ = limite; }
  // Steps the last search took; past the limit, it stopped before the end.
  int64_t passosUsados() const { return passos_; }

 private:
  void preparar(const InstrumentoCordas& instrumento, const TonsAcorde& tons);
  uint64_t papelDaClasse(int classe, const TonsAcorde& tons) const;
  size_t lugar(int corda, int casa) const {
    return static_cast<size_t>(corda) * static_cast<size_t>(numeroCasas_ + 1) +
           static_cast<size_t>(casa);
  }
  bool tomDoAcorde(int corda, int casa) const {
    return (papeis_[lugar(corda, casa)] & TOM_ACORDE) != 0;
  }

  void prepararPadroes();
  void colocarBaixo(int corda);
  void expandir(int corda, int maisAlta, int maisBaixa, uint32_t vivos);
  void tentar(int corda, int casa, int maisAlta, int maisBaixa, uint32_t vivos);
  void avaliar();

  bool filtrarDedos() const;
  bool filtrarNotas() const;
  bool filtrarUnissonos() const;
  bool filtrarSegundas() const;
  bool filtrarAbafamento() const;
  bool filtrarDisposicao() const;
  void dedilhar();

  const RestricaoAcordes& restricoes_;
  int numeroCordas_ = 0;
  int ultimaCorda_ = -1;
  int numeroCasas_ = 0;
  int distancia_ = 0;
  int numeroPapeis_ = 0;
  bool temSetima_ = false;
  bool semTerca_ = false;  // the chord's third is its root: counted once, as the root
  bool semQuinta_ = false;
  bool quinta_ = false;  // a power chord
  int baixo_ = 0;
  bool semCordaGrave_ = false;  // re-entrant tuning: any chord tone may sound first
  Disposicao disposicao_;
  bool semRaiz_ = false;     // the root may not sound
  bool baixoLivre_ = false;  // any tone may sound lowest
  bool semPadroes_ = false;  // any strings may be silent (the shape decides)
  TonsAcorde tons_;
  int64_t passos_ = 0;
  int64_t limitePassos_ = LIMITE_PASSOS;
  std::vector<uint64_t> papeis_;  // by lugar(string, fret)
  std::vector<int64_t> notas_;    // MIDI note by lugar(string, fret)
  std::vector<char> utilizavel_;  // by string
  std::vector<int> candidato_;    // fret by string, -1 silent
  int fatorRepeticoes_ = 1;
  std::vector<std::vector<char>> padroes_;  // silent ('x') or sounding ('o') by string
  // By string, the patterns (one bit each) that allow it silent, and sounding.
  std::vector<uint32_t> padroesMudos_;
  std::vector<uint32_t> padroesSoando_;
  const std::string* nome_ = nullptr;
  ColecaoPtr<PosicaoHarmonica>* resultado_ = nullptr;
};

}  // namespace tessara
