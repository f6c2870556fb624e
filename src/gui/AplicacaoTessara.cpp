#include "AplicacaoTessara.h"

#include "TratadorErros.h"

namespace tessara {

AplicacaoTessara::AplicacaoTessara(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("tessara"));
  setApplicationVersion(QStringLiteral(TESSARA_VERSAO));
}

bool AplicacaoTessara::notify(QObject* receptor, QEvent* evento) {
  try {
    return QApplication::notify(receptor, evento);
  } catch (...) {
    TratadorErros::relatar(std::current_exception());
    exit(0);
    return false;
  }
}

}  // namespace tessara
