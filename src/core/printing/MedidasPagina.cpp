#include "printing/MedidasPagina.h"

#include <cstdint>

namespace tessara {

namespace {

int arredondar(double valor) { return static_cast<int>(valor + 0.5); }

// Without a printer the preview stands on a page of this size.
constexpr TamanhoPagina PAGINA_SEM_IMPRESSORA{2400, 3141};

}  // namespace

int MedidasPagina::unidades(int n) const {
  return static_cast<int>(int64_t{n} * largura / LARGURA_REFERENCIA);
}

MedidasPagina MedidasPagina::deTamanho(int largura, int altura) {
  MedidasPagina m;
  m.largura = largura;
  m.altura = altura;
  m.margemEsquerda = m.margemDireita = m.margemSuperior = m.margemInferior = m.unidades(200);
  m.alturaDiagrama = m.unidades(420);
  m.larguraDiagrama = m.unidades(330);
  m.alturaFonteTexto = m.unidades(65);
  m.alturaFonteTitulo = m.unidades(150);
  m.alturaFonteUrl = m.unidades(100);
  return m;
}

MedidasPagina MedidasPagina::paraImpressora(TamanhoPagina pagina) {
  return deTamanho(pagina.largura, pagina.altura);
}

MedidasPagina MedidasPagina::paraVisualizacao(const std::optional<TamanhoPagina>& impressora,
                                              int zoom) {
  // The scale keeps the page's proportions and makes it 3.6 pixels wide per zoom percent.
  const bool comImpressora = impressora && impressora->largura > 0 && impressora->altura > 0;
  const TamanhoPagina pagina = comImpressora ? *impressora : PAGINA_SEM_IMPRESSORA;
  const double escala =
      comImpressora ? 35999.9921875 / pagina.largura * zoom / 10000.0 : 0.14999997 * zoom / 100.0;
  MedidasPagina m =
      deTamanho(arredondar(pagina.largura * escala), arredondar(pagina.altura * escala));
  m.larguraCaneta = arredondar(zoom * 2 * 0.01);
  m.afastamento = arredondar(zoom / 10.0);
  return m;
}

}  // namespace tessara
