#pragma once

#include <QDialog>
#include <utility>
#include <vector>

#include "TextosJanela.h"

class QToolButton;

namespace tessara {

class Fachada;

// A borderless dialog in the program's look: a wooden frame with rounded corners and the
// window's title on its top edge, dragged by any free spot, and round buttons on the top bar.
class DialogoSemBorda : public QDialog {
  Q_OBJECT

 public:
  static constexpr int ALTURA_TOPO = 32;

  DialogoSemBorda(Fachada& fachada, const QString& titulo, int largura, int altura,
                  QWidget* pai = nullptr);

  // Centres the dialog on its parent's window, if it has one.
  void centralizar();
  // Lets the user enlarge the dialog from its built size, by a grip in the bottom right corner.
  void tornarRedimensionavel();

 protected:
  // A round button on the top bar, `x` pixels from the left edge.
  QToolButton* botaoDoTopo(const char* nome, const QString& rotulo, int x, const QString& dica);
  // The close button in the top right corner: it rejects the dialog.
  QToolButton* botaoFechar();

  void paintEvent(QPaintEvent* evento) override;
  // Keeps the top bar's right-hand buttons and the grip in their corner.
  void resizeEvent(QResizeEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;

  Fachada& fachada_;
  static constexpr int ALCA = 16;  // the size grip's side

  // The window's texts; declared after the façade, which it reads.

  const TextosJanela texto{fachada_, "geral"};

 private:
  // Buttons on the right half of the top bar, with their distance from the right edge.
  std::vector<std::pair<QToolButton*, int>> botoesDireita_;
  QWidget* alca_ = nullptr;
};

}  // namespace tessara
