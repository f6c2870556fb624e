#pragma once

#include <QObject>
#include <filesystem>

class QListWidget;

namespace tessara {

class Fachada;
class ListaImpressao;

// The main window's print list beyond its buttons: lines reordered by dragging them, and a
// context menu that saves the list as a songbook file or opens one in its place or after it.
class ControleListaImpressao : public QObject {
  Q_OBJECT

 public:
  // The file the list is kept in between runs, in the user's folder.
  static constexpr const char* ARQUIVO_GUARDADO = "lista-impressao.songbook";

  ControleListaImpressao(Fachada& fachada, ListaImpressao& lista, QListWidget& widget);

  // Loads the list kept by the last run and keeps it from now on; tells the user what of it
  // could not be read.
  void recuperar();
  bool salvarCancioneiro(const std::filesystem::path& arquivo);
  // False after telling the user why; lines it could not use are named, the rest is loaded.
  bool abrirCancioneiro(const std::filesystem::path& arquivo, bool acrescentar);
  // The current line, dragged, lands where it is dropped (a point of the list's viewport).
  void soltar(const QPoint& ponto);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void mostrarMenu(const QPoint& ponto);
  void escolherSalvar();
  void escolherAbrir(bool acrescentar);
  void informar(const std::string& texto);

  Fachada& fachada_;
  ListaImpressao& lista_;
  QListWidget& widget_;
};

}  // namespace tessara
