#pragma once

#include <string>
#include <vector>

namespace tessara {

// The menu that picks an open string's note in the instrument editor: six octaves of twelve
// notes, MIDI 24 to 95 (C1 to B6, down to a bass's low strings), reached either note first (each
// note opens its octaves) or octave first (each octave opens its notes). Every A carries its
// frequency, to tune by ear.
class MenuNotas {
 public:
  static constexpr int NOTA_MINIMA = 24;
  static constexpr int OITAVAS = 6;
  static constexpr int NOTAS_OITAVA = 12;

  struct Escolha {
    std::string rotulo;
    int nota;
  };
  struct Grupo {
    std::string rotulo;
    std::vector<Escolha> escolhas;
  };

  // The captions of the low, middle and high octaves, in the current language.
  MenuNotas(std::string grave, std::string media, std::string aguda);

  static int nota(int oitava, int indiceNota) {
    return NOTA_MINIMA + NOTAS_OITAVA * oitava + indiceNota;
  }
  // "Low (1)" ... "High (6)": the caption, then the octave's number in scientific pitch.
  std::string rotuloOitava(int oitava) const;

  // Twelve groups, one per note, each with the six octaves.
  std::vector<Grupo> porNota() const;
  // Six groups, one per octave, each with the twelve notes.
  std::vector<Grupo> porOitava() const;

 private:
  static std::string frequencia(int oitava, int indiceNota);

  std::string grave_;
  std::string media_;
  std::string aguda_;
};

}  // namespace tessara
