#pragma once

#include <chrono>
#include <vector>

#include "sound/Relogio.h"

namespace tessara {

// A clock whose waits return at once: they only move its time on, and are remembered. Used
// where nobody listens live (rendering into a file) and by tests that check a schedule.
class RelogioVirtual : public Relogio {
 public:
  void esperar(std::chrono::milliseconds duracao) override {
    esperas.push_back(duracao);
    agora_ += duracao;
  }
  std::chrono::microseconds agora() const override { return agora_; }

  std::vector<std::chrono::milliseconds> esperas;

 private:
  std::chrono::microseconds agora_{0};
};

}  // namespace tessara
