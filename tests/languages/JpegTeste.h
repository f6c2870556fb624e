#pragma once

#include <turbojpeg.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tessara::teste {

// Pictures for the language tests, made with the same library that decodes them.

// A picture whose left half is red and right half blue (so that a decoded picture can be
// checked for orientation and colour order).
inline std::vector<unsigned char> pixelsVermelhoAzul(int largura, int altura) {
  std::vector<unsigned char> pixels(static_cast<size_t>(largura) * altura * 3);
  for (int y = 0; y < altura; ++y) {
    for (int x = 0; x < largura; ++x) {
      unsigned char* p = &pixels[(static_cast<size_t>(y) * largura + x) * 3];
      const bool esquerda = x < largura / 2;
      p[0] = esquerda ? 230 : 20;
      p[1] = 20;
      p[2] = esquerda ? 20 : 230;
    }
  }
  return pixels;
}

inline std::string comprimirJpeg(const std::vector<unsigned char>& pixels, int largura, int altura,
                                 int formato = TJPF_RGB, int subamostragem = TJSAMP_444,
                                 int opcoes = 0) {
  tjhandle handle = tjInitCompress();
  unsigned char* saida = nullptr;
  unsigned long tamanho = 0;
  const int pitch = largura * tjPixelSize[formato];
  const int r = tjCompress2(handle, pixels.data(), largura, pitch, altura, formato, &saida,
                            &tamanho, subamostragem, 95, opcoes);
  std::string jpeg;
  if (r == 0) jpeg.assign(reinterpret_cast<const char*>(saida), tamanho);
  tjFree(saida);
  tjDestroy(handle);
  if (r != 0) throw std::runtime_error("tjCompress2 failed");
  return jpeg;
}

inline std::string jpegVermelhoAzul(int largura = 32, int altura = 16) {
  return comprimirJpeg(pixelsVermelhoAzul(largura, altura), largura, altura);
}

// The same picture grown to exactly `tamanho` bytes by a comment segment after the start
// marker, so that a test can name a range of a round size.
inline std::string comTamanho(const std::string& jpeg, size_t tamanho) {
  const size_t enchimento = tamanho - jpeg.size();
  if (tamanho < jpeg.size() + 4 || enchimento > 65537) throw std::runtime_error("bad padding");
  const size_t comprimento = enchimento - 2;  // the length field counts itself, not the marker
  std::string comentario = "\xFF\xFE";
  comentario += static_cast<char>(comprimento >> 8);
  comentario += static_cast<char>(comprimento & 0xFF);
  comentario += std::string(comprimento - 2, 'c');
  return jpeg.substr(0, 2) + comentario + jpeg.substr(2);
}

// The picture with the size written in its frame header replaced (the data stays as it is).
inline std::string comDimensoes(std::string jpeg, int largura, int altura) {
  size_t i = 2;  // after the start marker, segment by segment
  while (i + 9 < jpeg.size() && static_cast<unsigned char>(jpeg[i]) == 0xFF) {
    const auto marcador = static_cast<unsigned char>(jpeg[i + 1]);
    if (marcador >= 0xC0 && marcador <= 0xC2) {
      jpeg[i + 5] = static_cast<char>(altura >> 8);
      jpeg[i + 6] = static_cast<char>(altura & 0xFF);
      jpeg[i + 7] = static_cast<char>(largura >> 8);
      jpeg[i + 8] = static_cast<char>(largura & 0xFF);
      return jpeg;
    }
    i += 2 + (static_cast<size_t>(static_cast<unsigned char>(jpeg[i + 2])) << 8) +
         static_cast<unsigned char>(jpeg[i + 3]);
  }
  throw std::runtime_error("no frame header");
}

}  // namespace tessara::teste
