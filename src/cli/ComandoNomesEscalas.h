#pragma once

#include "ComandoCli.h"

namespace tessara {

// Lists the names of the scale base of the language, one per line, in the base's order.
class ComandoNomesEscalas : public ComandoCli {
 public:
  std::string nome() const override { return "scales"; }
  std::string resumo() const override { return "scales  list the scale names"; }
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;
};

}  // namespace tessara
