#pragma once

#include <QString>

namespace tessara {

// The look of the dialogs the main window opens: dark text on a light page, the main window's
// wooden buttons. A dialog sets it on itself, so that the main window's light text does not
// reach it.
class EstiloDialogo {
 public:
  static QString folha();
};

}  // namespace tessara
