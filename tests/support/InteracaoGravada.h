#pragma once

#include <optional>
#include <string>
#include <vector>

#include "foundations/Interacao.h"

namespace tessara::teste {

// A front end for tests: records every message and answers as it is told.
class InteracaoGravada : public Interacao {
 public:
  struct Mensagem {
    std::string texto;
    std::string titulo;
    Botoes botoes;
  };

  bool mostrarMensagem(const std::string& texto, const std::string& titulo,
                       Botoes botoes = Botoes::Ok) override {
    mensagens.push_back({texto, titulo, botoes});
    return resposta;
  }
  int escolherBotao(const std::string& texto, const std::string& titulo,
                    const std::vector<std::string>& botoes) override {
    mensagens.push_back({texto, titulo, Botoes::Ok});
    botoesOferecidos.push_back(botoes);
    return botao;
  }
  std::optional<int> escolherIdioma(const std::vector<std::string>& nomes,
                                    int selecionado) override {
    escolhasOferecidas.push_back(nomes);
    selecionadoOferecido = selecionado;
    return escolha;
  }
  void pedirEncerramento() override { encerramento = true; }
  bool encerramentoPedido() const override { return encerramento; }

  std::vector<Mensagem> mensagens;
  std::vector<std::vector<std::string>> escolhasOferecidas;
  std::vector<std::vector<std::string>> botoesOferecidos;
  int botao = 0;  // the button escolherBotao presses
  int selecionadoOferecido = -2;
  bool resposta = true;        // what questions are answered
  std::optional<int> escolha;  // what the language chooser returns
  bool encerramento = false;
};

}  // namespace tessara::teste
