#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "foundations/Textos.h"

namespace tessara {

// Builds the one message box shown for an error that escaped everything else. Three kinds:
// a component the program cannot run without, an error of the runtime library (with its type
// and message), and anything else.
class RelatorioErro {
 public:
  struct Caixa {
    std::string texto;
    std::string titulo;
  };

  // `textos` is the loaded language, or null when none is loaded yet.
  static Caixa fatal(const Textos* textos, const std::string& versao);
  static Caixa erroBiblioteca(const Textos* textos, const std::string& tipo,
                              const std::string& mensagem, const std::string& versao);
  static Caixa outro(const std::string& versao);

  // The box for whatever was thrown: a fatal component error, an error of the runtime
  // library (std::exception outside our own family), or anything else.
  static Caixa para(const std::exception_ptr& erro, const Textos* textos,
                    const std::string& versao);

  // Shown when no language is available yet.
  static std::string textoGeral();
};

}  // namespace tessara
