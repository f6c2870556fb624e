#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "model/Pestana.h"

namespace tessara {

// Where each mark of a printed chord diagram goes, in device units, as chord books draw them:
// a thick nut when the shape starts at the first fret, an x over each muted string and a small
// ring over each open one, a black dot per pressed string and one rounded bar per barre. The
// marks above the grid are narrower than the string spacing, so they never touch at any size.
class MarcasDiagrama {
 public:
  // Plain values, so that the marks' storage costs nothing to set up.
  struct Caixa {
    double esquerda, topo, direita, base;
    double centroX() const { return (esquerda + direita) / 2; }
    double centroY() const { return (topo + base) / 2; }
    bool sobrepoe(const Caixa& outra) const {
      return esquerda < outra.direita && outra.esquerda < direita && topo < outra.base &&
             outra.topo < base;
    }
  };
  struct Marca {
    int corda;
    Caixa caixa;
  };
  struct Barra {
    Pestana pestana;
    Caixa caixa;
  };
  // The grid: its lowest string's x, its top line's y, the spacings, the strings drawn and
  // the least thickness of the nut (it must stand out from the pen of the fret lines).
  struct Grade {
    double x, topo, espacoCasas, espacoCordas;
    int cordas;
    double trasteZeroMinimo = 0;
  };

  // Of a dot's diameter and a barre's height, in string spacings.
  static constexpr double DIAMETRO_PONTO = 0.8;
  // Of the marks above the grid, in string spacings.
  static constexpr double LADO_MARCA_SOLTA = 0.6;
  // Of the nut's thickness, in fret spacings.
  static constexpr double ESPESSURA_TRASTE_ZERO = 0.2;

  // The most strings an instrument has; marks are kept in place, a diagram being drawn often.
  static constexpr int MAXIMO_CORDAS = 12;

  MarcasDiagrama(const Grade& grade, std::span<const int> casas, std::span<const int> dedos,
                 int numeroCasas);

  // The fret the grid starts at: 0 (the nut) while every fret is below 5, else the lowest
  // fret pressed (no higher than the instrument's last fret).
  static int casaInicial(std::span<const int> casas, int numeroCasas);

  int getCasaInicial() const { return casaInicial_; }
  // The nut, drawn only when the grid starts at it.
  const std::optional<Caixa>& getTrasteZero() const { return trasteZero_; }
  std::span<const Marca> getAbafadas() const { return {abafadas_.data(), numeroAbafadas_}; }
  std::span<const Marca> getSoltas() const { return {soltas_.data(), numeroSoltas_}; }
  // The pressed strings that no barre covers.
  std::span<const Marca> getPontos() const { return {pontos_.data(), numeroPontos_}; }
  std::span<const Barra> getPestanas() const { return {pestanas_.data(), numeroPestanas_}; }
  // Where a pressed string's label goes: its dot, or its place on the barre.
  Caixa caixaPonto(int corda, int casa) const;

 private:
  Caixa caixaAcima(int corda) const;
  double espessuraTrasteZero() const;
  double xCorda(int corda) const { return grade_.x + corda * grade_.espacoCordas; }

  Grade grade_;
  int casaInicial_;
  int base_;  // the fret above the grid's first space
  std::optional<Caixa> trasteZero_;
  // Only the first `numero...` of each are set.
  std::array<Marca, MAXIMO_CORDAS> abafadas_;
  std::array<Marca, MAXIMO_CORDAS> soltas_;
  std::array<Marca, MAXIMO_CORDAS> pontos_;
  std::array<Barra, Pestana::ULTIMO_DEDO> pestanas_;
  size_t numeroAbafadas_ = 0;
  size_t numeroSoltas_ = 0;
  size_t numeroPontos_ = 0;
  size_t numeroPestanas_ = 0;
};

}  // namespace tessara
