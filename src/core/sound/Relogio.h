#pragma once

#include <chrono>

namespace tessara {

// The time base of playback: the waits between notes and the time at which a message is sent.
// Tests use a clock whose waits only advance a counter, so schedules are checked without sleeping.
class Relogio {
 public:
  virtual ~Relogio() = default;

  // Blocks the caller for that long.
  virtual void esperar(std::chrono::milliseconds duracao) = 0;

  // Time elapsed since a fixed point of this clock; only differences are meaningful.
  virtual std::chrono::microseconds agora() const = 0;
};

}  // namespace tessara
