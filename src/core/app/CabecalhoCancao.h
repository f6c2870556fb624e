#pragma once

#include <string>

namespace tessara {

// What a song's heading says: its title, key and capo fret (0 without a capo). Texts CP1252.
struct CabecalhoCancao {
  std::string titulo;
  std::string tom;
  int capo = 0;
  // The song's sheet as chords over lyrics, for its songbook page; empty when not kept.
  std::string letra = {};

  bool vazio() const { return titulo.empty() && tom.empty() && capo == 0 && letra.empty(); }
  bool operator==(const CabecalhoCancao&) const = default;
};

}  // namespace tessara
