#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ComandoCli.h"
#include "foundations/ColecaoPtr.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

class Fachada;

// Lays chord diagrams and a chord sheet out as the print job does and writes the pages into a
// PDF file of A4 pages, or the preview's pages as PNG files.
class ComandoImprimir : public ComandoCli {
 public:
  std::string nome() const override { return "print"; }
  std::string resumo() const override {
    return "print --pdf FILE | --png DIR [--zoom 100|200|300] [--labels fingers|notes|intervals] "
           "[--content text+diagrams|diagrams|text] [--text SHEET] [NAME|FRETS...]  print chord "
           "diagrams (and a chord sheet)";
  }
  int executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) override;

 private:
  using Posicoes = ColecaoPtr<PosicaoHarmonicaInstrumentoCordas>;

  struct Pedido {
    std::string pdf;
    std::string png;
    int zoom = 100;
    int rotulo = 0;
    std::optional<int> conteudo;
    std::string folha;  // the chord sheet's file
    std::vector<std::string> acordes;
  };

  // Throws ErroArgumento for an argument that is missing or not accepted.
  static Pedido lerArgumentos(const std::vector<std::string>& argumentos);
  static void lerOpcao(Pedido& pedido, const std::string& opcao, const std::string& valor);
  // The sheet's text (CP1252), or nothing after telling why.
  static std::optional<std::string> lerFolha(ContextoCli& contexto, const std::string& arquivo);
  // A fingering of each chord (frets or a name), in order; nothing after telling which one is
  // refused. `semRepetir` leaves out a name the list already holds (as the chord manager
  // stores it), as printing a chord sheet does.
  static std::optional<Posicoes> montarLista(ContextoCli& contexto,
                                             const std::vector<std::string>& acordes,
                                             bool semRepetir);
  // The first fingering of a named chord on the current instrument, with the chord's name as
  // the chord manager stores it; nothing when the name is not understood.
  static std::optional<PosicaoHarmonicaInstrumentoCordas> posicaoDoNome(Fachada& fachada,
                                                                        const std::string& nome,
                                                                        std::string& nomeGuardado);
};

}  // namespace tessara
