#pragma once

#include "foundations/Interacao.h"

namespace tessara {

// The windowed front end: message boxes parented to the active window.
class InteracaoQt : public Interacao {
 public:
  bool mostrarMensagem(const std::string& texto, const std::string& titulo,
                       Botoes botoes = Botoes::Ok) override;
  int escolherBotao(const std::string& texto, const std::string& titulo,
                    const std::vector<std::string>& botoes) override;
  std::optional<int> escolherIdioma(const std::vector<std::string>& nomes,
                                    int selecionado) override;
  void pedirEncerramento() override;
  bool encerramentoPedido() const override { return encerrar_; }

 private:
  bool encerrar_ = false;
};

}  // namespace tessara
