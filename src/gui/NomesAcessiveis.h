#pragma once

class QWidget;

namespace tessara {

// Names and descriptions a screen reader speaks for a window's controls, from the texts the
// window already shows in its language: a button's words, a field's label, a tip.
class NomesAcessiveis {
 public:
  // Gives every control of `janela` without a name of its own one, and its tip as the
  // description.
  static void aplicar(QWidget& janela);
};

}  // namespace tessara
