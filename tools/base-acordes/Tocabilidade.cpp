#include "Tocabilidade.h"

#include <algorithm>
#include <set>

namespace tessara {

namespace {

constexpr int CORDA_MUDA = 5;
constexpr int MUDA_ENTRE_SOANTES = 10;
constexpr int MUDA_ACIMA = 3;
constexpr int CASA_ALEM_DA_PRIMEIRA_POSICAO = 5;
constexpr int ULTIMA_CASA_DA_PRIMEIRA_POSICAO = 3;
constexpr int DEDOS_CRUZADOS = 8;

bool dedoDeVerdade(int dedo) { return dedo >= 1 && dedo <= 4; }

}  // namespace

int Tocabilidade::cordasMudas(const std::vector<int>& casas) {
  const auto soa = [](int casa) { return casa >= 0; };
  const auto primeira = std::find_if(casas.begin(), casas.end(), soa);
  const auto ultima = std::find_if(casas.rbegin(), casas.rend(), soa).base();
  int custo = 0;
  for (auto it = casas.begin(); it != casas.end(); ++it) {
    if (soa(*it)) continue;
    custo += CORDA_MUDA;
    if (it > primeira && it < ultima) custo += MUDA_ENTRE_SOANTES;
    if (it >= ultima) custo += MUDA_ACIMA;
  }
  return custo;
}

int Tocabilidade::cruzamentos(const std::vector<int>& casas, const std::vector<int>& dedos) {
  const auto corda = [&dedos](int dedo) {
    return static_cast<size_t>(std::find(dedos.begin(), dedos.end(), dedo) - dedos.begin());
  };
  const size_t indicador = corda(1);
  const size_t medio = corda(2);
  if (indicador >= dedos.size() || medio >= dedos.size() || casas[indicador] != casas[medio]) {
    return 0;
  }
  for (size_t s = std::min(indicador, medio) + 1; s < std::max(indicador, medio); ++s) {
    if (dedos[s] == 3 || dedos[s] == 4) return DEDOS_CRUZADOS;
  }
  return 0;
}

int Tocabilidade::custo(const std::vector<int>& casas, const std::vector<int>& dedos,
                        int custoDedos) {
  int soma = 0;
  int maisAlta = 0;
  bool solta = false;
  std::set<int> usados;
  for (size_t s = 0; s < casas.size(); ++s) {
    if (casas[s] > 0) {
      soma += casas[s];
      maisAlta = std::max(maisAlta, casas[s]);
    }
    solta = solta || casas[s] == 0;
    if (dedoDeVerdade(dedos[s])) usados.insert(dedos[s]);
  }
  const int foraDaPosicao = solta ? CASA_ALEM_DA_PRIMEIRA_POSICAO *
                                        std::max(0, maisAlta - ULTIMA_CASA_DA_PRIMEIRA_POSICAO)
                                  : 0;
  return cordasMudas(casas) + soma + static_cast<int>(usados.size()) + foraDaPosicao +
         cruzamentos(casas, dedos) + custoDedos;
}

}  // namespace tessara
