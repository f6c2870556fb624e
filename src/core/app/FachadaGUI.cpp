#include "FachadaGUI.h"

#include "Interacao.h"

namespace tessara {

namespace {

class FachadaSemJanelas : public FachadaGUI {
 public:
  Posicoes getListaImpressao() const override { return {}; }
  std::optional<TamanhoPagina> tamanhoPaginaImpressora() const override { return std::nullopt; }
  std::unique_ptr<SuperficieImagens> criarImagens(int, int) override { return nullptr; }
  void desenharVisualizacao(const Imagem&, int, int, int) override {}
  std::string getTonicaEscolhida() const override { return {}; }
  bool configuracaoPeloInstrumento() const override { return false; }
  bool exibindoEscalas() const override { return false; }
  void mostrarVisualizacao() override {}
};

FachadaGUI* fachadaRegistrada = nullptr;

}  // namespace

Interacao& FachadaGUI::interacao() const {
  return interacao_ != nullptr ? *interacao_ : Interacao::global();
}

int FachadaGUI::perguntarOkCancelar(const std::string& titulo, const std::string& texto) const {
  return interacao().mostrarMensagem(texto, titulo, Interacao::Botoes::OkCancelar) ? OK
                                                                                   : CANCELAR;
}

bool FachadaGUI::perguntarSimNao(const std::string& titulo, const std::string& texto) const {
  return interacao().mostrarMensagem(texto, titulo, Interacao::Botoes::SimNao);
}

FachadaGUI& FachadaGUI::global() {
  static FachadaSemJanelas semJanelas;
  return fachadaRegistrada != nullptr ? *fachadaRegistrada : semJanelas;
}

void FachadaGUI::definirGlobal(FachadaGUI* fachada) {
  fachadaRegistrada = fachada;
  FrenteImpressao::definirGlobal(fachada);
  EscolhaTonica::definirGlobal(fachada);
}

}  // namespace tessara
