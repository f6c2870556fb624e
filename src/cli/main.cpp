#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <streambuf>

#include "Cli.h"

namespace {

// Standard output written straight to its descriptor, so that a full disk or a closed pipe is
// seen with the system's reason instead of being lost in a library buffer.
class SaidaPadrao : public std::streambuf {
 public:
  SaidaPadrao() { setp(buffer_, buffer_ + sizeof buffer_); }

  // The first failure's errno, or 0.
  int erro() const { return erro_; }

 protected:
  int_type overflow(int_type c) override {
    if (!esvaziar()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }

  int sync() override { return esvaziar() ? 0 : -1; }

 private:
  bool esvaziar() {
    const char* p = pbase();
    while (p < pptr() && erro_ == 0) {
      const ssize_t n = ::write(STDOUT_FILENO, p, static_cast<size_t>(pptr() - p));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) erro_ = n < 0 ? errno : EIO;
      if (n > 0) p += n;
    }
    setp(buffer_, buffer_ + sizeof buffer_);
    return erro_ == 0;
  }

  char buffer_[65536];
  int erro_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  // A reader that went away (a pipe into head) is a failed write, told and ended with 1 like
  // any other, not a silent death by signal.
  std::signal(SIGPIPE, SIG_IGN);
  // Past a file size limit (ulimit -f) a write fails with "File too large", told like a full
  // disk, and the temporary file goes; the signal would kill without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  SaidaPadrao saidaPadrao;
  std::ostream saida(&saidaPadrao);
  tessara::Cli cli(saida, std::cerr);
  const int status = cli.executar(argc, argv);
  saida.flush();
  if (saidaPadrao.erro() != 0) {
    std::cerr << "tessara-cli: cannot write the standard output: "
              << std::strerror(saidaPadrao.erro()) << '\n';
    return 1;
  }
  return status;
}
