#pragma once

#include "foundations/Interacao.h"

namespace tessara {

// Front end without windows: messages go to standard error in UTF-8, questions are answered
// "no", and the chooser chooses nothing.
class InteracaoTerminal : public Interacao {
 public:
  bool mostrarMensagem(const std::string& texto, const std::string& titulo,
                       Botoes botoes = Botoes::Ok) override;
  // Nobody to answer: the last button, which cancels.
  int escolherBotao(const std::string&, const std::string&,
                    const std::vector<std::string>& botoes) override {
    return static_cast<int>(botoes.size()) - 1;
  }
  std::optional<int> escolherIdioma(const std::vector<std::string>& nomes,
                                    int selecionado) override;
  void pedirEncerramento() override { encerrar_ = true; }
  bool encerramentoPedido() const override { return encerrar_; }

 private:
  bool encerrar_ = false;
};

}  // namespace tessara
