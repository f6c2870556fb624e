#pragma once

#include <optional>
#include <vector>

#include "model/Pestana.h"

namespace tessara {

// Where each mark of a printed chord diagram goes, in device units, as chord books draw them:
// a thick nut when the shape starts at the first fret, an x over each muted string and a small
// ring over each open one, a black dot per pressed string and one rounded bar per barre. The
// marks above the grid are narrower than the string spacing, so they never touch at any size.
class MarcasDiagrama {
 public:
  struct Caixa {
    double esquerda = 0, topo = 0, direita = 0, base = 0;
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

  MarcasDiagrama(const Grade& grade, const std::vector<int>& casas, const std::vector<int>& dedos,
                 int numeroCasas);

  // The fret the grid starts at: 0 (the nut) while every fret is below 5, else the lowest
  // fret pressed (no higher than the instrument's last fret).
  static int casaInicial(const std::vector<int>& casas, int numeroCasas);

  int getCasaInicial() const { return casaInicial_; }
  // The nut, drawn only when the grid starts at it.
  const std::optional<Caixa>& getTrasteZero() const { return trasteZero_; }
  const std::vector<Marca>& getAbafadas() const { return abafadas_; }
  const std::vector<Marca>& getSoltas() const { return soltas_; }
  // The pressed strings that no barre covers.
  const std::vector<Marca>& getPontos() const { return pontos_; }
  const std::vector<Barra>& getPestanas() const { return pestanas_; }
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
  std::vector<Marca> abafadas_;
  std::vector<Marca> soltas_;
  std::vector<Marca> pontos_;
  std::vector<Barra> pestanas_;
};

}  // namespace tessara
