#include "AplicacaoQtCli.h"

#include <iostream>

namespace tessara {

namespace {

// Qt's notices (a missing runtime folder and the like) are not the user's business here;
// its errors are.
void mensagemQt(QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
  if (tipo == QtCriticalMsg || tipo == QtFatalMsg) {
    std::cerr << "tessara-cli: " << texto.toStdString() << '\n';
  }
}

}  // namespace

std::unique_ptr<QGuiApplication> iniciarQtCli() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  qInstallMessageHandler(mensagemQt);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char nome[] = "tessara-cli";
  static char* argv[] = {nome, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace tessara
