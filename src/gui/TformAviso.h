#pragma once

#include <filesystem>

#include "AbridorAjuda.h"
#include "DialogoSemBorda.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace tessara {

// A message shown modally, with a button that opens a help page: the main window shows a
// refused chord name with the page on writing chord names.
class TformAviso : public DialogoSemBorda {
  Q_OBJECT

 public:
  static constexpr int LARGURA = 402;
  static constexpr int ALTURA = 268;

  explicit TformAviso(Fachada& fachada, QWidget* pai = nullptr,
                      AbridorAjuda::Navegador navegador = {});

  // Shows the text until the user closes it; with a help page, the help button opens that
  // one instead of the general help.
  int mostrarMensagem(const QString& texto, const std::filesystem::path& ajuda);
  int mostrarMensagem(const QString& texto);

  const std::filesystem::path& getAjuda() const { return ajuda_; }
  QString getTexto() const;

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void done(int resultado) override;

 private:
  AbridorAjuda abridor_;
  std::filesystem::path ajuda_;
  QLabel* mensagem_;
  QPushButton* prosseguir_;
  QToolButton* botaoAjuda_;
  QToolButton* fechar_;
};

}  // namespace tessara
