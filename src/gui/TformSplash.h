#pragma once

#include <QLabel>

namespace tessara {

// The picture shown while the program starts: borderless, 250 x 250, centred on the screen.
class TformSplash : public QLabel {
  Q_OBJECT

 public:
  TformSplash();

  // Shows the splash and paints it at once, before the start-up pause blocks the thread.
  void mostrarAgora();
};

}  // namespace tessara
