#pragma once

#include <sys/resource.h>

#include <csignal>

namespace tessara::teste {

// Lowers the largest file this process may write, as a full disk would.
class LimiteDeTamanho {
 public:
  explicit LimiteDeTamanho(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &antes_);
    sinal_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit novo = antes_;
    novo.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &novo);
  }
  ~LimiteDeTamanho() {
    setrlimit(RLIMIT_FSIZE, &antes_);
    std::signal(SIGXFSZ, sinal_);
  }
  LimiteDeTamanho(const LimiteDeTamanho&) = delete;
  LimiteDeTamanho& operator=(const LimiteDeTamanho&) = delete;

 private:
  rlimit antes_{};
  void (*sinal_)(int) = nullptr;
};

}  // namespace tessara::teste
