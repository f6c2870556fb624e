#pragma once

#include "ComandoCli.h"

namespace tessara {

// Lists the languages found, the configured one marked with "*".
class ComandoIdiomas : public ComandoCli {
 public:
  std::string nome() const override { return "languages"; }
  std::string resumo() const override {
    return "languages  list the language files found; * marks the configured one";
  }
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;
};

}  // namespace tessara
