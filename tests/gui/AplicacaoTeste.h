#pragma once

#include <QApplication>

namespace tessara::teste {

// The application object a window test needs, on the offscreen platform unless another is set.
class AplicacaoTeste : public QApplication {
 public:
  AplicacaoTeste() : QApplication(argc(), argv()) {}

 private:
  static int& argc() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int n = 1;
    return n;
  }
  static char** argv() {
    static char nome[] = "tests_gui";
    static char* valores[] = {nome, nullptr};
    return valores;
  }
};

}  // namespace tessara::teste
