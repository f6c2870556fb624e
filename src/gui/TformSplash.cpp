#include "TformSplash.h"

#include <QApplication>
#include <QScreen>

#include "app/Fachada.h"
#include "qt/ImagemQt.h"

namespace tessara {

TformSplash::TformSplash() {
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setFixedSize(250, 250);
  setScaledContents(true);
  Fachada& fachada = Fachada::instancia();
  if (fachada.idiomaCarregado()) {
    if (auto imagem = fachada.getImagem("fmEntrada", "imgEntrada")) setPixmap(pixmapDe(*imagem));
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
