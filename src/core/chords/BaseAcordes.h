#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chords/AcordeComposto.h"
#include "foundations/Textos.h"

namespace tessara {

class Interacao;
class PosicaoHarmonica;

// A stored list of named chords, each with its fingerings, and the list of their names,
// index for index. Loading sorts both in chord-name order; names are looked up ignoring
// letter case, the accented letters of CP1252 included. This plain kind reads a text file of
// white-space-separated names and fills only the names.
class BaseAcordes {
 public:
  // The longest name a text file holds; longer words are left out.
  static constexpr size_t MAXIMO_PALAVRA = 49;

  BaseAcordes(const Textos& textos, Interacao& interacao);
  virtual ~BaseAcordes();
  BaseAcordes(const BaseAcordes&) = delete;
  BaseAcordes& operator=(const BaseAcordes&) = delete;

  // Replaces what was loaded. FileNotFoundException without a file; a file that cannot be
  // opened tells the user and asks the application to end, and nothing is read.
  virtual void carregarBase(const std::filesystem::path& arquivo);

  const std::vector<std::string>& getNomes() const { return nomes_; }
  // The chord itself; OutOfBoundsException outside the list.
  AcordeComposto* getAcorde(int indice) const;
  int getNumeroAcordes() const { return static_cast<int>(acordes_.size()); }
  // The number of different names the last load read.
  int getQuantidade() const { return quantidade_; }
  // The index of the name, ignoring the case of its first letter only; -1 when there is none.
  int indiceDoNome(std::string_view nome) const;

  // Appends a copy of the chord and its name (unsorted).
  void adicionarAcorde(const AcordeComposto& acorde);
  // Takes the chord and its name out, so that names and chords stay index for index;
  // OutOfBoundsException outside the list.
  void removerAcorde(int indice);
  // Removes, in one pass, each chord (and its name) whose entry in `remover` is true.
  void removerAcordes(const std::vector<bool>& remover);
  // Appends a copy of the fingering to the chord's; OutOfBoundsException outside the list.
  void adicionarPosicaoAcorde(int indice, const PosicaoHarmonica& posicao);
  // Chord-name order, the same for chords and names.
  void ordenar();

  // Letter case folded the CP1252 way, for look-ups.
  static std::string chaveNome(std::string_view nome);

 protected:
  // Empties the base, then the file's bytes; nothing when it cannot be read (the user has
  // been told). FileNotFoundException when there is no file.
  std::optional<std::string> abrir(const std::filesystem::path& arquivo);
  // No chords, no names, nothing counted.
  void esvaziar();
  void adicionarNome(std::string nome) { nomes_.push_back(std::move(nome)); }
  void adicionarNovo(std::unique_ptr<AcordeComposto> acorde);
  void contarNome() { ++quantidade_; }
  AcordeComposto& acordeEm(size_t indice) { return *acordes_[indice]; }

 private:
  void verificarIndice(int indice) const;

  const Textos& textos_;
  Interacao& interacao_;
  std::vector<std::unique_ptr<AcordeComposto>> acordes_;
  std::vector<std::string> nomes_;
  int quantidade_ = 0;
};

}  // namespace tessara
