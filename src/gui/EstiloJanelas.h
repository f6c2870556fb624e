#pragma once

#include <QString>

namespace tessara {

// The style sheet every window of the program shares: light text on wood, light boxes and
// lists, brown buttons.
QString estiloJanelas();

}  // namespace tessara
