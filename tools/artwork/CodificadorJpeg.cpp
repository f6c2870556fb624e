#include "CodificadorJpeg.h"

#include <turbojpeg.h>

#include <stdexcept>

namespace tessara::arte {

CodificadorJpeg::CodificadorJpeg(int qualidade)
    : qualidade_(qualidade), compressor_(tjInitCompress()) {
  if (compressor_ == nullptr) throw std::runtime_error("cannot start the JPEG encoder");
}

CodificadorJpeg::~CodificadorJpeg() { tjDestroy(compressor_); }

std::string CodificadorJpeg::codificar(const QImage& imagem) const {
  // A byte-ordered format keeps the pixel layout independent of the machine's endianness.
  const QImage rgb = imagem.convertToFormat(QImage::Format_RGB888);
  unsigned char* saida = nullptr;
  unsigned long tamanho = 0;
  const int rc = tjCompress2(compressor_, rgb.constBits(), rgb.width(),
                             static_cast<int>(rgb.bytesPerLine()), rgb.height(), TJPF_RGB, &saida,
                             &tamanho, TJSAMP_444, qualidade_, TJFLAG_ACCURATEDCT);
  if (rc != 0) {
    const std::string motivo = tjGetErrorStr2(compressor_);
    tjFree(saida);
    throw std::runtime_error("JPEG encoding failed: " + motivo);
  }
  std::string bytes(reinterpret_cast<const char*>(saida), tamanho);
  tjFree(saida);
  return bytes;
}

}  // namespace tessara::arte
