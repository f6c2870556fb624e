#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/CabecalhoCancao.h"
#include "foundations/ColecaoPtr.h"
#include "instruments/InstrumentoCordas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"
#include "telas/Cancioneiro.h"

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
    int musica = -1;  // index in musicas(), -1 outside any song
  };

  // What opening a songbook file did.
  struct Abertura {
    bool lida = false;
    std::string motivo;                   // why it was not read, in the system's words
    std::vector<size_t> linhasIgnoradas;  // lines that are not songbook lines (from 1)
    std::vector<std::string> recusados;   // names no fingering could be found for
  };

  explicit ListaImpressao(Fachada& fachada) : fachada_(fachada) {}

  // Called after every change, so that a view can draw the list again.
  void definirAoMudar(std::function<void()> aoMudar) { aoMudar_ = std::move(aoMudar); }

  const std::vector<Linha>& linhas() const { return linhas_; }
  const std::vector<CabecalhoCancao>& musicas() const { return musicas_; }
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
  // A song's chords at the end, each once, under its heading (none when the heading is empty);
  // names the chord manager refuses are left out. No chord is left current.
  void adicionarCancao(const CabecalhoCancao& cabecalho, const std::vector<std::string>& nomes);
  // The line moves to the place `para` (counted in the list without it); it stays selected.
  bool mover(int de, int para);
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
  // Hands the songs of the lines to the print job, to head their diagrams.
  void prepararImpressao() const;

  // The list as a songbook, and back: the current instrument plays an entry's frets when they
  // fit it, else the chord's first fingering by its name. With `acrescentar` the songbook goes
  // after the list's lines, else in their place.
  Cancioneiro cancioneiro() const;
  std::vector<std::string> carregar(const Cancioneiro& cancioneiro, bool acrescentar);
  Abertura abrir(const std::filesystem::path& arquivo, bool acrescentar);
  // Written atomically; false with the reason in `erro`.
  bool salvar(const std::filesystem::path& arquivo, std::string* erro = nullptr) const;

  // Opens the file and keeps it up to date after every change from now on, so the list
  // outlives the program. A file with lines it could not read is first kept beside it, as
  // ".damaged", before it is written again.
  Abertura guardarEm(const std::filesystem::path& arquivo);
  // Why the last write of that file failed; empty when it succeeded.
  const std::string& erroGuarda() const { return erroGuarda_; }

 private:
  // The fingering filed under its chord in the chord manager, current there; false when the
  // manager refuses its name.
  bool arquivar(const PosicaoHarmonicaInstrumentoCordas& posicao);
  // The name the chord manager keeps for the fingering's chord, the fingering filed there.
  std::string nomear(const PosicaoHarmonicaInstrumentoCordas& posicao);
  // The entry's fingering on the current instrument; nothing when neither frets nor name serve.
  std::optional<PosicaoHarmonicaInstrumentoCordas> posicaoDe(const Cancioneiro::Entrada& entrada);
  void mudou();

  Fachada& fachada_;
  std::vector<Linha> linhas_;
  std::vector<CabecalhoCancao> musicas_;
  std::filesystem::path guarda_;
  std::string erroGuarda_;
  std::set<int> selecionadas_;
  std::function<void()> aoMudar_;
};

}  // namespace tessara
