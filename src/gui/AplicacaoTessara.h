#pragma once

#include <QApplication>

namespace tessara {

// The application object. An error escaping any event handler reaches the last-resort
// handler here and ends the event loop, since Qt cannot carry exceptions through its loop.
class AplicacaoTessara : public QApplication {
  Q_OBJECT

 public:
  AplicacaoTessara(int& argc, char** argv);

  bool notify(QObject* receptor, QEvent* evento) override;
};

}  // namespace tessara
