#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chords/IdiomaAcordes.h"

namespace tessara {

// What stands over a lyric line: a chord, or a note among the chords ("x2", "Intro:"), which
// ChordPro writes as an annotation ("[*x2]").
struct MarcaLetra {
  size_t posicao = 0;  // the byte of the line's text it stands over
  std::string texto;   // as written: "Am", "(Am)", "x2"
  bool anotacao = false;

  bool operator==(const MarcaLetra&) const = default;
};

// One line of a song.
struct LinhaCancao {
  enum class Tipo {
    Letra,     // lyrics (possibly none) and the marks over them
    Diretiva,  // "{nome: valor}"
    Literal,   // kept byte for byte: tab blocks, "#" comments, unknown directives
  };
  Tipo tipo = Tipo::Letra;
  std::string texto;  // Letra: the lyrics; Literal: the line; Diretiva: the value
  std::vector<MarcaLetra> marcas;
  std::string nome;  // Diretiva: the name as written ("t", "soc")
  bool temValor = false;

  bool operator==(const LinhaCancao&) const = default;
};

// A chord's frets as a song defines them ("{define: Am base-fret 1 frets x 0 2 2 1 0}").
struct DefinicaoAcorde {
  std::string nome;
  int casaBase = 1;
  std::vector<int> casas;  // from the lowest string; -1 silent, 0 open, else relative to casaBase
  std::vector<int> dedos;  // empty when not given

  // The frets counted from the nut, as a fingering holds them.
  std::vector<int> casasAbsolutas() const;
  bool operator==(const DefinicaoAcorde&) const = default;
};

// A song as ChordPro describes it: its lines in order, directives among them. Texts are
// CP1252; a column is one byte, except a tab, which runs to the next multiple of 8.
class Cancao {
 public:
  static constexpr size_t TAMANHO_TAB = 8;

  // The text with each tab turned into blanks up to the next column that is a multiple of
  // TAMANHO_TAB; `posicoes` (bytes of the text, ascending) are moved to where they land.
  static std::string semTabs(std::string_view texto, std::vector<size_t>* posicoes = nullptr);

  std::vector<LinhaCancao>& linhas() { return linhas_; }
  const std::vector<LinhaCancao>& linhas() const { return linhas_; }

  // The long name of a directive ("t" -> "title"); the name itself, in small letters, when it
  // has no short form. Empty for a directive this system does not know.
  static std::string nomeCompleto(std::string_view nome);

  // The value of the first directive of that long name ("title", "key", "capo"...).
  std::optional<std::string> valor(std::string_view nomeCompleto) const;
  // Sets the first directive of that name, or adds one after the leading directives; an empty
  // value removes it.
  void definirValor(const std::string& nomeCompleto, const std::string& valor);
  // The capo's fret, 0 without one (or with one that is not a number).
  int capo() const;

  // The chords over its lines, in order, as written (parentheses around them set aside).
  std::vector<std::string> acordes(const IdiomaAcordes& idioma) const;

  // The chords the song defines, in order; a definition that cannot be read is left out.
  std::vector<DefinicaoAcorde> definicoes() const;
  static std::optional<DefinicaoAcorde> lerDefinicao(std::string_view valor);

  bool operator==(const Cancao&) const = default;

 private:
  std::vector<LinhaCancao> linhas_;
};

}  // namespace tessara
