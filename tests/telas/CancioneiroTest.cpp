#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "telas/Cancioneiro.h"

namespace tessara {
namespace {

using namespace std::string_literals;
using Linhas = std::vector<size_t>;

Cancioneiro cancioneiro(std::vector<CabecalhoCancao> musicas,
                        std::vector<Cancioneiro::Entrada> entradas) {
  Cancioneiro c;
  c.musicas() = std::move(musicas);
  c.entradas() = std::move(entradas);
  return c;
}

// What is written reads back as the same songbook, and writing that again gives the same bytes.
TEST(CancioneiroTest, RoundTripKeepsSongsNamesAndFrets) {
  struct Caso {
    const char* descricao;
    Cancioneiro original;
    const char* escrito;  // what the file holds, after the header line
  };
  const Caso casos[] = {
      {"chords outside any song",
       cancioneiro({}, {{"C", {-1, 3, 2, 0, 1, 0}, -1}, {"G", {3, 2, 0, 0, 0, 3}, -1}}),
       "x32010 C\n320003 G\n"},
      {"two songs, key and capo in the heading",
       cancioneiro({{"Wave", "D", 0}, {"Garota", "F", 2}},
                   {{"D7M", {-1, -1, 0, 2, 2, 2}, 0}, {"F7M", {1, -1, 2, 2, 1, -1}, 1}}),
       "= Wave\nkey: D\nxx0222 D7M\n= Garota\nkey: F\ncapo: 2\n1x221x F7M\n"},
      {"frets past 9 joined by dashes", cancioneiro({}, {{"G7M/B", {-1, 10, 12, 12, 11, -1}, -1}}),
       "x-10-12-12-11-x G7M/B\n"},
      {"a song with a key and no title, then lines outside it",
       cancioneiro({{"", "Em", 0}},
                   {{"Em", {0, 2, 2, 0, 0, 0}, 0}, {"Am", {-1, 0, 2, 2, 1, 0}, -1}}),
       "=\nkey: Em\n022000 Em\n=\nx02210 Am\n"},
      {"names with blanks and accents, a four-string instrument",
       cancioneiro({{"Can\xE7\xE3o do mar", "", 1}}, {{"D maior", {2, 2, 2, 0}, 0}}),
       "= Canção do mar\ncapo: 1\n2220 D maior\n"},
      {"a song's sheet kept as it stands: blanks, a blank line, a bar",
       cancioneiro({{"Wave", "D", 0, "   D7M      Bbdim\nVou te contar\n\n| intro |\n"}},
                   {{"D7M", {-1, -1, 0, 2, 2, 2}, 0}}),
       "= Wave\nkey: D\n|    D7M      Bbdim\n| Vou te contar\n|\n| | intro |\nxx0222 D7M\n"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.descricao);
    // The file is UTF-8; the core's texts are CP1252.
    const std::string escrito = caso.original.escrever();
    std::string esperado = std::string("# Tessara songbook\n") + caso.escrito;
    EXPECT_EQ(escrito, esperado);
    Linhas ignoradas;
    const Cancioneiro lido = Cancioneiro::ler(escrito, &ignoradas);
    EXPECT_TRUE(ignoradas.empty());
    EXPECT_EQ(lido, caso.original);
    EXPECT_EQ(lido.escrever(), escrito);
  }
}

// A damaged file gives what can be read, and names the lines left out.
TEST(CancioneiroTest, DamagedLinesAreLeftOutAndNamed) {
  struct Caso {
    const char* descricao;
    std::string texto;
    std::vector<std::string> nomes;
    Linhas ignoradas;
  };
  const Caso casos[] = {
      {"frets not frets", "x32010 C\nxyz G\n320003 G\n", {"C", "G"}, {2}},
      {"frets without a name", "x32010\n320003 G", {"G"}, {1}},
      {"a fret beyond the last", "x32010 C\n0-2-2-37-0-0 E\n", {"C"}, {2}},
      {"more strings than any instrument", "0000000000000 X\nx02210 Am\n", {"Am"}, {1}},
      {"a key with no song", "key: G\nx02210 Am\n", {"Am"}, {1}},
      {"a sheet's line with no song", "| Am   G\nx02210 Am\n", {"Am"}, {1}},
      {"a capo that is no number", "= S\ncapo: two\nx02210 Am\n", {"Am"}, {2}},
      {"NUL bytes", "x32010 C\n3200\0 03 G\n022000 Em\n"s, {"C", "Em"}, {2}},
      {"a line far too long",
       "x32010 C\n320003 " + std::string(5000, 'G') + "\n022000 Em\n",
       {"C", "Em"},
       {2}},
      {"Windows line ends and no header", "x32010 C\r\n022000 Em\r\n", {"C", "Em"}, {}},
      {"cut short in the middle of a line", "x32010 C\n0220", {"C"}, {2}},
      {"empty", "", {}, {}},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.descricao);
    Linhas ignoradas;
    const Cancioneiro lido = Cancioneiro::ler(caso.texto, &ignoradas);
    std::vector<std::string> nomes;
    for (const auto& entrada : lido.entradas()) nomes.push_back(entrada.nome);
    EXPECT_EQ(nomes, caso.nomes);
    EXPECT_EQ(ignoradas, caso.ignoradas);
  }
}

// A sheet's line ending in stray carriage returns (a file passed between systems) loses them,
// so what is written reads back as the same song.
TEST(CancioneiroTest, StrayCarriageReturnsLeaveASheetLine) {
  const Cancioneiro lido = Cancioneiro::ler("= S\r\n| Am  G\r\r\n|\r\r\nx02210 Am\r\n");
  ASSERT_EQ(lido.musicas().size(), 1u);
  EXPECT_EQ(lido.musicas()[0].letra, "Am  G\n\n");
  Linhas ignoradas;
  const Cancioneiro relido = Cancioneiro::ler(lido.escrever(), &ignoradas);
  EXPECT_TRUE(ignoradas.empty());
  EXPECT_EQ(relido, lido);
}

TEST(CancioneiroTest, ALatinOneFileReadsAsWellAsUtf8) {
  const Cancioneiro lido = Cancioneiro::ler("= Can\xE7\xE3o\n2220 D\n");
  ASSERT_EQ(lido.musicas().size(), 1u);
  EXPECT_EQ(lido.musicas()[0].titulo, "Can\xE7\xE3o");
}

}  // namespace
}  // namespace tessara
