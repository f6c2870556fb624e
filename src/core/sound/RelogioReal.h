#pragma once

#include "sound/Relogio.h"

namespace tessara {

// Wall-clock time: waits really sleep.
class RelogioReal : public Relogio {
 public:
  void esperar(std::chrono::milliseconds duracao) override;
  std::chrono::microseconds agora() const override;
};

}  // namespace tessara
