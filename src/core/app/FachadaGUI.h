#pragma once

#include <memory>
#include <string>
#include <vector>

#include "printing/FrenteImpressao.h"

namespace tessara {

class Interacao;

// What the logic needs of the front end's windows: the printer's page and the preview's
// pictures (FrenteImpressao), and the message boxes that ask a question, over the front end's
// Interacao. A small adapter beside the windows implements it; the command line has its own.
class FachadaGUI : public FrenteImpressao {
 public:
  static constexpr int OK = 1;
  static constexpr int CANCELAR = 2;

  // Questions go to `interacao`.
  explicit FachadaGUI(Interacao& interacao) : interacao_(interacao) {}

  // The side of a front end without windows: no printer, no pictures.
  static std::unique_ptr<FachadaGUI> semJanelas(Interacao& interacao);

  // OK or CANCELAR.
  int perguntarOkCancelar(const std::string& titulo, const std::string& texto) const;
  // The index of the button pressed (texts CP1252); the last one cancels.
  int perguntarBotoes(const std::string& titulo, const std::string& texto,
                      const std::vector<std::string>& botoes) const;
  // True when Yes was pressed.
  bool perguntarSimNao(const std::string& titulo, const std::string& texto) const;

 private:
  Interacao& interacao_;
};

}  // namespace tessara
