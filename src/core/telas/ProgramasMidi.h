#pragma once

#include <array>
#include <string>

namespace tessara {

// The names of the General MIDI programs, by program number from 0, as the instrument editor
// offers them. They are the instruments' own names and are not translated.
class ProgramasMidi {
 public:
  static constexpr int QUANTIDADE = 128;

  static const std::array<const char*, QUANTIDADE>& nomes();
};

}  // namespace tessara
