#pragma once

#include <cstddef>

namespace tessara::fuzz {

// The readers fuzzed over whole files take inputs up to this size. Two kilobytes hold several
// instruments, scales or chord records and every construct of the formats; larger inputs only
// repeat them and slow each run down, so they are skipped at once.
constexpr size_t MAIOR_ENTRADA = 2048;

}  // namespace tessara::fuzz
