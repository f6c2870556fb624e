#pragma once

#include <exception>

namespace tessara {

class Textos;

// The last resort: shows one message box for an error nothing else handled.
class TratadorErros {
 public:
  static void relatar(const std::exception_ptr& erro);

  // Texts come from this language once one is loaded; before that, fixed English ones.
  static void definirTextos(const Textos* textos);
};

}  // namespace tessara
