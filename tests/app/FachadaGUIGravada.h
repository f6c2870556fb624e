#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "SuperficieGravada.h"
#include "app/FachadaGUI.h"

namespace tessara::teste {

// The windows' side for tests: a fixed printer page, recording pictures, and what it is asked
// to show.
class FachadaGUIGravada : public FachadaGUI {
 public:
  struct Exibicao {
    int numeroPaginas, largura, altura;
  };

  explicit FachadaGUIGravada(Interacao& interacao) : FachadaGUI(interacao) {}

  std::optional<TamanhoPagina> tamanhoPaginaImpressora() const override {
    return TamanhoPagina{2480, 3508};
  }
  std::unique_ptr<SuperficieImagens> criarImagens(int largura, int altura) override {
    imagensCriadas.push_back({largura, altura});
    return std::make_unique<SuperficieGravada>(largura, altura);
  }
  void desenharVisualizacao(const Imagem&, int numeroPaginas, int largura, int altura) override {
    exibicoes.push_back({numeroPaginas, largura, altura});
  }
  std::vector<TamanhoPagina> imagensCriadas;
  std::vector<Exibicao> exibicoes;
};

}  // namespace tessara::teste
