#include "qt/SuperficieImagensQt.h"

#include <QBuffer>
#include <algorithm>
#include <cstring>
#include <string_view>

#include "foundations/ArquivoAtomico.h"

namespace tessara {

SuperficieImagensQt::SuperficieImagensQt(int largura, int altura)
    : largura_(std::max(1, largura)), altura_(std::max(1, altura)) {
  comecarPagina();
}

SuperficieImagensQt::~SuperficieImagensQt() { terminarPintura(); }

void SuperficieImagensQt::comecarPagina() {
  pagina_ = QImage(largura_, altura_, QImage::Format_RGB32);
  pagina_.fill(Qt::white);
  comecar(pagina_);
}

void SuperficieImagensQt::guardarPagina() {
  terminarPintura();
  const QImage rgb = pagina_.convertToFormat(QImage::Format_RGB888);
  Imagem imagem{rgb.width(), rgb.height(), {}};
  const size_t bytesLinha = static_cast<size_t>(rgb.width()) * 3;
  imagem.pixels.resize(bytesLinha * static_cast<size_t>(rgb.height()));
  for (int y = 0; y < rgb.height(); ++y) {
    std::memcpy(imagem.pixels.data() + bytesLinha * static_cast<size_t>(y), rgb.constScanLine(y),
                bytesLinha);
  }
  paginas_.push_back(std::move(imagem));
}

void SuperficieImagensQt::novaPagina() {
  guardarPagina();
  comecarPagina();
}

std::vector<Imagem> SuperficieImagensQt::terminar() {
  guardarPagina();
  comecarPagina();  // whatever is drawn after this belongs to no page handed out
  return std::move(paginas_);
}

bool SuperficieImagensQt::salvarPng(const Imagem& imagem, const std::filesystem::path& arquivo,
                                    std::string& erro) {
  const QImage vista(imagem.pixels.data(), imagem.largura, imagem.altura, imagem.largura * 3,
                     QImage::Format_RGB888);
  return salvarPng(vista, arquivo, erro);
}

// Encoded in memory first: Qt's file writing does not tell a full disk from success.
bool SuperficieImagensQt::salvarPng(const QImage& imagem, const std::filesystem::path& arquivo,
                                    std::string& erro) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!imagem.save(&buffer, "PNG")) {
    erro = arquivo.string() + ": the picture could not be encoded";
    return false;
  }
  return ArquivoAtomico::substituir(
      arquivo, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), &erro);
}

}  // namespace tessara
