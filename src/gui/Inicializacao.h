#pragma once

namespace tessara {

class AplicacaoTessara;

// Brings the program up in its fixed order (settings, language, splash, windows), runs the
// event loop and reports whatever escapes. Always returns 0.
class Inicializacao {
 public:
  static int executar(AplicacaoTessara& aplicacao);

 private:
  static void iniciarEExecutar(AplicacaoTessara& aplicacao);
};

}  // namespace tessara
