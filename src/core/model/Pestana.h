#pragma once

#include <optional>
#include <span>
#include <vector>

namespace tessara {

// One finger laid flat across neighbouring strings at one fret, as chord charts draw it: one
// bar from its lowest string to its highest, its finger named once.
struct Pestana {
  int dedo = 0;
  int casa = 0;
  int primeiraCorda = 0;  // the lowest string index it covers
  int ultimaCorda = 0;    // the highest

  bool cobre(int corda) const { return corda >= primeiraCorda && corda <= ultimaCorda; }
  bool operator==(const Pestana&) const = default;

  // The barres of a fingering (frets and fingers per string, as the fingering stores them):
  // a finger of 1 to 4 on two strings or more at the same fret, every string between them
  // pressed at that fret or higher. A string between that is open or not played breaks it.
  static std::vector<Pestana> encontrar(std::span<const int> casas, std::span<const int> dedos);
  // The barre of one finger, if it lays one.
  static std::optional<Pestana> doDedo(std::span<const int> casas, std::span<const int> dedos,
                                       int dedo);

  static constexpr int PRIMEIRO_DEDO = 1;
  static constexpr int ULTIMO_DEDO = 4;
};

}  // namespace tessara
