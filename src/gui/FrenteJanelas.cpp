#include "FrenteJanelas.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "TformVisualizarImpressao.h"
#include "qt/ImpressoraQt.h"
#include "qt/SuperficieImagensQt.h"

namespace tessara {

std::optional<TamanhoPagina> FrenteJanelas::tamanhoPaginaImpressora() const {
  // Without a printer the job becomes an A4 PDF file: the preview shows that page.
  const QPrinterInfo padrao = QPrinterInfo::defaultPrinter();
  if (padrao.isNull()) return ImpressoraQt::paginaPdf();
  const QPrinter impressora(padrao, QPrinter::HighResolution);
  if (impressora.width() <= 0 || impressora.height() <= 0) return ImpressoraQt::paginaPdf();
  return TamanhoPagina{impressora.width(), impressora.height()};
}

std::unique_ptr<SuperficieImagens> FrenteJanelas::criarImagens(int largura, int altura) {
  return std::make_unique<SuperficieImagensQt>(largura, altura);
}

void FrenteJanelas::desenharVisualizacao(const Imagem& pagina, int numeroPaginas, int largura,
                                         int altura) {
  visualizacao_.desenhar(pagina, numeroPaginas, largura, altura);
}

}  // namespace tessara
