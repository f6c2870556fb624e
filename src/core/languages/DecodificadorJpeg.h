#pragma once

#include <optional>
#include <string_view>

#include "foundations/Imagem.h"

namespace tessara {

// Turns the bytes of one JPEG picture into RGB pixels. Whatever cannot be decoded cleanly
// (bad data, a truncated picture, a size no picture of ours has) gives no picture.
class DecodificadorJpeg {
 public:
  // Larger pictures are refused before any pixel memory is allocated.
  static constexpr int LADO_MAXIMO = 16384;
  static constexpr long long PIXELS_MAXIMO = 1LL << 24;

  static std::optional<Imagem> decodificar(std::string_view bytes);
};

}  // namespace tessara
