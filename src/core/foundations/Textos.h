#pragma once

#include <string>
#include <string_view>

namespace tessara {

// What the logic needs of a language: its texts by section and key, and its own name (the
// Brazilian language's name selects the Portuguese chord grammar and note labels). The
// language manager answers for the loaded language; tests answer with fixed texts.
class Textos {
 public:
  virtual ~Textos() = default;

  // The empty text when there is no such text.
  virtual std::string getTexto(std::string_view secao, std::string_view chave) const = 0;
  // The empty text when no language is loaded.
  virtual std::string getNomeIdiomaAtual() const = 0;
};

}  // namespace tessara
