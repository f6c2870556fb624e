#include "qt/TextoQt.h"

#include <QList>

#include "foundations/Cp1252.h"

namespace tessara {

QString qt(const std::string& textoCp1252) {
  return QString::fromStdString(cp1252::paraUtf8(textoCp1252));
}

QString qtLinhas(const std::string& textoCp1252) {
  return qt(textoCp1252).remove(QLatin1Char('\r'));
}

std::string core(const QString& texto) { return cp1252::deUtf8(texto.toStdString()); }

TextoGuardado::TextoGuardado(const QString& texto) {
  for (const char32_t codigo : texto.toUcs4()) {
    const QString caractere = QString::fromUcs4(&codigo, 1);
    const std::string convertido = core(caractere);
    const bool perdido = convertido == "?" && codigo != U'?';
    if (perdido || codigo == static_cast<char32_t>(SUBSTITUTO)) {
      guardados_.push_back(caractere);
      cp1252_ += SUBSTITUTO;
    } else {
      cp1252_ += convertido;
    }
  }
}

QString TextoGuardado::restaurar(const std::string& resultadoCp1252) const {
  QString resultado;
  size_t proximo = 0;
  size_t inicio = 0;
  for (size_t i = 0; i <= resultadoCp1252.size(); ++i) {
    const bool fim = i == resultadoCp1252.size();
    if (!fim && (resultadoCp1252[i] != SUBSTITUTO || proximo >= guardados_.size())) continue;
    resultado += qt(resultadoCp1252.substr(inicio, i - inicio));
    if (!fim) resultado += guardados_[proximo++];
    inicio = i + 1;
  }
  return resultado;
}

}  // namespace tessara
