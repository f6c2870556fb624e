#pragma once

#include <memory>
#include <string>

#include "printing/FrenteImpressao.h"
#include "scales/EscolhaTonica.h"

namespace tessara {

class Interacao;

// What the logic needs of the main window, which implements it: the print list and the print
// preview (FrenteImpressao), the root chosen for scales (EscolhaTonica), which page the
// settings dialog opens on, whether a scale is on show, and showing the preview window. Its
// questions are message boxes of the front end's Interacao.
class FachadaGUI : public FrenteImpressao, public EscolhaTonica {
 public:
  static constexpr int OK = 1;
  static constexpr int CANCELAR = 2;

  // Questions go to `interacao`.
  explicit FachadaGUI(Interacao& interacao) : interacao_(interacao) {}

  // The side of a front end without windows: no print list, no pictures, no root chosen,
  // chord mode.
  static std::unique_ptr<FachadaGUI> semJanelas(Interacao& interacao);

  // OK or CANCELAR.
  int perguntarOkCancelar(const std::string& titulo, const std::string& texto) const;
  // True when Yes was pressed.
  bool perguntarSimNao(const std::string& titulo, const std::string& texto) const;

  // True when the settings dialog was opened from the instrument button (it then opens on
  // its instrument page).
  virtual bool configuracaoPeloInstrumento() const = 0;
  // True while the main window shows a scale rather than chords.
  virtual bool exibindoEscalas() const = 0;
  // Shows the print preview window modally; its pages come through desenharVisualizacao.
  virtual void mostrarVisualizacao() = 0;

 private:
  Interacao& interacao_;
};

}  // namespace tessara
