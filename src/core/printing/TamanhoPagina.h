#pragma once

namespace tessara {

// A page's size in device units.
struct TamanhoPagina {
  int largura = 0;
  int altura = 0;
};

}  // namespace tessara
