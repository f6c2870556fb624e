#pragma once

#include <QPrinter>
#include <filesystem>
#include <functional>

#include "DialogoSemBorda.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tessara {

class ListaImpressao;

// The print dialog: what goes on the pages (the chord sheet and its diagrams, the diagrams,
// or the sheet) and what the diagrams' circles show; then print or preview.
class TformImpressao : public DialogoSemBorda {
  Q_OBJECT

 public:
  static constexpr int LARGURA = 272;
  static constexpr int ALTURA = 256;
  // Opened from the chord-sheet dialog: the content can be chosen, the sheet comes first.
  static constexpr int MODO_CIFRA = 0;
  // Opened from the main window: its print list, as diagrams only.
  static constexpr int MODO_LISTA = 1;

  // Runs the platform's print dialog on the printer; true when the user confirms.
  using Dialogo = std::function<bool(QPrinter&)>;

  // Prints the list's fingerings.
  TformImpressao(Fachada& fachada, const ListaImpressao& lista, QWidget* pai = nullptr);

  void definirModo(int modo);
  // Stands in for the platform's print dialog.
  void definirDialogo(Dialogo dialogo) { dialogo_ = std::move(dialogo); }
  // Shows the preview window once its pages are laid out.
  void definirMostrarVisualizacao(std::function<void()> mostrar) {
    mostrarVisualizacao_ = std::move(mostrar);
  }

  int conteudo() const;
  int rotulo() const;

  // Prints with the kinds chosen here; the preview window prints through this too. A PDF
  // file is made whole in memory and only then written over the file chosen.
  void imprimir();
  // Lays the pages out and shows the preview window.
  void visualizar();

 private:
  bool escolherImpressora(QPrinter& impressora);
  static std::filesystem::path pdfPadrao(const QString& nome);

  const ListaImpressao& lista_;
  Dialogo dialogo_;
  std::function<void()> mostrarVisualizacao_;
  QLabel* lblExplicacaoConteudo_;
  QComboBox* comboOpcoesImpressao_;
  QComboBox* comboRotulo_;
  QPushButton* btnImprimir_;
  QPushButton* btnVisualizarImpressao_;
};

}  // namespace tessara
