#pragma once

#include "Relogio.h"

namespace tessara {

// Wall-clock time: waits really sleep.
class RelogioReal : public Relogio {
 public:
  static RelogioReal& instancia();

  void esperar(std::chrono::milliseconds duracao) override;
  std::chrono::microseconds agora() const override;
};

}  // namespace tessara
