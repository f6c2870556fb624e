#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SuperficieGravada.h"
#include "app/FachadaGUI.h"

namespace tessara::teste {

// The main window for tests: answers from its fields and records what it is asked to show.
class FachadaGUIGravada : public FachadaGUI {
 public:
  struct Exibicao {
    int numeroPaginas, largura, altura;
  };

  explicit FachadaGUIGravada(Interacao& interacao) : FachadaGUI(interacao) {}

  Posicoes getListaImpressao() const override { return listaImpressao; }
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
  std::string getTonicaEscolhida() const override { return tonica; }
  bool configuracaoPeloInstrumento() const override { return pelaTeclaInstrumento; }
  bool exibindoEscalas() const override { return escalas; }
  void mostrarVisualizacao() override { ++janelasVisualizacao; }

  Posicoes listaImpressao;
  std::string tonica = "C";
  bool pelaTeclaInstrumento = false;
  bool escalas = false;
  std::vector<TamanhoPagina> imagensCriadas;
  std::vector<Exibicao> exibicoes;
  int janelasVisualizacao = 0;
};

}  // namespace tessara::teste
