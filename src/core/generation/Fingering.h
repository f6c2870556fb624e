#pragma once

#include <span>
#include <vector>

namespace tessara {

// Which finger of the fretting hand (1 index .. 4 little finger) presses each string of one
// fingering. Lists every arrangement the hand can make, a barre with the index finger
// included where one is possible (never across a silent string), drops those it cannot reach
// and orders the rest by a cost
// that prefers one finger per fret; equal costs keep the order in which they were found.
class Fingering {
 public:
  static constexpr int NUMERO_DEDOS = 4;

  // `casas`: the fret of each string (-1 not played, 0 open, 1.. pressed), lowest string
  // first; `numeroCasas`: the instrument's frets. A string is pressed at 1..numeroCasas.
  Fingering(std::span<const int> casas, int numeroCasas);

  // Cheapest first, those without a barre over a string pressed higher first of all; each has one
  // entry per string: 0 (no finger) or 1..4. Empty when the hand cannot play the frets.
  const std::vector<std::vector<int>>& getArranjos() const { return arranjos_; }
  // The cost of each arrangement, same index.
  const std::vector<int>& getCustos() const { return custos_; }
  bool temPestana() const { return pestana_; }

 private:
  // Where each finger ends up: the fret of the highest string it presses, -1 without one.
  using Posicoes = std::vector<int>;

  bool pressionada(int casa) const { return casa >= 1 && casa < limiteCasas_; }
  bool calcularPestana() const;
  std::vector<int> ordemPressionadas() const;
  void enumerar(const std::vector<int>& ordem, size_t profundidade, int menorDedo,
                std::vector<int>& arranjo);
  Posicoes posicoes(const std::vector<int>& arranjo) const;
  bool usado(const Posicoes& p, int dedo) const {
    return pressionada(p[static_cast<size_t>(dedo)]);
  }
  bool pestanaImpedida(const std::vector<int>& arranjo, const Posicoes& p) const;
  bool pestanaSobreCordaMuda(const std::vector<int>& arranjo) const;
  bool pestanaPartida(const std::vector<int>& arranjo) const;
  bool foraDeAlcance(const Posicoes& p) const;
  int custo(const Posicoes& p) const;

  std::vector<int> casas_;
  std::vector<std::vector<int>> arranjos_;
  std::vector<int> custos_;
  bool pestana_ = false;
  int limiteCasas_;
  int ultimaCorda_;
  int numeroCordas_;
};

}  // namespace tessara
