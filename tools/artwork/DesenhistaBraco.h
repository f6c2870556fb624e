#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "telas/GeometriaBraco.h"

namespace tessara::arte {

// One fretboard background: the picture's name and the geometry it is drawn from.
struct FundoBraco {
  std::string nome;
  int cordas;
  int orientacao;
  bool brasileiro;
};

// Draws the fretboard backgrounds and the dots the program puts on them. Every position comes
// from GeometriaBraco, the same tables the program clicks and draws dots with. Pictures are
// drawn in the program's logical pixels and stored at ESCALA times that, for high-density
// screens.
class DesenhistaBraco {
 public:
  static constexpr int ESCALA = 2;

  // The sixteen backgrounds: 6, 5 and 4 strings and the Brazilian 6-string set, each in the
  // four orientations.
  static const std::vector<FundoBraco>& fundos();
  // The background of that name, or nullptr.
  static const FundoBraco* fundo(const std::string& nome);

  QImage desenhar(const FundoBraco& fundo) const;
  // A dot of the given colour filling its square, on the colour of the fingerboard.
  QImage ponto(const QColor& cor) const;

  // Mid-tones that keep both black and white labels readable.
  static QColor vermelho() { return QColor(0xd0, 0x38, 0x30); }
  static QColor azul() { return QColor(0x3c, 0x72, 0xcc); }

 private:
  void desenharBraco(QPainter& p, const GeometriaBraco& g, int cordas) const;
};

}  // namespace tessara::arte
