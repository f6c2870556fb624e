#pragma once

#include <string>
#include <string_view>

namespace tessara::cp1252 {

// Texts inside the core are Windows-1252; these convert at the edges (terminal, Qt, XML).

// UTF-8 to CP1252. A character that CP1252 cannot hold becomes '?' (the chord charts' triangle
// for the major seventh, Δ or △, becomes '^'); malformed UTF-8 bytes
// are taken as CP1252 bytes as they stand, so an 8-bit text passed by mistake survives.
std::string deUtf8(std::string_view utf8);

// Whether the text is well-formed UTF-8 throughout (plain ASCII is).
bool utf8Valido(std::string_view texto);

// A text of a file that may be either: UTF-8 when it is well-formed UTF-8, else CP1252 as it
// stands. Accented CP1252 text is almost never well-formed UTF-8, so both read right.
std::string deUtf8OuCp1252(std::string_view texto);

// CP1252 to UTF-8. The five undefined bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control characters of the same value, as the usual converters do.
std::string paraUtf8(std::string_view cp1252);

// The CP1252 code of a Unicode code point, or -1 when CP1252 has none.
int codigoDe(char32_t codePoint);

// The Unicode code point of a CP1252 byte.
char32_t codePointDe(unsigned char byte);

}  // namespace tessara::cp1252

// A literal written in UTF-8 in the source, as the CP1252 bytes the core works with.
#define TXT(literal) ::tessara::cp1252::deUtf8(literal)
