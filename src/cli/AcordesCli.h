#pragma once

#include <string>

namespace tessara {

class ContextoCli;
class GerenciadorAcordes;

// The chord manager as the commands use it: with the language and the instrument of the
// command line, and a chord chosen by a name typed in UTF-8.
class AcordesCli {
 public:
  // The process-wide manager; nothing when the language, the instrument or the chord base
  // cannot be had (the reason is on the error stream; statusErro() says what to return).
  static GerenciadorAcordes* gerenciador(ContextoCli& contexto);

  // Makes the named chord current; false, with "error: ..." on the error stream, when the
  // name is refused.
  static bool selecionar(ContextoCli& contexto, GerenciadorAcordes& gerenciador,
                         const std::string& nome);
};

}  // namespace tessara
