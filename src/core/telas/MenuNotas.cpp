#include "telas/MenuNotas.h"

#include <cmath>
#include <utility>

#include "model/Notas.h"

namespace tessara {

namespace {

constexpr int INDICE_LA = 9;
constexpr double FREQUENCIA_LA4 = 440;       // Hz
constexpr int PRIMEIRA_OITAVA_NUMERADA = 1;  // the menu's first octave is C1's

}  // namespace

MenuNotas::MenuNotas(std::string grave, std::string media, std::string aguda)
    : grave_(std::move(grave)), media_(std::move(media)), aguda_(std::move(aguda)) {}

std::string MenuNotas::rotuloOitava(int oitava) const {
  const int numero = oitava + PRIMEIRA_OITAVA_NUMERADA;
  const std::string& nome = numero <= 3 ? grave_ : numero == 4 ? media_ : aguda_;
  return nome + " (" + std::to_string(numero) + ")";
}

std::string MenuNotas::frequencia(int oitava, int indiceNota) {
  if (indiceNota != INDICE_LA) return {};
  const double hz = FREQUENCIA_LA4 * std::pow(2.0, oitava + PRIMEIRA_OITAVA_NUMERADA - 4);
  return " - " + std::to_string(static_cast<int>(hz)) + "Hz";
}

std::vector<MenuNotas::Grupo> MenuNotas::porNota() const {
  std::vector<Grupo> grupos;
  for (int i = 0; i < NOTAS_OITAVA; ++i) {
    Grupo grupo{nomeNota(i), {}};
    for (int j = 0; j < OITAVAS; ++j) {
      grupo.escolhas.push_back({rotuloOitava(j) + frequencia(j, i), nota(j, i)});
    }
    grupos.push_back(std::move(grupo));
  }
  return grupos;
}

std::vector<MenuNotas::Grupo> MenuNotas::porOitava() const {
  std::vector<Grupo> grupos;
  for (int j = 0; j < OITAVAS; ++j) {
    Grupo grupo{rotuloOitava(j), {}};
    for (int i = 0; i < NOTAS_OITAVA; ++i) {
      grupo.escolhas.push_back({nomeNota(i) + frequencia(j, i), nota(j, i)});
    }
    grupos.push_back(std::move(grupo));
  }
  return grupos;
}

}  // namespace tessara
