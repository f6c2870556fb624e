#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ComandoCli.h"
#include "foundations/ColecaoPtr.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

class ListaImpressao;

class Fachada;

// Lays chord diagrams and a chord sheet out as the print job does and writes the pages into a
// PDF file of A4 pages, SVG files of one A4 page each (FILE, FILE-2, FILE-3 ...), or the
// preview's pages as PNG files.
class ComandoImprimir : public ComandoCli {
 public:
  std::string nome() const override { return "print"; }
  std::string resumo() const override {
    return "print --pdf FILE | --svg FILE | --png DIR [--zoom 100|200|300] "
           "[--labels fingers|notes|intervals] "
           "[--content text+diagrams|diagrams|text|songbook] [--text SHEET] [--songbook FILE] "
           "[NAME|FRETS...]  print chord diagrams (and a chord sheet, or a songbook's songs)";
  }
  const LeitorOpcoes* opcoes() const override;
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;

 private:
  struct Pedido {
    std::string pdf;
    std::string svg;
    std::string png;
    int zoom = 100;
    int rotulo = 0;
    std::optional<int> conteudo;
    std::string folha;        // the chord sheet's file
    std::string cancioneiro;  // a songbook file, after the chords given
    std::vector<std::string> acordes;
  };

  // Throws ErroArgumento for an argument that is missing or not accepted.
  static Pedido lerArgumentos(const std::vector<std::string>& argumentos);
  // The sheet's text (CP1252), or nothing after telling why.
  static std::optional<std::string> lerFolha(ContextoCli& contexto, const std::string& arquivo);
  // A fingering of each chord (frets or a name), in order, into the print list; false after
  // telling which one is refused. `semRepetir` leaves out a name the list already holds (as
  // the chord manager stores it), as printing a chord sheet does.
  // The songbook's songs after the list's lines; false after telling why it cannot be read.
  // Lines left out are named and do not stop the command.
  static bool lerCancioneiro(ContextoCli& contexto, const std::string& arquivo,
                             ListaImpressao& lista);
  static bool montarLista(ContextoCli& contexto, const std::vector<std::string>& acordes,
                          bool semRepetir, ListaImpressao& lista);
};

}  // namespace tessara
