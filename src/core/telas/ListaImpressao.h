#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "foundations/ColecaoPtr.h"
#include "instruments/InstrumentoCordas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

class Fachada;

// The print list: fingerings in the user's order, each with the name the list shows, and the
// lines selected. The main window draws it, the chord sheet fills it and the command line
// prints from it. Names come from the chord manager, which is left as each rule says.
class ListaImpressao {
 public:
  using Posicoes = ColecaoPtr<PosicaoHarmonicaInstrumentoCordas>;

  struct Linha {
    std::string nome;
    PosicaoHarmonicaInstrumentoCordas posicao;
  };

  explicit ListaImpressao(Fachada& fachada) : fachada_(fachada) {}

  // Called after every change, so that a view can draw the list again.
  void definirAoMudar(std::function<void()> aoMudar) { aoMudar_ = std::move(aoMudar); }

  const std::vector<Linha>& linhas() const { return linhas_; }
  int tamanho() const { return static_cast<int>(linhas_.size()); }
  bool vazia() const { return linhas_.empty(); }
  // Whether a line already shows that name.
  bool contem(const std::string& nome) const;

  // A fingering from the fretboard at the end of the list. With its root chosen it is filed
  // under the chord manager's name for its chord (the manager then holds it, current);
  // without one it keeps its own name.
  void adicionar(const PosicaoHarmonicaInstrumentoCordas& posicao, bool comTonica = true);
  // A fingering as it is, under its own name, leaving the chord manager alone (frets typed
  // on the command line).
  void anexar(const PosicaoHarmonicaInstrumentoCordas& posicao);
  // The first fingering of a chord by name at the end; unless `repetir`, only when no line
  // shows the name the chord manager keeps for it. False when the name is refused. The chord
  // manager is left with no chord current.
  bool adicionarPorNome(const std::string& nome, bool repetir);
  // The fingering takes that line's place, named as adicionar names it. False for a line
  // outside the list.
  bool substituir(int linha, const PosicaoHarmonicaInstrumentoCordas& posicao);
  // Removes the selected lines.
  void removerSelecionadas();
  void limpar();

  void selecionar(const std::set<int>& linhas);
  void selecionarTudo();
  const std::set<int>& selecionadas() const { return selecionadas_; }

  // Makes the line's fingering the chord manager's current one (adding it to its chord when
  // the chord lacks it); nothing when its name is no longer understood.
  const PosicaoHarmonicaInstrumentoCordas* tornarAtual(int linha);

  // After the instrument changed from `antes`: fingerings made for another tuning, or for
  // fewer strings or frets, are found again by their names on the current instrument.
  void regenerar(const std::optional<InstrumentoCordas>& antes);

  // Copies of the fingerings, in list order, for printing.
  Posicoes copias() const;

 private:
  // The fingering filed under its chord in the chord manager, current there; false when the
  // manager refuses its name.
  bool arquivar(const PosicaoHarmonicaInstrumentoCordas& posicao);
  // The name the chord manager keeps for the fingering's chord, the fingering filed there.
  std::string nomear(const PosicaoHarmonicaInstrumentoCordas& posicao);
  void mudou();

  Fachada& fachada_;
  std::vector<Linha> linhas_;
  std::set<int> selecionadas_;
  std::function<void()> aoMudar_;
};

}  // namespace tessara
