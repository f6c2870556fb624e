#pragma once

#include <QTimer>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "AbridorAjuda.h"
#include "DialogoSemBorda.h"
#include "app/CabecalhoCancao.h"
#include "telas/ArquivosCifra.h"

class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace tessara {

class FachadaGUI;
class ListaImpressao;

// The chord sheet: a pasted or opened text of chord lines above lyrics, or a ChordPro song,
// whose chords can be moved up or down a semitone in place, taken into the print list, or
// printed with the sheet. The sheet is kept in the user's folder and comes back at the next
// start; it opens and saves text and ChordPro files, and takes a file dropped on it.
class TformImportarCifra : public DialogoSemBorda {
  Q_OBJECT

 public:
  static constexpr int LARGURA = 600;
  static constexpr int ALTURA = 520;
  // The print question's answers, in the order of its buttons.
  enum Resposta { SUBSTITUIR = 0, ACRESCENTAR = 1, CANCELAR = 2 };
  // The print dialog's chord-sheet mode.
  static constexpr int MODO_IMPRESSAO_CIFRA = 0;

  using AbrirImpressao = std::function<void(int modo)>;

  // Fills `lista`; asks its questions through `gui`; shows over `pai`.
  TformImportarCifra(Fachada& fachada, ListaImpressao& lista, const FachadaGUI& gui,
                     QWidget* pai = nullptr, AbridorAjuda::Navegador navegador = {});

  // Opens the print dialog in a mode; without it the sheet cannot be printed.
  void definirAbrirImpressao(AbrirImpressao abrir);

  // Empties the sheet, then takes the clipboard's text.
  void colar();
  // Moves every chord of the sheet by semitones: up with sharps when positive, down with
  // flats when negative.
  void transporCifra(int passos);
  // Adds each chord of the sheet once to the print list, under the song's heading, then closes.
  void importar();
  // The sheet's chords, once each, replace the print list or join it, as the user answers,
  // and the sheet becomes the job's text.
  void imprimir();

  // The file in the sheet; false after telling the user why it could not be read.
  bool abrirArquivo(const std::filesystem::path& arquivo);
  // The sheet into the file, as ChordPro when its extension names ChordPro, else as text;
  // false after telling the user why.
  bool salvarArquivo(const std::filesystem::path& arquivo);
  // The song's title, key and capo as the window shows them.
  QString textoCabecalho() const;

 protected:
  void hideEvent(QHideEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 signals:
  // The sheet's chords went into the print list; the chord manager has no chord current.
  void listaPreenchida();

 private:
  QPushButton* botao(const char* nome, const QString& rotulo, const QRect& lugar,
                     const QString& dica);
  void montarTransposicao(int y);
  std::vector<std::string> acordes() const;
  // The song's heading and its sheet, for the print list.
  CabecalhoCancao cancao() const;
  std::string textoImpressao() const;
  void montarArquivos(int y);
  void dispor();
  void encherRecentes();
  void escolherAbrir();
  void escolherSalvar();
  // Shows the song's heading and keeps the sheet for the next start.
  void guardarFolha();
  void mostrarErro(const char* chave, const std::filesystem::path& arquivo,
                   const std::string& motivo);

  ListaImpressao& lista_;
  const FachadaGUI& gui_;
  AbridorAjuda abridor_;
  AbrirImpressao abrirImpressao_;
  // How far one press moves the chords.
  int passos_ = 1;

  QPlainTextEdit* memoCifra_;
  QPushButton* btnImprimir_ = nullptr;
  QPushButton* btnImportar_ = nullptr;
  QLabel* lblCancao_ = nullptr;
  QMenu* recentes_ = nullptr;
  ArquivosCifra arquivos_;
  // Typing is kept a moment after it stops, not at every key.
  QTimer guarda_;
};

}  // namespace tessara
