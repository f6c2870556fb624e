#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "chords/AcordeComposto.h"
#include "chords/BaseAcordes.h"
#include "chords/GrafiaNotas.h"
#include "generation/GeradorInstrumentoCordas.h"
#include "instruments/InstrumentoCordas.h"
#include "model/Disposicao.h"

namespace tessara {

class Especialista;
class Textos;
class Interacao;
class PosicaoHarmonicaInstrumentoCordas;

// The chord the user is looking at and which of its fingerings is shown. Chords are the
// chord base's, by index; a typed name the base lacks is added to it. On an instrument that
// uses the chord base (the built-in guitar) a chord's fingerings are the stored ones, and the
// generated ones are appended once, when browsing goes past the last, the easiest to play
// first (Tocabilidade). On any other instrument the current chord is generated afresh for it
// and its fingerings sorted by the same playing cost. So is every chord in a voicing other
// than the root's, and with a capo: then the instrument is the one the capo shortens, frets
// are counted from the capo and notes sound at pitch.
class GerenciadorAcordes {
 public:
  struct Colaboradores {
    const Textos& idiomas;  // texts, and the chord base's file name
    const Especialista& especialista;
    GeradorInstrumentoCordas& gerador;
    FonteInstrumento instrumento;
    Interacao& interacao;
    std::unique_ptr<BaseAcordes> base;  // not loaded yet
  };

  // Loads the chord base that the language names from `diretorio`. A missing file tells the
  // user, asks the application to end and leaves the base empty. A name the grammar cannot
  // read (a damaged file) is left out with its chord.
  GerenciadorAcordes(Colaboradores colaboradores, const std::filesystem::path& diretorio);
  ~GerenciadorAcordes();

  const std::vector<std::string>& getNomesAcordes() const { return base_->getNomes(); }
  int getNumeroAcordes() const { return static_cast<int>(codigos_.size()); }

  // -1 means no chord. OutOfBoundsException for an index outside the base.
  void setAcorde(int indice);
  // OutOfBoundsException for a chord or fingering index that does not exist; a refused
  // fingering index leaves the new chord current.
  void setAcorde(int indice, int posicao);
  // Makes the chord current at its first fingering; false, with nothing changed, when the
  // name cannot be read or its fingerings cannot be made.
  bool setAcordePorNome(const std::string& nome);

  // There must be a current chord. OutOfBoundsException when the fingering does not exist.
  const PosicaoHarmonicaInstrumentoCordas* getPosicaoAcordeAtual();
  void proximaPosicao();
  void posicaoAnterior();
  // Makes the rest of the current chord's fingerings now (on the chord base's instrument they
  // are made when browsing passes the last stored one), so that all of them can be listed.
  void completarPosicoes();
  void limpar();
  int getIndiceAcordeAtual() const { return indiceAcorde_; }
  int getIndicePosicaoAtual() const { return indicePosicao_; }

  // These need a current chord: OutOfBoundsException without one.
  int getRaizAcordeAtual() const;
  bool usaBemolAcordeAtual() const;
  std::string getNomeAcordeAtual() const;
  AcordeComposto* getAcordeAtual();

  // Look for the fingering among the current chord's (generating them on the chord base's
  // instrument when they are not yet), selecting it (`encontrarPosicao`) or not; append a
  // copy of it. On any instrument they act on the fingerings being browsed.
  // IllegalArgumentException for a null fingering.
  bool encontrarPosicao(const PosicaoHarmonica* posicao);
  bool existePosicao(const PosicaoHarmonica* posicao);
  void adicionarPosicao(const PosicaoHarmonica* posicao);

  // The voicing and the capo fret of the fingerings from now on; the current chord's are made
  // again, from the first.
  void definirDisposicao(Disposicao disposicao);
  Disposicao getDisposicao() const { return disposicao_; }
  void definirCapo(int capo);
  int getCapo() const { return capo_; }
  // The name of the shape frets counted from the capo make without it (the chord the hand
  // plays as if there were none); "" as nomearCasas.
  std::string nomearForma(const std::vector<int>& casas) const;

  // The name of the chord the notes sound around the root note (MIDI numbers, -1 silent): the
  // base's own name when the base holds that chord, else the canonical name; "" on failure.
  std::string nomearAcorde(std::span<const int> notas, int raiz) const;
  // The same for frets on the current instrument (below 0: not played), around the note of
  // string `cordaRaiz`, or of the lowest string that sounds when it is negative (on a
  // re-entrant tuning, the simplest reading without a bass); "" also when no string sounds or
  // the root's string does not.
  std::string nomearCasas(const std::vector<int>& casas, int cordaRaiz = -1) const;
  // The note names and intervals of a fingering's strings on the current instrument, spelled
  // by the chord its name reads as ("" for a silent string).
  GrafiaNotas::Rotulos rotulosPosicao(const PosicaoHarmonicaInstrumentoCordas& posicao) const;
  // Every reading of frets on the current instrument, one per sounding pitch class as the
  // root, the simplest first (Especialista::leituras), named as `nomearAcorde` names them.
  std::vector<std::string> leiturasCasas(const std::vector<int>& casas) const;

 private:
  // The current instrument as the capo shortens it.
  const InstrumentoCordas* instrumento() const;
  std::string nomearCasas(const InstrumentoCordas& instrumento, const std::vector<int>& casas,
                          int cordaRaiz) const;
  void recomecarPosicoes();
  bool usaBase() const;
  std::string nomeInstrumento() const;
  // The base's name of a code when the base holds it, else its canonical name.
  std::string nomeDoCodigo(int32_t codigo) const;
  std::vector<int32_t> leituras(const InstrumentoCordas& instrumento,
                                const std::vector<int>& casas) const;
  ColecaoPtr<PosicaoHarmonica>& listaAtual();
  void verificarAcorde(int indice, const char* metodo) const;
  [[noreturn]] void recusarIndice(int indice, const char* metodo) const;
  std::string texto(const char* secao, const char* chave) const;

  void carregarBase(const std::filesystem::path& diretorio);
  bool gerarPosicoes();
  ColecaoPtr<PosicaoHarmonica> posicoesGeradas(int32_t codigo);
  void ordenarPorCusto(ColecaoPtr<PosicaoHarmonica>& posicoes, int32_t codigo) const;
  bool atualizar();
  bool regenerarAtual(const std::string& nome);
  bool adicionarNovo(int32_t codigo, const std::string& nome);
  int procurar(const PosicaoHarmonica& posicao, int inicio);
  int buscar(const PosicaoHarmonica* posicao, const char* metodo);

  Colaboradores colaboradores_;
  std::unique_ptr<BaseAcordes> base_;
  int indiceAcorde_ = -1;
  int indicePosicao_ = -1;
  std::vector<int32_t> codigos_;
  std::vector<bool> geradas_;
  std::unique_ptr<AcordeComposto> acordeAtual_;
  std::string nomeInstrumento_;
  Disposicao disposicao_;
  int capo_ = 0;
  mutable std::optional<InstrumentoCordas> encurtado_;
};

}  // namespace tessara
