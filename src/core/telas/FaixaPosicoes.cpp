#include "telas/FaixaPosicoes.h"

#include <algorithm>

#include "app/Fachada.h"

namespace tessara {

namespace {

bool mesmas(const std::vector<PosicaoHarmonicaInstrumentoCordas>& a,
            const std::vector<PosicaoHarmonicaInstrumentoCordas>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.getChave() == y.getChave() && x.getNome() == y.getNome();
  });
}

}  // namespace

bool FaixaPosicoes::esvaziar() {
  atual_ = -1;
  if (posicoes_.empty()) return false;
  posicoes_.clear();
  return true;
}

bool FaixaPosicoes::atualizar(bool acordeNaTela) {
  if (!acordeNaTela || fachada_.getIndiceAcordeAtual() == -1 || !fachada_.acordeTemPosicao()) {
    return esvaziar();
  }
  fachada_.completarPosicoesAcorde();
  auto posicoes = fachada_.getPosicoesAcordeAtual();
  atual_ = std::clamp(fachada_.getIndicePosicaoAtual(), 0,
                      std::max(0, static_cast<int>(posicoes.size()) - 1));
  if (mesmas(posicoes, posicoes_)) return false;
  posicoes_ = std::move(posicoes);
  return true;
}

VistaAcorde FaixaPosicoes::escolher(int indice) {
  if (indice < 0 || indice >= tamanho()) return {};
  VistaAcorde vista = fachada_.escolherPosicao(indice);
  if (vista.aceito) atual_ = vista.indicePosicao;
  return vista;
}

}  // namespace tessara
