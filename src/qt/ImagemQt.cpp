#include "qt/ImagemQt.h"

#include <QImage>

namespace tessara {

QPixmap pixmapDe(const Imagem& imagem) {
  const QImage vista(imagem.pixels.data(), imagem.largura, imagem.altura, imagem.largura * 3,
                     QImage::Format_RGB888);
  return QPixmap::fromImage(vista);
}

}  // namespace tessara
