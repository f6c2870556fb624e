#include "AplicacaoTessara.h"

#include <QIcon>

#include "TratadorErros.h"
#include "foundations/Caminhos.h"

namespace tessara {

AplicacaoTessara::AplicacaoTessara(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("tessara"));
  setApplicationVersion(QStringLiteral(TESSARA_VERSAO));
  setDesktopFileName(QStringLiteral("app.tessara.Tessara"));
  // The installed theme's icon, else the one beside the data (a build tree).
  const auto reserva = Caminhos::diretorioPrograma() / "app.tessara.Tessara.png";
  setWindowIcon(QIcon::fromTheme(QStringLiteral("app.tessara.Tessara"),
                                 QIcon(QString::fromStdString(reserva.string()))));
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
