#pragma once

#include "foundations/Interacao.h"

namespace tessara {

// A front end that shows nothing, for tools, fuzzers and commands that report failures
// themselves; it only remembers whether a message or the end was asked for.
class InteracaoMuda : public Interacao {
 public:
  bool mostrarMensagem(const std::string&, const std::string&, Botoes) override {
    mensagemPedida_ = true;
    return false;
  }
  int escolherBotao(const std::string&, const std::string&,
                    const std::vector<std::string>& botoes) override {
    mensagemPedida_ = true;
    return static_cast<int>(botoes.size()) - 1;
  }
  std::optional<int> escolherIdioma(const std::vector<std::string>&, int) override {
    return std::nullopt;
  }
  void pedirEncerramento() override { encerramento_ = true; }
  bool encerramentoPedido() const override { return encerramento_; }

  bool mensagemPedida() const { return mensagemPedida_; }

 private:
  bool mensagemPedida_ = false;
  bool encerramento_ = false;
};

}  // namespace tessara
