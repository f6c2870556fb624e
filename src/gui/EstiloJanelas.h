#pragma once

#include <QString>

namespace tessara {

// The style sheet every window of the program shares: light text on wood, light boxes and
// lists, brown buttons. Qt's own boxes, menus, tips and dialogs opened from these windows
// inherit it, so it gives them dark text on a light page.
// Its letters `fator` times their size, for a window drawn larger.
QString estiloJanelas(double fator = 1.0);
// The letters' size in pixels at that factor: the one thing the style changes with it.
int tamanhoLetraJanelas(double fator);

}  // namespace tessara
