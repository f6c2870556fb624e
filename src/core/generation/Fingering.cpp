#include "generation/Fingering.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <utility>

namespace tessara {

namespace {

// The widest fret gap between two fingers, by how many fingers apart they are (1, 2, 3).
constexpr int kAlcance[] = {0, 2, 3, 4};

}  // namespace

Fingering::Fingering(std::span<const int> casas, int numeroCasas)
    : casas_(casas.begin(), casas.end()),
      limiteCasas_(numeroCasas + 1),
      ultimaCorda_(static_cast<int>(casas.size()) - 1),
      numeroCordas_(static_cast<int>(casas.size())) {
  pestana_ = calcularPestana();
  std::vector<int> arranjo(casas_.size(), 0);
  enumerar(ordemPressionadas(), 0, 1, arranjo);

  std::vector<std::vector<int>> aceitos;
  std::vector<bool> partidas;
  for (auto& candidato : arranjos_) {
    const Posicoes p = posicoes(candidato);
    if ((pestana_ && (pestanaImpedida(candidato, p) || pestanaSobreCordaMuda(candidato))) ||
        foraDeAlcance(p)) {
      continue;
    }
    custos_.push_back(custo(p));
    partidas.push_back(pestanaPartida(candidato));
    aceitos.push_back(std::move(candidato));
  }
  std::vector<size_t> ordem(aceitos.size());
  std::iota(ordem.begin(), ordem.end(), size_t{0});
  std::stable_sort(ordem.begin(), ordem.end(), [&](size_t a, size_t b) {
    return std::pair(partidas[a], custos_[a]) < std::pair(partidas[b], custos_[b]);
  });
  arranjos_.clear();
  std::vector<int> custos;
  for (size_t i : ordem) {
    arranjos_.push_back(std::move(aceitos[i]));
    custos.push_back(custos_[i]);
  }
  custos_ = std::move(custos);
}

// The barre string is the lowest one at the lowest pressed fret; a barre is possible when no
// string from it up is open and some higher string shares its fret.
bool Fingering::calcularPestana() const {
  if (numeroCordas_ == 0) return false;
  int menor = limiteCasas_;
  int corda = ultimaCorda_;
  for (int s = ultimaCorda_; s >= 0; --s) {
    const int casa = casas_[static_cast<size_t>(s)];
    if (casa >= 1 && casa <= menor) {
      corda = s;
      menor = casa;
    }
  }
  const auto casa = [this](int s) { return casas_[static_cast<size_t>(s)]; };
  for (int s = corda; s <= ultimaCorda_; ++s) {
    if (casa(s) == 0) return false;
  }
  for (int s = corda + 1; s <= ultimaCorda_; ++s) {
    if (casa(s) == casa(corda)) return true;
  }
  return false;
}

// Pressed strings by fret, then by string.
std::vector<int> Fingering::ordemPressionadas() const {
  std::vector<int> ordem;
  for (int s = 0; s < numeroCordas_; ++s) {
    if (pressionada(casas_[static_cast<size_t>(s)])) ordem.push_back(s);
  }
  std::stable_sort(ordem.begin(), ordem.end(), [this](int a, int b) {
    return casas_[static_cast<size_t>(a)] < casas_[static_cast<size_t>(b)];
  });
  return ordem;
}

// Fingers rise strictly along the ordered strings, except that the index finger may stay on
// the next string at the same fret as a barre.
void Fingering::enumerar(const std::vector<int>& ordem, size_t profundidade, int menorDedo,
                         std::vector<int>& arranjo) {
  if (profundidade == ordem.size()) {
    arranjos_.push_back(arranjo);
    return;
  }
  const auto corda = static_cast<size_t>(ordem[profundidade]);
  const bool proximaNaMesmaCasa =
      profundidade + 1 < ordem.size() &&
      casas_[static_cast<size_t>(ordem[profundidade + 1])] == casas_[corda];
  for (int dedo = menorDedo; dedo <= NUMERO_DEDOS; ++dedo) {
    arranjo[corda] = dedo;
    const bool repete = dedo == 1 && pestana_ && proximaNaMesmaCasa;
    enumerar(ordem, profundidade + 1, repete ? dedo : dedo + 1, arranjo);
  }
  arranjo[corda] = 0;
}

Fingering::Posicoes Fingering::posicoes(const std::vector<int>& arranjo) const {
  Posicoes p(NUMERO_DEDOS + 1, -1);
  for (size_t s = 0; s < arranjo.size(); ++s) {
    if (arranjo[s] > 0) p[static_cast<size_t>(arranjo[s])] = casas_[s];
  }
  return p;
}

// A barre with the index finger cannot share its fret with another finger.
bool Fingering::pestanaImpedida(const std::vector<int>& arranjo, const Posicoes& p) const {
  if (std::count(arranjo.begin(), arranjo.end(), 1) < 2) return false;
  for (int dedo = 2; dedo <= NUMERO_DEDOS; ++dedo) {
    if (p[static_cast<size_t>(dedo)] == p[1]) return true;
  }
  return false;
}

// The index finger lying across a string that must stay silent would sound it.
bool Fingering::pestanaSobreCordaMuda(const std::vector<int>& arranjo) const {
  const auto primeira = std::find(arranjo.begin(), arranjo.end(), 1);
  if (primeira == arranjo.end()) return false;
  const auto ultima = std::find(arranjo.rbegin(), arranjo.rend(), 1).base() - 1;
  for (auto d = primeira; d < ultima; ++d) {
    if (casas_[static_cast<size_t>(d - arranjo.begin())] < 0) return true;
  }
  return false;
}

// The index finger lies across strings that are not all at its fret. A teacher shows such a
// barre only when the hand has no other way (F, Bm): any arrangement without one comes
// first (D: 1 3 2, not 1 2 1).
bool Fingering::pestanaPartida(const std::vector<int>& arranjo) const {
  const auto primeira = std::find(arranjo.begin(), arranjo.end(), 1);
  if (primeira == arranjo.end()) return false;
  const auto ultima = std::find(arranjo.rbegin(), arranjo.rend(), 1).base() - 1;
  const int casa = casas_[static_cast<size_t>(primeira - arranjo.begin())];
  for (auto d = primeira; d < ultima; ++d) {
    if (casas_[static_cast<size_t>(d - arranjo.begin())] != casa) return true;
  }
  return false;
}

bool Fingering::foraDeAlcance(const Posicoes& p) const {
  for (int i = 1; i <= NUMERO_DEDOS; ++i) {
    if (!usado(p, i)) continue;
    for (int k = i + 1; k <= NUMERO_DEDOS; ++k) {
      if (!usado(p, k)) continue;
      const int distancia = std::abs(p[static_cast<size_t>(i)] - p[static_cast<size_t>(k)]);
      if (distancia > kAlcance[k - i]) return true;
    }
  }
  return false;
}

// Zero when each finger sits one fret after the previous one used.
int Fingering::custo(const Posicoes& p) const {
  int total = 0;
  for (int i = 1; i <= NUMERO_DEDOS; ++i) {
    if (!usado(p, i)) continue;
    for (int k = i + 1; k <= NUMERO_DEDOS; ++k) {
      if (!usado(p, k)) continue;
      total += std::abs((p[static_cast<size_t>(i)] + k) - (i + p[static_cast<size_t>(k)]));
      break;
    }
  }
  return total;
}

}  // namespace tessara
