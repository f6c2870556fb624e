#pragma once

#include <QImage>
#include <string>

namespace tessara::arte {

// Encodes pictures as baseline JPEG. Full chroma resolution keeps thin strings and small
// letters free of colour fringes.
class CodificadorJpeg {
 public:
  explicit CodificadorJpeg(int qualidade = 90);
  ~CodificadorJpeg();
  CodificadorJpeg(const CodificadorJpeg&) = delete;
  CodificadorJpeg& operator=(const CodificadorJpeg&) = delete;

  // The JPEG bytes of the picture; throws std::runtime_error when the encoder fails.
  std::string codificar(const QImage& imagem) const;

 private:
  int qualidade_;
  void* compressor_;
};

}  // namespace tessara::arte
