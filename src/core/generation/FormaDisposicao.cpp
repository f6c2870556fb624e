#include "generation/FormaDisposicao.h"

#include <algorithm>
#include <array>

#include "model/Notas.h"

namespace tessara {

namespace {

constexpr int OITAVA = 12;
constexpr size_t VOZES_DROP = 4;
constexpr size_t VOZES_SHELL = 3;

// The first and the last sounding string, and how many sound; -1 and 0 for none.
struct Extensao {
  int primeira = -1;
  int ultima = -1;
  size_t soando = 0;
};

Extensao extensao(std::span<const int> notas) {
  Extensao e;
  for (int corda = 0; corda < static_cast<int>(notas.size()); ++corda) {
    if (notas[static_cast<size_t>(corda)] < 0) continue;
    if (e.primeira < 0) e.primeira = corda;
    e.ultima = corda;
    ++e.soando;
  }
  return e;
}

}  // namespace

bool FormaDisposicao::admite(Disposicao disposicao, std::span<const int> notas,
                             const TonsAcorde& tons) {
  switch (disposicao.tipo()) {
    case Disposicao::DROP2: return drop(notas, 2);
    case Disposicao::DROP3: return drop(notas, 3);
    case Disposicao::SHELL: return shell(notas, tons);
    default: return true;
  }
}

// Taking the lowest voice up an octave must give a close voicing of four different notes in
// which it is the `vozDoTopo`-th voice from the top.
bool FormaDisposicao::drop(std::span<const int> notas, int vozDoTopo) {
  const Extensao e = extensao(notas);
  if (e.soando != VOZES_DROP || e.ultima - e.primeira + 1 != static_cast<int>(VOZES_DROP)) {
    return false;
  }
  std::array<int, VOZES_DROP> vozes{};
  std::copy(notas.begin() + e.primeira, notas.begin() + e.ultima + 1, vozes.begin());
  std::sort(vozes.begin(), vozes.end());
  const int levada = vozes[0] + OITAVA;
  std::array<int, VOZES_DROP> fechada = {vozes[1], vozes[2], vozes[3], levada};
  std::sort(fechada.begin(), fechada.end());
  if (std::adjacent_find(fechada.begin(), fechada.end()) != fechada.end()) return false;
  if (fechada.back() - fechada.front() >= OITAVA) return false;
  return fechada[VOZES_DROP - static_cast<size_t>(vozDoTopo)] == levada;
}

bool FormaDisposicao::shell(std::span<const int> notas, const TonsAcorde& tons) {
  const Extensao e = extensao(notas);
  if (e.soando != VOZES_SHELL ||
      e.ultima - e.primeira + 1 > static_cast<int>(VOZES_SHELL) + MAXIMO_MUDAS_SHELL) {
    return false;
  }
  std::array<bool, NUMERO_NOTAS + 1> presente{};
  for (const int nota : notas) {
    if (nota >= 0) presente[static_cast<size_t>(classeNota(nota % NUMERO_NOTAS))] = true;
  }
  return presente[static_cast<size_t>(tons.raiz)] && presente[static_cast<size_t>(tons.terca)] &&
         tons.setima != 0 && presente[static_cast<size_t>(tons.setima)];
}

}  // namespace tessara
