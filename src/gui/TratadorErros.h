#pragma once

#include <exception>

namespace tessara {

// The last resort: shows one message box for an error nothing else handled.
class GerenciadorIdiomas;

class TratadorErros {
 public:
  static void relatar(const std::exception_ptr& erro);

  // Texts come from this language manager once it exists; before that, fixed English ones.
  static void definirIdiomas(const GerenciadorIdiomas* idiomas);
};

}  // namespace tessara
