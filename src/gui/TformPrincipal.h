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
};

}  // namespace tessara
