#pragma once

#include <QString>
#include <string>
#include <vector>

namespace tessara {

// The core speaks CP1252; Qt speaks UTF-16. These are the only crossings.
QString qt(const std::string& textoCp1252);
std::string core(const QString& texto);
// A text for a window: the language files' line breaks (CR LF) become Qt's (LF).
QString qtLinhas(const std::string& textoCp1252);

// A window's text handed to a core operation that rewrites some words and keeps the rest
// (a chord sheet being transposed): the characters CP1252 lacks would come back as '?', so
// each stands in as DEL (0x7F) and is put back, in order, into the result.
class TextoGuardado {
 public:
  static constexpr char SUBSTITUTO = '\x7f';

  explicit TextoGuardado(const QString& texto);
  const std::string& cp1252() const { return cp1252_; }
  // The core's result with the characters put back.
  QString restaurar(const std::string& resultadoCp1252) const;

 private:
  std::string cp1252_;
  std::vector<QString> guardados_;
};

}  // namespace tessara
