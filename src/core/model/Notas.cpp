#include "model/Notas.h"

#include <array>
#include <cmath>

#include "foundations/NomeIdioma.h"

namespace tessara {

namespace {

using Tabela = std::array<const char*, NUMERO_NOTAS>;

constexpr Tabela kSustenidos = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
constexpr Tabela kBemois = {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};
constexpr Tabela kIntervalos = {"T", "b9", "9", "3m", "3M", "4", "b5", "5", "#5", "6", "7", "7M"};
constexpr Tabela kEnarmonicasIngles = {"C", "C# or Db", "D", "D# or Eb", "E", "F", "F# or Gb",
                                       "G", "G# or Ab", "A", "A# or Bb", "B"};
constexpr Tabela kEnarmonicasPortugues = {"C", "C# ou Db", "D", "D# ou Eb", "E", "F", "F# ou Gb",
                                          "G", "G# ou Ab", "A", "A# ou Bb", "B"};

// Negative notes never come from callers; reduce them into the table anyway.
int classe(int n) { return ((n % NUMERO_NOTAS) + NUMERO_NOTAS) % NUMERO_NOTAS; }

const Tabela& enarmonicas(std::string_view nomeIdioma) {
  return ehIdiomaPortugues(nomeIdioma) ? kEnarmonicasPortugues : kEnarmonicasIngles;
}

}  // namespace

std::string nomeNota(int nota) { return kSustenidos[static_cast<size_t>(classe(nota))]; }

std::string nomeNotaBemol(int nota) { return kBemois[static_cast<size_t>(classe(nota))]; }

std::string nomeIntervalo(int semitons) {
  return kIntervalos[static_cast<size_t>(classe(semitons))];
}

std::string nomeNotaOitava(int nota) {
  // Scientific pitch: MIDI 60 is C4, the A above it 440 Hz.
  const int oitava =
      (nota >= 0 ? nota / NUMERO_NOTAS : (nota - (NUMERO_NOTAS - 1)) / NUMERO_NOTAS) - 1;
  return nomeNota(nota) + std::to_string(oitava);
}

std::string nomeNotaEnarmonica(int indice, std::string_view nomeIdioma) {
  if (indice < 0 || indice >= NUMERO_NOTAS) return {};
  return enarmonicas(nomeIdioma)[static_cast<size_t>(indice)];
}

int indiceNotaEnarmonica(std::string_view rotulo, std::string_view nomeIdioma) {
  const auto& tabela = enarmonicas(nomeIdioma);
  for (int i = 0; i < NUMERO_NOTAS; ++i) {
    if (rotulo == tabela[static_cast<size_t>(i)]) return i;
  }
  return -1;
}

int classeNota(int semitons) {
  const int c = classe(semitons);
  return c == 0 ? NUMERO_NOTAS : c;
}

double frequenciaDaNota(double nota, double la) { return la * std::exp2((nota - 69.0) / 12.0); }

double notaDaFrequencia(double hz, double la) { return 69.0 + 12.0 * std::log2(hz / la); }

}  // namespace tessara
