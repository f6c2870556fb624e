#include "app/FachadaGUI.h"

#include "foundations/Interacao.h"

namespace tessara {

namespace {

class FachadaSemJanelas : public FachadaGUI {
 public:
  using FachadaGUI::FachadaGUI;

  std::optional<TamanhoPagina> tamanhoPaginaImpressora() const override { return std::nullopt; }
  std::unique_ptr<SuperficieImagens> criarImagens(int, int) override { return nullptr; }
  void desenharVisualizacao(const Imagem&, int, int, int) override {}
};

}  // namespace

std::unique_ptr<FachadaGUI> FachadaGUI::semJanelas(Interacao& interacao) {
  return std::make_unique<FachadaSemJanelas>(interacao);
}

int FachadaGUI::perguntarOkCancelar(const std::string& titulo, const std::string& texto) const {
  return interacao_.mostrarMensagem(texto, titulo, Interacao::Botoes::OkCancelar) ? OK : CANCELAR;
}

int FachadaGUI::perguntarBotoes(const std::string& titulo, const std::string& texto,
                                const std::vector<std::string>& botoes) const {
  return interacao_.escolherBotao(texto, titulo, botoes);
}

bool FachadaGUI::perguntarSimNao(const std::string& titulo, const std::string& texto) const {
  return interacao_.mostrarMensagem(texto, titulo, Interacao::Botoes::SimNao);
}

}  // namespace tessara
