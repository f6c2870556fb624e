#include "TraducoesQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <memory>

#include "foundations/NomeIdioma.h"

namespace tessara {

bool TraducoesQt::aplicar(const std::string& nomeIdioma, const QString& pasta) {
  static QPointer<QTranslator> instalado;
  if (instalado) {
    QCoreApplication::removeTranslator(instalado);
    delete instalado;
  }
  if (!ehIdiomaPortugues(nomeIdioma)) return false;
  const QString lugar =
      pasta.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : pasta;
  auto tradutor = std::make_unique<QTranslator>(QCoreApplication::instance());
  // "qt_" gathers every module's catalogue; some installations carry the base module's alone.
  if (!tradutor->load(QStringLiteral("qt_pt_BR"), lugar) &&
      !tradutor->load(QStringLiteral("qtbase_pt_BR"), lugar)) {
    return false;
  }
  QCoreApplication::installTranslator(tradutor.get());
  instalado = tradutor.release();
  return true;
}

}  // namespace tessara
