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
// or the sheet) and what the diagrams' circles show; then print, preview or save SVG pages.
class TformImpressao : public DialogoSemBorda {
  Q_OBJECT

 public:
  static constexpr int LARGURA = 272;
  static constexpr int ALTURA = 292;
  // Opened from the chord-sheet dialog: the content can be chosen, the sheet comes first.
  static constexpr int MODO_CIFRA = 0;
  // Opened from the main window: its print list, as diagrams only.
  static constexpr int MODO_LISTA = 1;

  // Runs the platform's print dialog on the printer; true when the user confirms.
  using Dialogo = std::function<bool(QPrinter&)>;
  // Asks where SVG pages go, starting from a name; empty when the user cancels.
  using EscolhaSvg = std::function<QString(const QString&)>;

  // Prints the list's fingerings.
  TformImpressao(Fachada& fachada, const ListaImpressao& lista, QWidget* pai = nullptr);

  void definirModo(int modo);
  // Stands in for the platform's print dialog.
  void definirDialogo(Dialogo dialogo) { dialogo_ = std::move(dialogo); }
  // Stands in for the file dialog of the SVG pages.
  void definirEscolhaSvg(EscolhaSvg escolha) { escolhaSvg_ = std::move(escolha); }
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
  // Writes the pages as SVG files, one per page: the file chosen, then NAME-2.svg, ...
  void salvarSvg();

 private:
  bool escolherImpressora(QPrinter& impressora);
  // A file named so in the user's documents folder (or home).
  static QString arquivoPadrao(const QString& nome);

  const ListaImpressao& lista_;
  Dialogo dialogo_;
  EscolhaSvg escolhaSvg_;
  std::function<void()> mostrarVisualizacao_;
  QLabel* lblExplicacaoConteudo_;
  QComboBox* comboOpcoesImpressao_;
  QComboBox* comboRotulo_;
  QPushButton* btnImprimir_;
  QPushButton* btnVisualizarImpressao_;
  QPushButton* btnSalvarSvg_;
};

}  // namespace tessara
