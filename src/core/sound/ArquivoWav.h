#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "foundations/ArquivoAtomico.h"

namespace tessara {

// A WAV file of 44.1 kHz 16-bit stereo samples, written as they come into a temporary file
// whose header always describes what was written so far. concluir() puts it in place of the
// file named, which a failure leaves as it was.
class ArquivoWav {
 public:
  static constexpr int TAXA = 44100;
  static constexpr int CANAIS = 2;

  // `aberto` tells whether the temporary file could be made (the folder must exist). A device
  // is written in place; a pipe is refused: the header's sizes are known only at the end.
  explicit ArquivoWav(const std::filesystem::path& caminho);
  // Concludes the file when nobody has.
  ~ArquivoWav();

  bool aberto() const { return aberto_; }

  // Interleaved left/right samples, `quadros` pairs of them.
  void acrescentar(const int16_t* amostras, size_t quadros);

  size_t quadros() const { return quadros_; }

  // Replaces the file named with what was written; false, with erro(), when any write failed.
  bool concluir();
  // Why the file could not be written; empty while nothing failed.
  const std::string& erro() const { return arquivo_ ? arquivo_->erro() : recusa_; }

 private:
  std::string cabecalho() const;

  std::unique_ptr<ArquivoAtomico> arquivo_;
  std::string recusa_;
  bool aberto_ = false;
  bool concluido_ = false;
  size_t quadros_ = 0;
};

}  // namespace tessara
