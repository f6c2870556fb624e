#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tessara {

// A fretted string instrument as a plain value: name (its identity), description, strings,
// frets, the widest fret span of a fingering, the General MIDI program (from 0) and the MIDI
// note of each open string, lowest-pitched string first. Values are stored unchecked.
class InstrumentoCordas final {
 public:
  // The widest a real instrument goes, with room to spare. The base file refuses an instrument
  // beyond them and the searches play nothing on one, so no file can make them run away or
  // overflow. The low ends are what a missing element reads (0); fewer than four strings
  // generate no chord, a negative span leaves only open strings.
  static constexpr int MAXIMO_CORDAS = 12;
  static constexpr int MAXIMO_CASAS = 36;
  static constexpr int MAXIMO_DISTANCIA = 12;
  static constexpr int MAXIMO_NOTA = 127;  // MIDI
  static bool cordasValidas(int n) { return n >= 0 && n <= MAXIMO_CORDAS; }
  static bool casasValidas(int n) { return n >= 0 && n <= MAXIMO_CASAS; }
  static bool distanciaValida(int n) { return n >= -MAXIMO_DISTANCIA && n <= MAXIMO_DISTANCIA; }
  static bool notaValida(int n) { return n >= 0 && n <= MAXIMO_NOTA; }

  InstrumentoCordas(std::string nome, std::string descricao, int numeroCordas, int numeroCasas,
                    int distancia, int som, std::vector<int> afinacao, bool usaBaseAcordes)
      : nome_(std::move(nome)),
        descricao_(std::move(descricao)),
        numeroCordas_(numeroCordas),
        numeroCasas_(numeroCasas),
        distancia_(distancia),
        som_(som),
        afinacao_(std::move(afinacao)),
        usaBaseAcordes_(usaBaseAcordes) {}

  // Instruments are the same when their names are the same bytes; nothing else counts.
  bool equals(const InstrumentoCordas& outro) const { return nome_ == outro.nome_; }
  bool operator==(const InstrumentoCordas& outro) const { return equals(outro); }
  bool operator!=(const InstrumentoCordas& outro) const { return !equals(outro); }

  std::string getName() const { return nome_; }
  std::string getDescricao() const { return descricao_; }
  int getNumeroCordas() const { return numeroCordas_; }
  int getNumeroCasas() const { return numeroCasas_; }
  int getDistancia() const { return distancia_; }
  int getSom() const { return som_; }
  std::vector<int> getAfinacao() const { return afinacao_; }
  bool usaBaseAcordes() const { return usaBaseAcordes_; }

  // The note of fret `casa` on string `corda`, or -1 when that place does not exist. A string
  // that a damaged instrument base left without a tuning entry is unusable: it never sounds.
  int getNota(int corda, int casa) const;
  // The note of each string at its fret (below 0: not played); -1 where it does not sound.
  std::vector<int> getNotas(const std::vector<int>& casas) const;

  // Whether string `corda` exists and has a tuning entry.
  bool cordaUtilizavel(int corda) const;

  // Whether the open strings do not rise from string 0 (the ukulele's high G): then no string
  // is the bass string.
  bool reentrante() const;
  // Strings, frets, span and every tuning note within the limits above.
  bool dentroDosLimites() const;

  // The instrument as a capo at fret `casa` shortens it: each open string that fret's note,
  // as many frets fewer (none left, or fewer than none, past the last fret), and no stored
  // chord shapes, which were made for the open strings. Fret 0 gives the instrument itself.
  InstrumentoCordas comCapo(int casa) const;

 private:
  std::string nome_;
  std::string descricao_;
  int numeroCordas_;
  int numeroCasas_;
  int distancia_;
  int som_;
  std::vector<int> afinacao_;
  bool usaBaseAcordes_;
};

}  // namespace tessara
