#pragma once

#include "foundations/Interacao.h"

namespace tessara {

// Front end without windows: messages go to standard error in UTF-8, questions are answered
// "no", and the chooser chooses nothing.
class InteracaoTerminal : public Interacao {
 public:
  bool mostrarMensagem(const std::string& texto, const std::string& titulo,
                       Botoes botoes = Botoes::Ok) override;
  std::optional<int> escolherIdioma(const std::vector<std::string>& nomes,
                                    int selecionado) override;
  void pedirEncerramento() override { encerrar_ = true; }
  bool encerramentoPedido() const override { return encerrar_; }

 private:
  bool encerrar_ = false;
};

}  // namespace tessara
