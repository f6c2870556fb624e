#pragma once

#include <functional>
#include <string>
#include <vector>

#include "AbridorAjuda.h"
#include "DialogoSemBorda.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace tessara {

class FachadaGUI;
class ListaImpressao;

// The chord sheet: a pasted text of chord lines above lyrics, whose chords can be moved up or
// down a semitone in place, taken into the print list, or printed with the sheet. The text
// stays between showings; nothing is saved.
class TformImportarCifra : public DialogoSemBorda {
  Q_OBJECT

 public:
  static constexpr int LARGURA = 600;
  static constexpr int ALTURA = 480;
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
  // Adds every chord of the sheet to the print list, repeats and all, then closes.
  void importar();
  // The print list becomes the sheet's chords, once each, and the sheet the job's text.
  void imprimir();

 signals:
  // The sheet's chords went into the print list; the chord manager has no chord current.
  void listaPreenchida();

 private:
  QPushButton* botao(const char* nome, const QString& rotulo, const QRect& lugar,
                     const QString& dica);
  void montarTransposicao(int y);
  std::vector<std::string> acordes() const;
  std::string textoImpressao() const;

  ListaImpressao& lista_;
  const FachadaGUI& gui_;
  AbridorAjuda abridor_;
  AbrirImpressao abrirImpressao_;
  // How far one press moves the chords.
  int passos_ = 1;

  QPlainTextEdit* memoCifra_;
  QPushButton* btnImprimir_ = nullptr;
};

}  // namespace tessara
