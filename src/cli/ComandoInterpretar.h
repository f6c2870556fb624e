#pragma once

#include "ComandoCli.h"

namespace tessara {

// Reads chord names in the language's grammar: one tab-separated line per name with the code,
// the root, the degrees, the bass and the canonical name, or the reason it was refused.
class ComandoInterpretar : public ComandoCli {
 public:
  std::string nome() const override { return "parse"; }
  std::string resumo() const override {
    return "parse NAME...  print each chord name's code, root, degrees, bass and canonical name";
  }
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;
};

}  // namespace tessara
