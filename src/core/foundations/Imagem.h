#pragma once

#include <vector>

namespace tessara {

// A decoded picture: 8-bit RGB, rows of exactly 3 * largura bytes, top row first, so that a
// front end can wrap the pixels without copying them.
struct Imagem {
  int largura = 0;
  int altura = 0;
  std::vector<unsigned char> pixels;
};

}  // namespace tessara
