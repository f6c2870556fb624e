#pragma once

#include <QColor>
#include <QImage>

namespace tessara::arte {

// The main window's bars: dark wood along the top and the bottom, edged like a guitar's body
// with a cream binding, and sunken panels that group the bottom bar's controls.
class DesenhistaBarras {
 public:
  static constexpr int LARGURA = 797;
  static constexpr int ALTURA_SUPERIOR = 80;
  static constexpr int ALTURA_INFERIOR = 114;
  static constexpr int ALTURA_PAINEL = 106;

  QImage superior() const;
  QImage inferior() const;
  // A panel sunk into the wood, tinted by `tom`.
  QImage painel(int largura, QColor tom) const;
};

}  // namespace tessara::arte
