#include "sound/RelogioReal.h"

#include <thread>

namespace tessara {

void RelogioReal::esperar(std::chrono::milliseconds duracao) {
  if (duracao.count() > 0) std::this_thread::sleep_for(duracao);
}

std::chrono::microseconds RelogioReal::agora() const {
  return std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

}  // namespace tessara
