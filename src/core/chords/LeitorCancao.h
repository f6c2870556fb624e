#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chords/Cancao.h"
#include "chords/IdiomaAcordes.h"

namespace tessara {

// Reads a song written either way, or both at once: ChordPro (directives, chords in square
// brackets inside the lyrics) and the chord sheet's chords over lyrics, whose chord lines
// are told from lyric lines as the chord sheet tells them.
//
// A chord line directly above a line of plain lyrics becomes one line with each word of the
// chord line over the character in its column (a word that is no chord, such as "(2x)", is an
// annotation); the lyrics get blanks where a chord stands past their end. A chord line alone
// keeps its chords where they are written. A parenthesised chord ending a lyric line is a chord.
//
// Columns are counted in the CP1252 text, one byte a column: the front ends convert UTF-8 at
// the edge, so an accented letter is one column as it is on screen. A tab runs to the next
// multiple of 8, and a lyric line that carries chords has its tabs turned into blanks, so the
// chords keep their columns whichever way the song is written out.
//
// Bad lines never stop the reading: each is read as well as it can be, or left out, and
// `avisos` names it.
class LeitorCancao {
 public:
  // Longer lines are left out: no song has them, and they only make the reading slow.
  static constexpr size_t MAIOR_LINHA = 4096;

  enum class Problema {
    LinhaLonga,            // left out
    CaracterNulo,          // its NUL bytes left out
    ColcheteSemPar,        // a "[" or "]" without its pair, left out
    ChaveSemPar,           // a "{" that opens no directive, kept as lyrics
    DiretivaDesconhecida,  // kept as written
    DefinicaoInvalida,     // a "define" whose frets cannot be read, kept as written
    BlocoSemFim,           // a tab block never closed: the rest of the song kept as written
  };
  struct Aviso {
    size_t linha;  // from 1
    Problema problema;
    bool operator==(const Aviso&) const = default;
  };

  explicit LeitorCancao(IdiomaAcordes idioma) : idioma_(std::move(idioma)) {}

  Cancao ler(std::string_view texto);
  // The song's title: its title directive, or else its first line that is not blank when that
  // line is plain words (a sheet's heading, not chords, a directive or a comment); else empty.
  std::string titulo(std::string_view texto);
  const std::vector<Aviso>& avisos() const { return avisos_; }

  // Whether the text is ChordPro: a line holds a directive or a chord in square brackets.
  static bool ehChordPro(std::string_view texto, const IdiomaAcordes& idioma);
  static bool temDiretiva(std::string_view texto);
  static bool temAcordeEntreColchetes(std::string_view texto, const IdiomaAcordes& idioma);

  // A line of chords with no lyrics under it, as the song keeps it; nothing for a line that
  // is not a chord line.
  static std::optional<LinhaCancao> linhaSoAcordes(std::string_view linha,
                                                   const IdiomaAcordes& idioma);
  // A chord line and the plain lyrics under it as one line.
  static LinhaCancao linhaPareada(std::string_view acordes, std::string_view letra,
                                  const IdiomaAcordes& idioma);
  // Whether a line is plain lyrics that a chord line above it would stand over.
  static bool ehLetraSimples(std::string_view linha, const IdiomaAcordes& idioma);

 private:
  static std::optional<LinhaCancao> soAcordes(std::string_view linha, const IdiomaAcordes& idioma);

  struct Linha {
    std::string texto;
    size_t numero;
  };

  std::vector<Linha> separar(std::string_view texto);
  void lerDiretiva(std::string_view linha, size_t numero, Cancao& cancao);
  bool lerLetra(const Linha& linha, const Linha* seguinte, Cancao& cancao);
  LinhaCancao linhaLetra(std::string_view linha) const;
  void aviso(size_t linha, Problema problema) { avisos_.push_back({linha, problema}); }

  IdiomaAcordes idioma_;
  std::vector<Aviso> avisos_;
  bool emTablatura_ = false;
};

}  // namespace tessara
