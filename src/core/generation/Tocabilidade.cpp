#include "generation/Tocabilidade.h"

#include <algorithm>
#include <set>

#include "generation/Fingering.h"
#include "instruments/InstrumentoCordas.h"
#include "model/Notas.h"

namespace tessara {

namespace {

constexpr int CORDA_MUDA = 5;
constexpr int MUDA_ENTRE_SOANTES = 6;
constexpr int MUDA_ACIMA = 3;
constexpr int CASA_ALEM_DA_PRIMEIRA_POSICAO = 5;
constexpr int ULTIMA_CASA_DA_PRIMEIRA_POSICAO = 3;
constexpr int DEDOS_CRUZADOS = 8;
constexpr int BAIXO_FORA = 12;
constexpr int RAIZ_DOBRADA = 2;
constexpr int POSICAO = 2;
constexpr int CORDA_SOLTA = 1;
constexpr int ABERTURA_CONFORTAVEL = 2;  // frets the hand spans without stretching
constexpr int ESTICAR = 6;               // each fret beyond that

bool dedoDeVerdade(int dedo) { return dedo >= 1 && dedo <= 4; }

int classeDaNota(int nota) { return classeNota(nota % NUMERO_NOTAS); }

}  // namespace

int Tocabilidade::cordasMudas(const std::vector<int>& casas, bool quinta) {
  const auto soa = [](int casa) { return casa >= 0; };
  const auto primeira = std::find_if(casas.begin(), casas.end(), soa);
  const auto ultima = std::find_if(casas.rbegin(), casas.rend(), soa).base();
  int custo = 0;
  for (auto it = casas.begin(); it != casas.end(); ++it) {
    if (soa(*it)) continue;
    // The finger pressing the string below lies against this one and damps it.
    const bool abafadaPeloDedo = it != casas.begin() && *(it - 1) > 0;
    if (it >= ultima) {
      if (!quinta) custo += CORDA_MUDA + (abafadaPeloDedo ? 0 : MUDA_ACIMA);
      continue;
    }
    custo += CORDA_MUDA;
    if (it > primeira && !abafadaPeloDedo) custo += MUDA_ENTRE_SOANTES;
  }
  return custo;
}

int Tocabilidade::cruzamentos(const std::vector<int>& casas, const std::vector<int>& dedos) {
  const auto corda = [&dedos](int dedo) {
    return static_cast<size_t>(std::find(dedos.begin(), dedos.end(), dedo) - dedos.begin());
  };
  const size_t indicador = corda(1);
  const size_t medio = corda(2);
  // Beside each other, with one string between (D: 1 3 2), the fingers fall there naturally.
  const size_t vizinhas = 2;
  if (indicador >= dedos.size() || medio >= dedos.size() || casas[indicador] != casas[medio] ||
      std::max(indicador, medio) - std::min(indicador, medio) <= vizinhas) {
    return 0;
  }
  for (size_t s = std::min(indicador, medio) + 1; s < std::max(indicador, medio); ++s) {
    if (dedos[s] == 3 || dedos[s] == 4) return DEDOS_CRUZADOS;
  }
  return 0;
}

int Tocabilidade::raizes(const std::vector<int>& notas, const TonsAcorde& tons) {
  int custo = 0;
  // The lowest pitch, whichever string sounds it (a re-entrant tuning's first string is high).
  int grave = -1;
  for (const int n : notas) {
    if (n >= 0 && (grave < 0 || n < grave)) grave = n;
  }
  if (grave >= 0 && classeDaNota(grave) != classeNota(tons.baixo)) {
    custo += BAIXO_FORA;
  }
  const auto vezes = std::count_if(notas.begin(), notas.end(), [&tons](int n) {
    return n >= 0 && classeDaNota(n) == classeNota(tons.raiz);
  });
  if (vezes >= 2) custo -= RAIZ_DOBRADA;
  return custo;
}

int Tocabilidade::custo(const std::vector<int>& casas, const std::vector<int>& dedos,
                        int custoDedos, const std::vector<int>& notas, const TonsAcorde& tons) {
  int soma = 0;
  int maisAlta = 0;
  int maisBaixa = 0;
  bool solta = false;
  std::set<int> usados;
  for (size_t s = 0; s < casas.size(); ++s) {
    if (casas[s] > 0) {
      soma += casas[s];
      maisAlta = std::max(maisAlta, casas[s]);
      maisBaixa = maisBaixa == 0 ? casas[s] : std::min(maisBaixa, casas[s]);
    }
    solta = solta || casas[s] == 0;
    if (s < dedos.size() && dedoDeVerdade(dedos[s])) usados.insert(dedos[s]);
  }
  const int foraDaPosicao = solta ? CASA_ALEM_DA_PRIMEIRA_POSICAO *
                                        std::max(0, maisAlta - ULTIMA_CASA_DA_PRIMEIRA_POSICAO)
                                  : 0;
  // Open strings ring for free in the first position.
  const int soltas =
      foraDaPosicao > 0 ? 0 : static_cast<int>(std::count(casas.begin(), casas.end(), 0));
  const int abertura = maisAlta - maisBaixa;
  // The hand's position counts twice, the frets above it once each: a barre up the neck is
  // a shape like any other, only higher.
  const int pressionadas = static_cast<int>(
      std::count_if(casas.begin(), casas.end(), [](int casa) { return casa > 0; }));
  const int altura = POSICAO * maisBaixa + (soma - pressionadas * maisBaixa);
  return cordasMudas(casas, tons.soRaizEQuinta()) + altura + abertura +
         ESTICAR * std::max(0, abertura - ABERTURA_CONFORTAVEL) + static_cast<int>(usados.size()) +
         foraDaPosicao + cruzamentos(casas, dedos) + custoDedos + raizes(notas, tons) -
         CORDA_SOLTA * soltas;
}

int Tocabilidade::custo(const std::vector<int>& casas, const std::vector<int>& dedos,
                        const InstrumentoCordas& instrumento, const TonsAcorde& tons) {
  const Fingering dedilhado(casas, instrumento.getNumeroCasas());
  const auto& arranjos = dedilhado.getArranjos();
  // The cost of the arrangement shown, when the hand can make it (silent strings count as
  // no finger there).
  std::vector<int> semMudas = dedos;
  std::replace_if(
      semMudas.begin(), semMudas.end(), [](int d) { return !dedoDeVerdade(d); }, 0);
  const auto achado = std::find(arranjos.begin(), arranjos.end(), semMudas);
  const auto& custos = dedilhado.getCustos();
  const int custoDedos = achado != arranjos.end()
                             ? custos[static_cast<size_t>(achado - arranjos.begin())]
                         : custos.empty() ? 0
                                          : custos.front();
  return custo(casas, dedos, custoDedos, instrumento.getNotas(casas), tons);
}

}  // namespace tessara
