#pragma once

#include <optional>
#include <string>
#include <vector>

#include "printing/Impressora.h"
#include "printing/SuperficieImagens.h"

namespace tessara::teste {

// A drawing surface for tests with fixed metrics: a text is as high as its font's character
// height and half that wide per character. It records every primitive with the pen, the font
// and the page (from 1) it was drawn with.
class SuperficieGravada : public SuperficieImagens {
 public:
  struct Texto {
    int x, y;
    std::string texto;
    std::string face;
    int altura;
    int pagina;
    bool claro = false;  // white, on a black mark
  };
  struct Linha {
    int x1, y1, x2, y2;
    int caneta;
    int pagina;
  };
  struct Elipse {
    int esquerda, topo, direita, base;
    int caneta;
    int pagina;
    int centroX() const { return (esquerda + direita) / 2; }
    int centroY() const { return (topo + base) / 2; }
  };

  SuperficieGravada(int largura = 0, int altura = 0) : largura_(largura), altura_(altura) {}

  void setLarguraCaneta(int largura) override { caneta_ = largura; }
  void linha(int x1, int y1, int x2, int y2) override;
  void elipse(int esquerda, int topo, int direita, int base) override;
  void retangulo(int esquerda, int topo, int direita, int base) override;
  void disco(int esquerda, int topo, int direita, int base) override;
  void barra(int esquerda, int topo, int direita, int base) override;
  void setTextoClaro(bool claro) override { claro_ = claro; }
  void setFonte(const std::string& face, int altura) override;
  int larguraTexto(const std::string& texto) const override;
  int alturaTexto(const std::string& texto) const override;
  void escreverTexto(int x, int y, const std::string& texto) override;
  void novaPagina() override { ++paginas; }
  // One picture per page, of the size given, without pixels.
  std::vector<Imagem> terminar() override;

  // The texts written in one face (all of them when the face is empty).
  std::vector<Texto> textosEm(const std::string& face = {}) const;
  // The texts only.
  std::vector<std::string> apenasTextos(const std::string& face = {}) const;

  std::vector<Texto> textos;
  std::vector<Linha> linhas;
  std::vector<Elipse> elipses;  // white-filled rings
  std::vector<Elipse> discos;   // black dots
  std::vector<Elipse> barras;   // black rounded bars: barres and the nut
  int retangulos = 0;
  int paginas = 1;
  // The surface raises once this many texts have been written (a failing printer).
  std::optional<int> falharAposTextos;

 private:
  int largura_;
  int altura_;
  int caneta_ = 0;
  std::string face_;
  int alturaFonte_ = 0;
  bool claro_ = false;
};

// A printer over a recording surface: answers its dialog as told, and can fail to show it.
class ImpressoraGravada : public Impressora {
 public:
  bool escolher() override;
  std::optional<TamanhoPagina> tamanhoPagina() const override { return tamanho; }
  Superficie& iniciarDocumento(const std::string& titulo) override;
  void finalizarDocumento() override { ++documentosFinalizados; }

  bool confirmar = true;
  bool falharDialogo = false;
  std::optional<TamanhoPagina> tamanho = TamanhoPagina{2892, 4000};
  SuperficieGravada superficie;
  std::vector<std::string> titulos;  // of the documents begun
  int documentosFinalizados = 0;
};

}  // namespace tessara::teste
