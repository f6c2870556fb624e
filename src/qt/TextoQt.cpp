#include "qt/TextoQt.h"

#include "foundations/Cp1252.h"

namespace tessara {

QString qt(const std::string& textoCp1252) {
  return QString::fromStdString(cp1252::paraUtf8(textoCp1252));
}

QString qtLinhas(const std::string& textoCp1252) {
  return qt(textoCp1252).remove(QLatin1Char('\r'));
}

std::string core(const QString& texto) { return cp1252::deUtf8(texto.toStdString()); }

}  // namespace tessara
