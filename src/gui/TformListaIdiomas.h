#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace tessara {

// The language chooser: a list of names, OK and Cancel. Its texts are fixed English because
// it is shown exactly when no language could be loaded.
class TformListaIdiomas : public QDialog {
  Q_OBJECT

 public:
  TformListaIdiomas(const std::vector<std::string>& nomes, int selecionado, QWidget* pai = nullptr);

  // The chosen index after OK, nothing after Cancel or when no line is selected.
  std::optional<int> escolher();

 private:
  QListWidget* lista_;
};

}  // namespace tessara
