#pragma once

#include <QDialog>
#include <array>

#include "TextosJanela.h"
#include "telas/EditorInstrumento.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class QVBoxLayout;

namespace tessara {

class Fachada;

// The instrument editor: name, description, strings, frets, sound and the note of each open
// string, highest on top. Pressing a string sounds its note until the button is let go. The
// rules of saving are EditorInstrumento's.
class TformInstrumento : public QDialog {
  Q_OBJECT

 public:
  explicit TformInstrumento(Fachada& fachada, QWidget* pai = nullptr);

  // Run modally; true when an instrument was saved.
  bool criar();
  bool editar(int indice);
  // Where the saved instrument now is in the instrument list.
  int getIndiceSalvo() const { return indiceSalvo_; }
  const CamposInstrumento& getCampos() const { return campos_; }

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;

 private:
  void montarCampos(QVBoxLayout* layout);
  void montarLinhas(QVBoxLayout* layout);
  void mostrarCampos();
  void lerCampos();
  void mudarCordas(int cordas);
  void escolherNota(int linha, int nota);
  void tocarCorda(int linha);
  void soltarCorda();
  void salvar();
  bool executar();

  Fachada& fachada_;

  // The window's texts; declared after the façade, which it reads.

  const TextosJanela texto{fachada_, "fmCriarInstrumento"};
  EditorInstrumento editor_;
  CamposInstrumento campos_;
  bool modoEdicao_ = false;
  int indiceEditado_ = -1;
  int indiceSalvo_ = -1;
  int notaSoando_ = -1;  // the held string's note, stopped however the press ends

  QLineEdit* editNome_ = nullptr;
  QLineEdit* editDescricao_ = nullptr;
  QComboBox* comboCordas_ = nullptr;
  QLabel* lblLimiteCasas_ = nullptr;
  QSpinBox* spinCasas_ = nullptr;
  QComboBox* comboSom_ = nullptr;
  std::array<QPushButton*, CamposInstrumento::LINHAS> cordas_{};
  std::array<QToolButton*, CamposInstrumento::LINHAS> notas_{};
  QPushButton* btnSalvar_ = nullptr;
};

}  // namespace tessara
