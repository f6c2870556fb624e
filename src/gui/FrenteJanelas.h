#pragma once

#include <memory>
#include <optional>

#include "app/FachadaGUI.h"

namespace tessara {

class TformVisualizarImpressao;

// The windows' side of what the logic asks of the front end: questions through the program's
// message boxes, the default printer's page, the preview's pictures drawn by Qt and shown in
// the preview window.
class FrenteJanelas : public FachadaGUI {
 public:
  FrenteJanelas(Interacao& interacao, TformVisualizarImpressao& visualizacao)
      : FachadaGUI(interacao), visualizacao_(visualizacao) {}

  std::optional<TamanhoPagina> tamanhoPaginaImpressora() const override;
  std::unique_ptr<SuperficieImagens> criarImagens(int largura, int altura) override;
  void desenharVisualizacao(const Imagem& pagina, int numeroPaginas, int largura,
                            int altura) override;

 private:
  TformVisualizarImpressao& visualizacao_;
};

}  // namespace tessara
