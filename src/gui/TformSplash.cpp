#include "TformSplash.h"

#include <QApplication>
#include <QScreen>

#include "languages/GerenciadorIdiomas.h"
#include "qt/ImagemQt.h"
#include "app/Nucleo.h"

namespace tessara {

TformSplash::TformSplash() {
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setFixedSize(250, 250);
  setScaledContents(true);
  auto& idiomas = Nucleo::processo().idiomas();
  if (idiomas.idiomaCarregado()) {
    if (auto imagem = idiomas.getImagem("fmEntrada", "imgEntrada")) setPixmap(pixmapDe(*imagem));
  }
  if (const QScreen* tela = QApplication::primaryScreen()) {
    move(tela->availableGeometry().center() - rect().center());
  }
}

void TformSplash::mostrarAgora() {
  show();
  raise();
  repaint();
  QApplication::processEvents();
}

}  // namespace tessara
