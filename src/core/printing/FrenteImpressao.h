#pragma once

#include <memory>
#include <optional>

#include "foundations/Imagem.h"
#include "printing/SuperficieImagens.h"
#include "printing/TamanhoPagina.h"

namespace tessara {

// What printing needs of the front end: the default printer's page size, the preview's
// pictures and showing one of them. The fingerings to print come with each request.
class FrenteImpressao {
 public:
  virtual ~FrenteImpressao() = default;

  // Nothing when no printer is installed.
  virtual std::optional<TamanhoPagina> tamanhoPaginaImpressora() const = 0;
  // Pictures of that size, one per page; nothing when the front end cannot draw any.
  virtual std::unique_ptr<SuperficieImagens> criarImagens(int largura, int altura) = 0;
  // Shows a preview page (the picture is `largura` x `altura`) with the number of pages.
  virtual void desenharVisualizacao(const Imagem& pagina, int numeroPaginas, int largura,
                                    int altura) = 0;
};

}  // namespace tessara
