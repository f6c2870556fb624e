#include "printing/MarcasDiagrama.h"

#include <algorithm>

#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

MarcasDiagrama::MarcasDiagrama(const Grade& grade, std::span<const int> casas,
                               std::span<const int> dedos, int numeroCasas)
    : grade_(grade), casaInicial_(casaInicial(casas, numeroCasas)) {
  base_ = casaInicial_ > 0 ? casaInicial_ - 1 : 0;
  const size_t cordas = std::min({casas.size(), dedos.size(),
                                  static_cast<size_t>(std::clamp(grade.cordas, 0, MAXIMO_CORDAS))});
  casas = casas.first(cordas);
  dedos = dedos.first(cordas);
  if (casaInicial_ == 0 && cordas > 0) {
    const double meia = espessuraTrasteZero() / 2;
    trasteZero_ = Caixa{xCorda(0), grade.topo - meia, xCorda(static_cast<int>(cordas) - 1),
                        grade.topo + meia};
  }
  for (int dedo = Pestana::PRIMEIRO_DEDO; dedo <= Pestana::ULTIMO_DEDO; ++dedo) {
    const auto pestana = Pestana::doDedo(casas, dedos, dedo);
    if (!pestana) continue;
    Caixa caixa = caixaPonto(pestana->primeiraCorda, pestana->casa);
    caixa.direita = caixaPonto(pestana->ultimaCorda, pestana->casa).direita;
    pestanas_[numeroPestanas_++] = {*pestana, caixa};
  }
  const auto naPestana = [this, casas](int corda) {
    const auto pestanas = getPestanas();
    return std::any_of(pestanas.begin(), pestanas.end(), [&](const Barra& b) {
      return b.pestana.cobre(corda) && b.pestana.casa == casas[corda];
    });
  };
  for (int corda = 0; corda < static_cast<int>(cordas); ++corda) {
    const int casa = casas[corda];
    if (casa < 0 || dedos[corda] == PosicaoHarmonicaInstrumentoCordas::DEDO_ABAFADO) {
      abafadas_[numeroAbafadas_++] = {corda, caixaAcima(corda)};
    } else if (casa == 0) {
      soltas_[numeroSoltas_++] = {corda, caixaAcima(corda)};
    } else if (!naPestana(corda)) {
      pontos_[numeroPontos_++] = {corda, caixaPonto(corda, casa)};
    }
  }
}

int MarcasDiagrama::casaInicial(std::span<const int> casas, int numeroCasas) {
  const int maior = std::max(0, casas.empty() ? 0 : *std::max_element(casas.begin(), casas.end()));
  if (maior < 5) return 0;
  int menor = numeroCasas;
  for (int casa : casas) {
    if (casa > 0) menor = std::min(menor, casa);
  }
  return menor;
}

MarcasDiagrama::Caixa MarcasDiagrama::caixaPonto(int corda, int casa) const {
  const double raio = DIAMETRO_PONTO * grade_.espacoCordas / 2;
  const double y = grade_.topo + grade_.espacoCasas * (casa - base_) - grade_.espacoCasas / 2;
  return {xCorda(corda) - raio, y - raio, xCorda(corda) + raio, y + raio};
}

MarcasDiagrama::Caixa MarcasDiagrama::caixaAcima(int corda) const {
  // Clear of the nut's thickness by a quarter of a string spacing.
  const double lado = LADO_MARCA_SOLTA * grade_.espacoCordas;
  const double base = grade_.topo - espessuraTrasteZero() / 2 - 0.25 * grade_.espacoCordas;
  return {xCorda(corda) - lado / 2, base - lado, xCorda(corda) + lado / 2, base};
}

double MarcasDiagrama::espessuraTrasteZero() const {
  return std::max(ESPESSURA_TRASTE_ZERO * grade_.espacoCasas, grade_.trasteZeroMinimo);
}

}  // namespace tessara
