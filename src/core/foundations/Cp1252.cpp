#include "foundations/Cp1252.h"

#include <array>

namespace tessara::cp1252 {

namespace {

// Code points of the bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kFaixa80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void anexarUtf8(std::string& saida, char32_t cp) {
  if (cp < 0x80) {
    saida += static_cast<char>(cp);
  } else if (cp < 0x800) {
    saida += static_cast<char>(0xC0 | (cp >> 6));
    saida += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    saida += static_cast<char>(0xE0 | (cp >> 12));
    saida += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    saida += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at texto[i]; returns its length, 0 when malformed.
size_t decodificar(std::string_view texto, size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(texto[i]);
  size_t n = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    n = 2;
    cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    n = 3;
    cp = b0 & 0x0F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    n = 4;
    cp = b0 & 0x07;
  } else {
    return 0;
  }
  if (i + n > texto.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    const auto b = static_cast<unsigned char>(texto[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  const char32_t minimo = n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
  if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

}  // namespace

char32_t codePointDe(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kFaixa80[byte - 0x80];
  return byte;
}

int codigoDe(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (size_t i = 0; i < kFaixa80.size(); ++i) {
    if (kFaixa80[i] == cp) return static_cast<int>(0x80 + i);
  }
  return -1;
}

namespace {

// What stands for a character CP1252 lacks: the triangle of chord charts (major seventh) is
// "^", as charts typed in ASCII write it; anything else is '?'.
char substituto(char32_t cp) { return cp == U'\u0394' || cp == U'\u25B3' ? '^' : '?'; }

}  // namespace

std::string deUtf8(std::string_view utf8) {
  std::string saida;
  saida.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const auto b0 = static_cast<unsigned char>(utf8[i]);
    if (b0 < 0x80) {
      saida += static_cast<char>(b0);
      ++i;
      continue;
    }
    char32_t cp = 0;
    const size_t n = decodificar(utf8, i, cp);
    if (n == 0) {
      saida += static_cast<char>(b0);
      ++i;
      continue;
    }
    const int codigo = codigoDe(cp);
    saida += codigo >= 0 ? static_cast<char>(codigo) : substituto(cp);
    i += n;
  }
  return saida;
}

bool utf8Valido(std::string_view texto) {
  for (size_t i = 0; i < texto.size();) {
    if (static_cast<unsigned char>(texto[i]) < 0x80) {
      ++i;
      continue;
    }
    char32_t cp = 0;
    const size_t n = decodificar(texto, i, cp);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string deUtf8OuCp1252(std::string_view texto) {
  return utf8Valido(texto) ? deUtf8(texto) : std::string(texto);
}

std::string paraUtf8(std::string_view texto) {
  std::string saida;
  saida.reserve(texto.size() + texto.size() / 4);
  for (char c : texto) anexarUtf8(saida, codePointDe(static_cast<unsigned char>(c)));
  return saida;
}

}  // namespace tessara::cp1252
