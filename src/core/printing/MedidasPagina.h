#pragma once

#include <optional>

#include "printing/TamanhoPagina.h"

namespace tessara {

// The measures of a print job's pages, in device units. Lengths are set in units of a page
// 2892 wide, so that printed pages and preview pictures at any zoom look alike; the pen and
// the gap around a diagram's grid are device units.
struct MedidasPagina {
  static constexpr int LARGURA_REFERENCIA = 2892;

  // A page of the printer's size, drawn with a pen of 2 and a gap of 10.
  static MedidasPagina paraImpressora(TamanhoPagina pagina);
  // A preview picture 360, 720 or 1080 pixels wide at zoom 100, 200 or 300, in the printer
  // page's proportions (2400 x 3141 without a printer); pen and gap grow with the zoom.
  static MedidasPagina paraVisualizacao(const std::optional<TamanhoPagina>& impressora, int zoom);

  // A length of n units on this page.
  int unidades(int n) const;

  int largura = 0;
  int altura = 0;
  int margemEsquerda = 0;
  int margemDireita = 0;
  int margemSuperior = 0;
  int margemInferior = 0;
  int alturaDiagrama = 0;
  int larguraDiagrama = 0;
  int alturaFonteTexto = 0;
  int alturaFonteTitulo = 0;
  int alturaFonteUrl = 0;
  int larguraCaneta = 2;  // fret lines and circles
  int afastamento = 10;   // between a diagram's name, its grid and its starting-fret label

 private:
  static MedidasPagina deTamanho(int largura, int altura);
};

}  // namespace tessara
