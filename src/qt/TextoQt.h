#pragma once

#include <QString>
#include <string>

namespace tessara {

// The core speaks CP1252; Qt speaks UTF-16. These are the only crossings.
QString qt(const std::string& textoCp1252);
std::string core(const QString& texto);

}  // namespace tessara
