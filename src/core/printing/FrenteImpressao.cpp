#include "FrenteImpressao.h"

namespace tessara {

namespace {

class FrenteSemJanelas : public FrenteImpressao {
 public:
  Posicoes getListaImpressao() const override { return {}; }
  std::optional<TamanhoPagina> tamanhoPaginaImpressora() const override { return std::nullopt; }
  std::unique_ptr<SuperficieImagens> criarImagens(int, int) override { return nullptr; }
  void desenharVisualizacao(const Imagem&, int, int, int) override {}
};

FrenteImpressao* frenteRegistrada = nullptr;

}  // namespace

FrenteImpressao& FrenteImpressao::global() {
  static FrenteSemJanelas semJanelas;
  return frenteRegistrada != nullptr ? *frenteRegistrada : semJanelas;
}

void FrenteImpressao::definirGlobal(FrenteImpressao* frente) { frenteRegistrada = frente; }

}  // namespace tessara
