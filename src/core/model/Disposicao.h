#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessara {

// How a chord's tones are laid on the strings. The usual rule puts the root in the bass; the
// others are the voicings players reach for beyond it. Each has a fixed name, the same in the
// settings file and on the command line, whatever the language.
class Disposicao {
 public:
  enum Tipo {
    RAIZ,       // the root lowest
    INVERSOES,  // the third, fifth or seventh lowest, named as a slash chord
    SEM_RAIZ,   // a chord with a ninth, eleventh or thirteenth, without its root
    DROP2,      // four tones on adjacent strings, the second from the top of a close voicing
    DROP3,      // dropped an octave (the third from the top for drop 3)
    SHELL       // root, third and seventh alone
  };
  static constexpr int NUMERO = 6;

  constexpr Disposicao(Tipo tipo = RAIZ) : tipo_(tipo) {}

  constexpr Tipo tipo() const { return tipo_; }
  constexpr bool operator==(const Disposicao&) const = default;

  std::string_view nome() const;
  // The voicing of a name (exact, lower case); nothing for any other text.
  static std::optional<Disposicao> ler(std::string_view nome);
  // Every name, in order, separated by `separador`.
  static std::string nomesAceitos(std::string_view separador);

 private:
  Tipo tipo_;
};

}  // namespace tessara
