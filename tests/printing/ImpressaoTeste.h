#pragma once

#include <optional>
#include <string>
#include <vector>

#include "InteracaoGravada.h"
#include "SuperficieGravada.h"
#include "chords/Especialista.h"
#include "foundations/ColecaoPtr.h"
#include "instruments/InstrumentoCordas.h"
#include "languages/GerenciadorIdiomas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"
#include "printing/FrenteImpressao.h"

namespace tessara::teste {

using Posicoes = ColecaoPtr<PosicaoHarmonicaInstrumentoCordas>;

inline InstrumentoCordas violao() {
  return InstrumentoCordas("Guitar", "", 6, 12, 3, 25, {40, 45, 50, 55, 59, 64}, true);
}

inline PosicaoHarmonicaInstrumentoCordas posicao(const std::string& nome, std::vector<int> casas,
                                                 std::vector<int> dedos) {
  return PosicaoHarmonicaInstrumentoCordas(nome, std::move(casas), std::move(dedos));
}

inline Posicoes lista(const std::vector<PosicaoHarmonicaInstrumentoCordas>& posicoes) {
  Posicoes resultado;
  for (const auto& p : posicoes) resultado.addElement(p);
  return resultado;
}

// `quantidade` copies of an open-position C.
inline Posicoes acordesDeDo(int quantidade) {
  return lista(std::vector<PosicaoHarmonicaInstrumentoCordas>(
      static_cast<size_t>(quantidade), posicao("C", {-1, 3, 2, 0, 1, 0}, {6, 3, 2, 0, 1, 0})));
}

// The English chord grammar, from the shipped language file.
struct EspecialistaTeste {
  EspecialistaTeste() { idiomas.carregarIdioma(idiomas.indiceDoCodigo("en")); }

  InteracaoGravada interacao;
  GerenciadorIdiomas idiomas{TESSARA_SOURCE_DATA, interacao};
  Especialista especialista{idiomas};
};

// The preview side of a front end: hands out recording pictures and records what it shows.
class FrenteGravada : public FrenteImpressao {
 public:
  struct Exibicao {
    int numeroPaginas, largura, altura;
  };

  std::optional<TamanhoPagina> tamanhoPaginaImpressora() const override { return tamanho; }
  std::unique_ptr<SuperficieImagens> criarImagens(int largura, int altura) override {
    imagensCriadas.push_back({largura, altura});
    return std::make_unique<SuperficieGravada>(largura, altura);
  }
  void desenharVisualizacao(const Imagem&, int numeroPaginas, int largura, int altura) override {
    exibicoes.push_back({numeroPaginas, largura, altura});
  }

  std::optional<TamanhoPagina> tamanho = TamanhoPagina{2480, 3508};  // A4 at 300 dpi
  std::vector<Exibicao> exibicoes;
  std::vector<TamanhoPagina> imagensCriadas;  // one per layout
};

}  // namespace tessara::teste
