#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AcordesTeste.h"
#include "chords/FolhaCifra.h"
#include "chords/GrafiaNotas.h"

namespace tessara {
namespace {

using teste::ingles;
using teste::portugues;
using G = GrafiaNotas;

// Each chord tone takes its letter from the root's and its degree.
TEST(GrafiaNotas, NotasDoAcordePelaRaizEPelaQualidade) {
  struct Caso {
    const char* acorde;
    std::vector<int> classes;
    std::vector<const char*> nomes;
  };
  const Caso casos[] = {
      {"C7", {0, 4, 7, 10}, {"C", "E", "G", "Bb"}},
      {"F#", {6, 10, 1}, {"F#", "A#", "C#"}},
      {"Gb", {6, 10, 1}, {"Gb", "Bb", "Db"}},
      {"Fm", {5, 8, 0}, {"F", "Ab", "C"}},
      {"Eb7", {3, 7, 10, 1}, {"Eb", "G", "Bb", "Db"}},
      {"C#m7", {1, 4, 8, 11}, {"C#", "E", "G#", "B"}},
      {"Cdim7", {0, 3, 6, 9}, {"C", "Eb", "Gb", "Bbb"}},
      {"C7(#9)", {3}, {"D#"}},
      {"C7(b9)", {1}, {"Db"}},
      {"Bbmaj7", {9}, {"A"}},
      {"Caug", {8}, {"G#"}},
      // Notes outside the chord take the root's side.
      {"F", {1, 8}, {"Db", "Ab"}},
      {"D", {3, 10}, {"D#", "A#"}},
  };
  for (const auto& caso : casos) {
    const int32_t codigo = Especialista::interpretar(caso.acorde, ingles());
    for (size_t i = 0; i < caso.classes.size(); ++i) {
      EXPECT_EQ(G::notaNoAcorde(codigo, caso.classes[i]), caso.nomes[i]) << caso.acorde;
    }
  }
}

TEST(GrafiaNotas, IntervalosDoAcordeNasDuasGramaticas) {
  struct Caso {
    const char* acorde;
    int classe;
    const char* ingles;
    const char* portugues;
  };
  const Caso casos[] = {
      {"C7", 0, "R", "T"},       {"C7", 4, "3", "3M"},     {"C7", 10, "b7", "7"},
      {"Cm", 3, "b3", "3m"},     {"C7(9)", 2, "9", "9"},   {"Cdim7", 9, "bb7", "6"},
      {"C6", 9, "6", "6"},       {"C7(13)", 9, "13", "6"}, {"Cmaj7", 11, "7", "7M"},
      {"C7(b5)", 6, "b5", "b5"}, {"C", 5, "4", "4"},
  };
  for (const auto& caso : casos) {
    const int32_t codigo = Especialista::interpretar(caso.acorde, ingles());
    EXPECT_EQ(G::intervaloNoAcorde(codigo, caso.classe, Gramatica::Ingles), caso.ingles)
        << caso.acorde;
    EXPECT_EQ(G::intervaloNoAcorde(codigo, caso.classe, Gramatica::Portugues), caso.portugues)
        << caso.acorde;
  }
}

TEST(GrafiaNotas, EscalasPeloTom) {
  struct Caso {
    int tonica;
    std::vector<int> semitons;
    std::vector<std::string> nomes;
  };
  const Caso casos[] = {
      {7, {0, 2, 3, 5, 7, 8, 10}, {"G", "A", "Bb", "C", "D", "Eb", "F"}},
      {5, {0, 2, 4, 5, 7, 9, 11}, {"F", "G", "A", "Bb", "C", "D", "E"}},
      {6, {0, 2, 4, 5, 7, 9, 11}, {"F#", "G#", "A#", "B", "C#", "D#", "E#"}},
      {1, {0, 2, 4, 5, 7, 9, 11}, {"Db", "Eb", "F", "Gb", "Ab", "Bb", "C"}},
      {7, {0, 2, 3, 5, 7, 8, 11}, {"G", "A", "Bb", "C", "D", "Eb", "F#"}},
      {9, {0, 3, 5, 7, 10}, {"A", "C", "D", "E", "G"}},
      {4, {0, 2, 4, 7, 9}, {"E", "F#", "G#", "B", "C#"}},
      {0, {0, 3, 5, 6, 7, 10}, {"C", "Eb", "F", "Gb", "G", "Bb"}},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(G::notasDaEscala(caso.tonica, caso.semitons), caso.nomes) << caso.tonica;
  }
}

// A scale chart's labels: the degree by the letter each note is spelled with, so Lydian's
// raised fourth is #4 and the blues' flat fifth b5; Portuguese thirds and sevenths as its
// chord labels write them; a note off the letters (chromatic) by its semitones.
TEST(GrafiaNotas, IntervalosDaEscalaPelasLetras) {
  using Rotulos = std::vector<std::string>;
  struct Caso {
    int tonica;
    std::vector<int> semitons;
    Rotulos ingles;
    Rotulos portugues;
  };
  const Caso casos[] = {
      {7, {0, 3, 5, 7, 10, 12}, {"R", "b3", "4", "5", "b7", "R"}, {"T", "3m", "4", "5", "7", "T"}},
      {0,
       {0, 2, 4, 5, 7, 9, 11},
       {"R", "2", "3", "4", "5", "6", "7"},
       {"T", "2", "3M", "4", "5", "6", "7M"}},
      {5,
       {0, 2, 4, 6, 7, 9, 11},
       {"R", "2", "3", "#4", "5", "6", "7"},
       {"T", "2", "3M", "#4", "5", "6", "7M"}},
      {9,
       {0, 1, 3, 5, 7, 8, 10},
       {"R", "b2", "b3", "4", "5", "b6", "b7"},
       {"T", "b2", "3m", "4", "5", "b6", "7"}},
      {7, {0, 3, 5, 6, 7, 10}, {"R", "b3", "4", "b5", "5", "b7"}, {"T", "3m", "4", "b5", "5", "7"}},
      {0, {0, 1, 2, 3}, {"R", "b2", "2", "b3"}, {"T", "b2", "2", "3m"}},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(G::intervalosDaEscala(caso.tonica, caso.semitons, Gramatica::Ingles), caso.ingles)
        << caso.tonica;
    EXPECT_EQ(G::intervalosDaEscala(caso.tonica, caso.semitons, Gramatica::Portugues),
              caso.portugues)
        << caso.tonica;
  }
}

// A transposed sheet lands in a key and spells its chords as that key does, in both grammars.
TEST(GrafiaNotas, CifraTranspostaPeloTomEmQueCai) {
  struct Caso {
    const char* cifra;
    int passos;
    int direcao;
    const char* esperada;
  };
  const Caso casos[] = {
      {"C Am F G", 5, Especialista::ACIMA, "F Dm Bb C"},
      {"C Am F G", 1, Especialista::ABAIXO, "B G#m E F#"},
      {"G Em C D", 3, Especialista::ABAIXO, "E C#m A B"},
      {"C G", 1, Especialista::ACIMA, "Db Ab"},
      {"Am Dm E7", 1, Especialista::ACIMA, "Bbm Ebm F7"},
      {"D/F# G A7", 2, Especialista::ABAIXO, "C/E F G7"},
      // A key line decides: F up one is F# on the sharp side.
      {"Key: F\nC G", 1, Especialista::ACIMA, "Key: F#\nC# G#"},
      {"Tom: Dm\nDm A7", 3, Especialista::ACIMA, "Tom: Fm\nFm C7"},
  };
  for (const auto* idioma : {&portugues(), &ingles()}) {
    for (const auto& caso : casos) {
      EXPECT_EQ(FolhaCifra::transporCifra(caso.cifra, caso.passos, caso.direcao, *idioma),
                caso.esperada)
          << caso.cifra << " " << caso.passos;
    }
  }
}

TEST(GrafiaNotas, TomDaCifra) {
  EXPECT_EQ(FolhaCifra::tomDaCifra("C Am F G", ingles()), 0);
  EXPECT_EQ(FolhaCifra::tomDaCifra("Em C G D", ingles()), 7);
  EXPECT_EQ(FolhaCifra::tomDaCifra("Key: Am\nF G", ingles()), 0);
  EXPECT_EQ(FolhaCifra::tomDaCifra("Bb Gm Eb F7", portugues()), 10);
}

}  // namespace
}  // namespace tessara
