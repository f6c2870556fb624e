#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace tessara {

// A WAV file of 44.1 kHz 16-bit stereo samples, written as they come. The header always
// describes what was written so far, so the file is complete after every append.
class ArquivoWav {
 public:
  static constexpr int TAXA = 44100;
  static constexpr int CANAIS = 2;

  // Creates or truncates the file; `aberto` tells whether that worked.
  explicit ArquivoWav(const std::filesystem::path& caminho);

  bool aberto() const { return aberto_; }

  // Interleaved left/right samples, `quadros` pairs of them.
  void acrescentar(const int16_t* amostras, size_t quadros);

  size_t quadros() const { return quadros_; }

 private:
  void escreverCabecalho();

  std::ofstream arquivo_;
  bool aberto_ = false;
  size_t quadros_ = 0;
};

}  // namespace tessara
