#pragma once

#include <QTimer>
#include <functional>

#include "DialogoSemBorda.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace tessara {

struct Imagem;

// The print preview: the laid-out pages one at a time, fitting the window's width or at 100,
// 200 or 300 %, and a print button. The window can be enlarged. The pages come from the print
// manager through the main window.
class TformVisualizarImpressao : public DialogoSemBorda {
  Q_OBJECT

 public:
  static constexpr int LARGURA = 365;
  static constexpr int ALTURA = 509;
  static constexpr int ZOOM_MINIMO = 50;
  static constexpr int ZOOM_MAXIMO = 400;

  explicit TformVisualizarImpressao(Fachada& fachada, QWidget* pai = nullptr);

  // What the print button does: print with the print dialog's choices.
  void definirImpressao(std::function<void()> imprimir) { imprimir_ = std::move(imprimir); }

  // Shows a page (`largura` x `altura` pixels) of a job of `numeroPaginas` pages.
  void desenhar(const Imagem& pagina, int numeroPaginas, int largura, int altura);
  // Shows the window modally, the page fitting its width.
  int mostrar();

  int pagina() const;
  // In percent; fitting the width, the zoom that makes the page as wide as the view.
  int zoom() const;

 protected:
  void done(int resultado) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  QSize tamanhoInicial() const;
  void dispor();
  bool ajustarLargura() const;
  void exibirPagina();

  std::function<void()> imprimir_;
  QPushButton* btnImprimir_;
  QLabel* lblPagina_;
  QSpinBox* spinPagina_;
  QLabel* lblDe_;
  QComboBox* comboZoom_;
  QScrollArea* scrollVisualiza_;
  QLabel* imageVisualizar_;
  const QString palavraPaginas_;
  QTimer ajuste_;
  int zoomMostrado_ = 0;
};

}  // namespace tessara
