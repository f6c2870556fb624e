#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/CabecalhoCancao.h"

namespace tessara {

// The print list as a file: a songbook of chord names and their frets, one per line, under
// song headings. Read and written as UTF-8; the texts here are CP1252.
//
//   # Tessara songbook
//   = Garota de Ipanema
//   key: F
//   capo: 2
//   1x221x F7M
//   x-10-12-12-11-x G7M
//
// A line "= title" opens a song, "key:" and "capo:" under it describe it, "| text" is a line of
// its sheet (chords over lyrics), kept as it stands; every other line
// is the frets (one character a string, x silent, or numbers joined by "-" when a fret has two
// digits) and, after a blank, the name. Blank lines and lines starting with "#" are comments.
class Cancioneiro {
 public:
  static constexpr size_t MAIOR_LINHA = 4096;
  static constexpr int MAXIMO_CORDAS = 12;
  static constexpr int MAIOR_CASA = 36;

  struct Entrada {
    std::string nome;
    std::vector<int> casas;  // from the lowest string; -1 silent
    int musica = -1;         // index in musicas(), -1 outside any song
    bool operator==(const Entrada&) const = default;
  };

  std::vector<CabecalhoCancao>& musicas() { return musicas_; }
  const std::vector<CabecalhoCancao>& musicas() const { return musicas_; }
  std::vector<Entrada>& entradas() { return entradas_; }
  const std::vector<Entrada>& entradas() const { return entradas_; }

  // Songs are written where their entries start; a song without entries is left out.
  std::string escrever() const;
  // Reads what it can; the numbers (from 1) of the lines it could not read go to `ignoradas`.
  static Cancioneiro ler(std::string_view texto, std::vector<size_t>* ignoradas = nullptr);

  static std::string escreverCasas(const std::vector<int>& casas);
  // Empty when the token is not frets this format writes.
  static std::vector<int> lerCasas(std::string_view token);

  bool operator==(const Cancioneiro&) const = default;

 private:
  // False when the line cannot be read.
  bool lerLinha(std::string_view linha);
  // The sheet as "| " lines.
  static std::string linhasLetra(std::string_view letra);

  std::vector<CabecalhoCancao> musicas_;
  std::vector<Entrada> entradas_;
};

}  // namespace tessara
