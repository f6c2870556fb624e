#pragma once

#include <string>
#include <vector>

#include "printing/Superficie.h"

namespace tessara {

// Keeps what the layout draws, page by page, so that a preview page is painted only when it
// is shown. Text is measured on another surface, the one the pages will be painted like.
class SuperficieDiferida : public Superficie {
 public:
  explicit SuperficieDiferida(Superficie& medidor);

  void setLarguraCaneta(int largura) override;
  void linha(int x1, int y1, int x2, int y2) override;
  void elipse(int esquerda, int topo, int direita, int base) override;
  void retangulo(int esquerda, int topo, int direita, int base) override;
  void disco(int esquerda, int topo, int direita, int base) override;
  void barra(int esquerda, int topo, int direita, int base) override;
  void setFonte(const std::string& face, int altura) override;
  int larguraTexto(const std::string& texto) const override;
  int alturaTexto(const std::string& texto) const override;
  void escreverTexto(int x, int y, const std::string& texto) override;
  void setTextoClaro(bool claro) override;
  void novaPagina() override;

  // The pages begun, the one being drawn included.
  int numeroPaginas() const { return static_cast<int>(paginas_.size()); }
  // Draws page `indice` (from 0) on `destino`, with the pen and font it began with.
  void reproduzir(int indice, Superficie& destino) const;

 private:
  enum class Tipo { CANETA, LINHA, ELIPSE, RETANGULO, DISCO, BARRA, FONTE, TEXTO, CLARO };
  struct Comando {
    Tipo tipo;
    int a = 0, b = 0, c = 0, d = 0;
    std::string texto;
  };
  // What carries over a page break.
  struct Estado {
    int larguraCaneta = -1;  // not set yet
    std::string face;
    int alturaFonte = 0;
    bool claro = false;
  };
  struct Pagina {
    Estado inicio;
    std::vector<Comando> comandos;
  };

  void gravar(Tipo tipo, int a = 0, int b = 0, int c = 0, int d = 0, std::string texto = {}) {
    paginas_.back().comandos.push_back({tipo, a, b, c, d, std::move(texto)});
  }
  static void executar(const Comando& comando, Superficie& destino);

  Superficie& medidor_;
  Estado estado_;
  std::vector<Pagina> paginas_;
};

}  // namespace tessara
