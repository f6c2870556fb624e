#pragma once

#include <QString>

namespace tessara {

class Fachada;

// A window's texts from the current language, as Qt strings with their line breaks: by key in
// the window's own section, or by section and key.
class TextosJanela {
 public:
  TextosJanela(const Fachada& fachada, const char* secao) : fachada_(fachada), secao_(secao) {}

  QString operator()(const char* chave) const;
  QString operator()(const char* secao, const char* chave) const;

 private:
  const Fachada& fachada_;
  const char* secao_;
};

}  // namespace tessara
