#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace tessara {

// A WAV file fed in blocks to an analysis, for the commands that listen: anything that keeps
// it from being heard (no file, not a WAV, a sample rate the analysis cannot take, no sound)
// is said on the error stream, after the command's name, and nothing is fed.
class LeituraSom {
 public:
  using Inicio = std::function<void(double taxa)>;
  using Bloco = std::function<void(const float* amostras, std::size_t n)>;

  // Calls `inicio` with the file's sample rate, then `bloco` until the file ends; false when
  // the file could not be heard.
  static bool ler(const std::string& arquivo, const std::string& comando, std::ostream& erros,
                  const Inicio& inicio, const Bloco& bloco);
};

}  // namespace tessara
