#pragma once

#include <QMainWindow>

namespace tessara {

// The main window. Closing it asks for confirmation and then stores the settings.
class TformPrincipal : public QMainWindow {
  Q_OBJECT

 public:
  explicit TformPrincipal(QWidget* pai = nullptr);

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  // The configured instrument becomes the current one (the first when it no longer exists).
  void selecionarInstrumentoConfigurado();
};

}  // namespace tessara
