#pragma once

#include <string>
#include <vector>

#include "foundations/ColecaoPtr.h"
#include "instruments/InstrumentoCordas.h"
#include "model/ModoRotulo.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

// What one print job lays out: the content and label kinds (the print dialog's list
// indexes), the fingerings in print-list order, the job's text and the instrument.
struct TrabalhoImpressao {
  // Content kinds.
  static constexpr int TEXTO_E_DIAGRAMAS = 0;
  static constexpr int DIAGRAMAS = 1;
  static constexpr int TEXTO = 2;
  // A page per song with its diagrams at the top, after a title page with the contents when
  // there are several songs.
  static constexpr int CANCIONEIRO = 3;

  // A song of the list: its heading lines and its diagrams, a run of `posicoes`.
  struct Grupo {
    std::string titulo;
    std::string detalhe;  // key and capo
    int primeira = 0;
    int quantidade = 0;
    std::string letra = {};  // chords over lyrics, printed under the diagrams in a songbook
    bool operator==(const Grupo&) const = default;
  };
  // The songbook's own texts: its title page's title and the heading of chords outside songs.
  struct TextosCancioneiro {
    std::string titulo;
    std::string conteudo;
    std::string outrosAcordes;
  };

  int conteudo = DIAGRAMAS;
  int rotulo = ModoRotulo::DEDOS;  // what each circle of a diagram shows
  const ColecaoPtr<PosicaoHarmonicaInstrumentoCordas>& posicoes;
  const std::string& texto;
  const InstrumentoCordas& instrumento;
  // The songs, in list order; without them the diagrams print without headings.
  const std::vector<Grupo>* grupos = nullptr;
  const TextosCancioneiro* textosCancioneiro = nullptr;
  // The title of the song the text holds, for the page's heading when the text is printed.
  std::string tituloTexto = {};
};

}  // namespace tessara
