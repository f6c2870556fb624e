#pragma once

#include <exception>
#include <functional>
#include <string>
#include <string_view>

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

  // Text of the loaded language by (section, key); empty function when no language is loaded.
  using Textos = std::function<std::string(std::string_view secao, std::string_view chave)>;

  static Caixa fatal(const Textos& textos, const std::string& versao);
  static Caixa erroBiblioteca(const Textos& textos, const std::string& tipo,
                              const std::string& mensagem, const std::string& versao);
  static Caixa outro(const std::string& versao);

  // The box for whatever was thrown: a fatal component error, an error of the runtime
  // library (std::exception outside our own family), or anything else.
  static Caixa para(const std::exception_ptr& erro, const Textos& textos,
                    const std::string& versao);

  // Shown when no language is available yet.
  static std::string textoGeral();
};

}  // namespace tessara
