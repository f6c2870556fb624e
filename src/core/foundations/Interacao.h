#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessara {

// What the core needs of whichever front end runs it: message boxes, the language chooser
// and asking the application to end. Texts are CP1252; the front end converts them.
class Interacao {
 public:
  enum class Botoes { Ok, OkCancelar, SimNao };

  virtual ~Interacao() = default;

  // Shows a message box; true when the user answered OK or Yes.
  virtual bool mostrarMensagem(const std::string& texto, const std::string& titulo,
                               Botoes botoes = Botoes::Ok) = 0;

  // Asks a question answered by one of the buttons named, the last of which cancels; the index
  // of the button pressed, the last one when the box is closed.
  virtual int escolherBotao(const std::string& texto, const std::string& titulo,
                            const std::vector<std::string>& botoes) = 0;

  // Lets the user pick one of the names; nothing when cancelled or nothing is chosen.
  virtual std::optional<int> escolherIdioma(const std::vector<std::string>& nomes,
                                            int selecionado) = 0;

  virtual void pedirEncerramento() = 0;
  virtual bool encerramentoPedido() const = 0;
};

}  // namespace tessara
