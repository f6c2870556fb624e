#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/AnaliseAcorde.h"
#include "chords/GrafiaNotas.h"

namespace tessara {

// The chord picker's model: a root, a quality and a bass from lists, and the chord name they
// make in the language's own symbols ("maj7", "m7b5", "dim7" in English; "7M", "m7(b5)", "°"
// in Portuguese). Each quality is the chord its symbol parses to, so every name the picker
// builds reads back to the same choices, and a typed name sets them when it is one of them.
class SeletorAcorde {
 public:
  static constexpr int NUMERO_RAIZES = 12;
  // The plain major triad, whose symbol is empty.
  static constexpr int MAIOR = 0;
  static constexpr int SEM_BAIXO = -1;

  struct Escolha {
    int raiz = 0;           // pitch class, C = 0
    int qualidade = MAIOR;  // index into the qualities
    int baixo = SEM_BAIXO;  // pitch class, or SEM_BAIXO
    bool operator==(const Escolha&) const = default;
  };

  // How a name reads in the grammar (the façade's analisarAcorde); it raises on a name it
  // refuses.
  using Analisador = std::function<AnaliseAcorde(const std::string&)>;

  // Raises what `analisar` raises if a quality's symbol does not read.
  SeletorAcorde(Gramatica gramatica, Analisador analisar);

  Gramatica getGramatica() const { return gramatica_; }
  // The twelve roots as chord charts spell them: C C# D Eb E F F# G Ab A Bb B.
  static const std::array<const char*, NUMERO_RAIZES>& getRaizes();
  // Each quality's symbol in this grammar, the major's empty.
  const std::vector<std::string>& getSimbolos() const { return simbolos_; }
  int getNumeroQualidades() const { return static_cast<int>(simbolos_.size()); }

  // The chord name of the choices ("C#m7(b5)/G"); an index out of range counts as the major
  // and a bass out of range as none.
  std::string nome(const Escolha& escolha) const;
  // The choices that build a chord of the same root, quality and bass as the name; none when
  // the name does not parse or its quality is not in the lists.
  std::optional<Escolha> ler(std::string_view nome) const;

 private:
  Gramatica gramatica_;
  Analisador analisar_;
  std::vector<std::string> simbolos_;
  std::vector<std::vector<int>> graus_;  // each quality's degrees
};

}  // namespace tessara
