#pragma once

#include "ComandoCli.h"

namespace tessara {

// Lists the MIDI output devices by number, the configured one marked with "*".
class ComandoDispositivos : public ComandoCli {
 public:
  std::string nome() const override { return "devices"; }
  std::string resumo() const override {
    return "devices  list the MIDI output devices by number; * marks the configured one";
  }
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;
};

}  // namespace tessara
