#include "qt/TextoQt.h"

#include "foundations/Cp1252.h"

namespace tessara {

QString qt(const std::string& textoCp1252) {
  return QString::fromStdString(cp1252::paraUtf8(textoCp1252));
}

std::string core(const QString& texto) { return cp1252::deUtf8(texto.toStdString()); }

}  // namespace tessara
