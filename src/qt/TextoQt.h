#pragma once

#include <QString>
#include <string>

namespace tessara {

// The core speaks CP1252; Qt speaks UTF-16. These are the only crossings.
QString qt(const std::string& textoCp1252);
std::string core(const QString& texto);
// A text for a window: the language files' line breaks (CR LF) become Qt's (LF).
QString qtLinhas(const std::string& textoCp1252);

}  // namespace tessara
