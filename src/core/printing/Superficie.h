#pragma once

#include <string>

namespace tessara {

// What the print layout draws on: a printer page or a preview picture. Coordinates and sizes
// are device units (printer dots or picture pixels), y growing downwards; texts are CP1252.
// Pen and font stay as set across new pages.
class Superficie {
 public:
  virtual ~Superficie() = default;

  virtual void setLarguraCaneta(int largura) = 0;
  virtual void linha(int x1, int y1, int x2, int y2) = 0;
  // Black outline on a white interior, which covers whatever was drawn beneath.
  virtual void elipse(int esquerda, int topo, int direita, int base) = 0;
  // The outline only.
  virtual void retangulo(int esquerda, int topo, int direita, int base) = 0;
  // Filled black, without outline: a pressed string's dot.
  virtual void disco(int esquerda, int topo, int direita, int base) = 0;
  // Filled black with ends rounded by half its height: a barre, or the thick nut.
  virtual void barra(int esquerda, int topo, int direita, int base) = 0;

  // Typeface "Courier New", "Times New Roman" or "Arial"; the height is the character height.
  virtual void setFonte(const std::string& face, int altura) = 0;
  virtual int larguraTexto(const std::string& texto) const = 0;
  // The height of a line of text in the current font.
  virtual int alturaTexto(const std::string& texto) const = 0;
  // The text with the top-left corner of its line at (x, y).
  virtual void escreverTexto(int x, int y, const std::string& texto) = 0;
  // White text, for labels on the black marks; black otherwise.
  virtual void setTextoClaro(bool claro) = 0;

  virtual void novaPagina() = 0;
};

}  // namespace tessara
