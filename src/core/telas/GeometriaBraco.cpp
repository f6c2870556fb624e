#include "telas/GeometriaBraco.h"

#include <algorithm>

namespace tessara {

namespace {

// Fret positions, the middles between fret wires, as x in the front view.
const std::vector<int> kSeisCordas = {787, 736, 679, 620, 568, 515, 468, 425,
                                      380, 337, 296, 257, 219, 180, 143};
const std::vector<int> kSeisCordasBrasil = {787, 742, 688, 631, 576, 520, 466, 418,
                                            370, 330, 286, 248, 209, 169, 130};
const std::vector<int> kCincoCordas = {786, 742, 688, 634, 584, 535, 488, 441,
                                       396, 350, 308, 266, 223, 180, 138};
// Four strings use the same picture spacing, up to fret 12.
const std::vector<int> kQuatroCordas(kCincoCordas.begin(), kCincoCordas.begin() + 13);

// The player's view mirrors the front view about this line.
constexpr int kEspelho = 792;

int cordasComLayout(int numeroCordas) { return std::clamp(numeroCordas, 4, 6); }

}  // namespace

GeometriaBraco::GeometriaBraco(int numeroCordas, int orientacao, bool conjuntoBrasileiro)
    : orientacao_(orientacao >= 0 && orientacao < NUMERO_ORIENTACOES ? orientacao : 0),
      grupo_(grupo(numeroCordas)) {
  for (int x : tabela(numeroCordas, conjuntoBrasileiro)) {
    xCasas_.push_back(vistaFrente() ? x : kEspelho - x);
  }
  // The open strings lie at the picture's edge: their dots and labels move in to show whole.
  xCasas_[0] = std::clamp(xCasas_[0], LARGURA_MARCADOR / 2 + 1, LARGURA - LARGURA_MARCADOR / 2 - 1);
  const int cordas = cordasComLayout(numeroCordas);
  const int base = yBase(numeroCordas);
  for (int i = 0; i < SLOTS; ++i) {
    yCordas_[static_cast<size_t>(i)] =
        base + DISTANCIA_CORDAS * (cordaZeroNoTopo() ? i : cordas - 1 - i);
  }
}

int GeometriaBraco::cordaEm(int y, int numeroCordas) const {
  const int cordas = std::min(numeroCordas, SLOTS);
  for (int i = 0; i < cordas; ++i) {
    const int centro = yCordas_[static_cast<size_t>(i)];
    if (centro - RAIO_CORDA < y && y < centro + RAIO_CORDA) return i;
  }
  return -1;
}

int GeometriaBraco::casaEm(int x, int numeroPosicoes) const {
  const int posicoes = std::min(numeroPosicoes, static_cast<int>(xCasas_.size()));
  for (int i = 0; i < posicoes; ++i) {
    const int centro = xCasas_[static_cast<size_t>(i)];
    if (centro - RAIO_CASA < x && x < centro + RAIO_CASA) return i;
  }
  return -1;
}

const std::vector<int>& GeometriaBraco::tabela(int numeroCordas, bool conjuntoBrasileiro) {
  switch (cordasComLayout(numeroCordas)) {
    case 6: return conjuntoBrasileiro ? kSeisCordasBrasil : kSeisCordas;
    case 5: return kCincoCordas;
    default: return kQuatroCordas;
  }
}

int GeometriaBraco::grupo(int numeroCordas) { return 6 - cordasComLayout(numeroCordas); }

int GeometriaBraco::yBase(int numeroCordas) {
  switch (cordasComLayout(numeroCordas)) {
    case 6: return 101;
    case 5: return 113;
    default: return 126;
  }
}

}  // namespace tessara
