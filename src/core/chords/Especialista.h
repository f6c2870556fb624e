#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chords/IdiomaAcordes.h"
#include "model/Notas.h"

namespace tessara {

class Textos;

// What the system knows of chord names: reads a name into a chord code, writes the canonical
// name of a code, names the notes a fingering plays, transposes names.
//
// A chord code has 32 bits: the root's written-name index in bits 31..27, one flag per degree
// g (0..21) in bit 26 - g, and the bass's written-name index + 1 in bits 4..0 (0: no bass).
// A degree g stands for g + 1 semitones above the root (g + 2 from g = 11 on: the octave has
// no degree).
//
// The operations that depend on a language take it as an argument; the process-wide instance
// adds overloads that use the language loaded in its language manager.
class Especialista {
 public:
  static constexpr int NUMERO_GRAFIAS = 17;  // written note names "C", "C#", "Db", ... "B"
  static constexpr int NUMERO_GRAUS = 22;
  static constexpr int ACIMA = 0;   // transposition up, written with sharps
  static constexpr int ABAIXO = 1;  // transposition down, written with flats

  explicit Especialista(const Textos& idiomas) : idiomas_(idiomas) {}

  // Written note names: the name and the pitch class (C = 0) of an index 0..16; outside that
  // range the empty text and -1. `grafiaDaClasse` gives the sharp spelling of a pitch class
  // (any integer, reduced to 0..11).
  static const std::string& nomeGrafia(int indice);
  static int classeGrafia(int indice);
  static int grafiaDaClasse(int classe);

  // The chord code's fields. Setting a degree folds it first: a second is stored as the ninth,
  // a tenth as the third, a twelfth as the fifth, a fourteenth as the seventh.
  static int getRaiz(int32_t codigo) {
    return static_cast<int>(static_cast<uint32_t>(codigo) >> 27);
  }
  static int getBaixo(int32_t codigo) { return (codigo & 31) - 1; }
  static bool temGrau(int32_t codigo, int grau);
  static int32_t setRaiz(int32_t codigo, int raiz);
  static int32_t setBaixo(int32_t codigo, int baixo);
  static int32_t setGrau(int32_t codigo, int grau, bool ligado);
  static int getClasseRaiz(int32_t codigo) { return classeGrafia(getRaiz(codigo)); }

  // The index of the written name equal to the whole text, ignoring letter case;
  // RaizNaoEncontradaException otherwise.
  static int lerRaiz(std::string_view texto, const IdiomaAcordes& idioma);

  // The code of a chord name in the language's grammar. RaizNaoEncontradaException for an
  // unknown root, DataFormatException (carrying the whole name) for anything else refused.
  static int32_t interpretar(std::string_view nome, const IdiomaAcordes& idioma);
  // True when `interpretar` would accept the name; never raises.
  static bool ehNomeDeAcorde(std::string_view nome, const IdiomaAcordes& idioma);

  // The canonical name of a code, which the same grammar reads back as that code.
  static std::string nomear(int32_t codigo, Gramatica gramatica);

  // The chord that the notes of a fingering sound around a root note (MIDI numbers, one per
  // string from the lowest; negative: a silent string). RaizNaoEncontradaException without a
  // root (a negative one).
  static int32_t codigoDasNotas(std::span<const int> notas, int raiz, const IdiomaAcordes& idioma);

  // The name of a sound of one or two pitch classes, which is no chord: a single note is named
  // by the note, two by the interval above the root ("C-E (M3)"). Empty from three pitch
  // classes on, and for a root with its fifth, which is the power chord ("C5").
  static std::string nomePoucasNotas(std::span<const int> notas, int raiz, Gramatica gramatica);

  // Every reading of a fingering's notes: one code per sounding pitch class taken as the root
  // (its lowest note), the simplest first by `custoLeitura`; equal costs keep the order of the
  // strings, lowest first. Empty when no string sounds.
  static std::vector<int32_t> leituras(std::span<const int> notas, const IdiomaAcordes& idioma);

  // How far a reading is from what a player calls a plain chord; 0 for a major, minor,
  // diminished or augmented triad, alone or with one seventh (the diminished seventh too),
  // root in the bass. Added: 2 for each further degree (a tension, a sixth or fourth, a fifth
  // that makes no plain triad with the third, a second third or seventh), 4 without a third,
  // 1 for a bass that is not the root.
  static int custoLeitura(int32_t codigo);

  // The name moved by semitone steps, up (ACIMA, with sharps) or down (ABAIXO, with flats):
  // the root and the bass are rewritten, everything else is kept as written. Raises what
  // `interpretar` raises.
  static std::string transpor(std::string_view nome, int passos, int direcao,
                              const IdiomaAcordes& idioma);

  // The name moved by semitones (any sign), its root and bass written as `grafias` (written
  // name by pitch class, C = 0) spells them: a sheet moved into a key spells its chords so.
  static std::string transporNoTom(std::string_view nome, int semitons,
                                   const std::array<int, NUMERO_NOTAS>& grafias,
                                   const IdiomaAcordes& idioma);

  // True when the name's second character is "b": its notes are labelled with flats.
  static bool usaBemol(std::string_view nome) { return nome.size() >= 2 && nome[1] == 'b'; }

  // The same operations in the language now loaded.
  IdiomaAcordes idiomaAtual() const;
  int lerRaiz(std::string_view texto) const { return lerRaiz(texto, idiomaAtual()); }
  int32_t interpretar(std::string_view nome) const { return interpretar(nome, idiomaAtual()); }
  std::string nomear(int32_t codigo) const { return nomear(codigo, idiomaAtual().gramatica); }
  int32_t codigoDasNotas(std::span<const int> notas, int raiz) const {
    return codigoDasNotas(notas, raiz, idiomaAtual());
  }
  std::vector<int32_t> leituras(std::span<const int> notas) const {
    return leituras(notas, idiomaAtual());
  }
  std::string transpor(std::string_view nome, int passos, int direcao) const {
    return transpor(nome, passos, direcao, idiomaAtual());
  }

 private:
  // The name with its root and bass (-1: none) written anew, the rest as it was.
  static std::string reescrever(std::string_view nome, size_t fimRaiz, size_t inicioBaixo, int raiz,
                                int baixo);

  const Textos& idiomas_;
};

}  // namespace tessara
