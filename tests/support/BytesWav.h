#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <string>

namespace tessara::teste {

// The bytes of a WAV file as a test wants it, well made or not.
struct BytesWav {
  uint16_t formato = 1;  // 1 PCM, 3 float, others refused
  uint16_t canais = 1;
  uint32_t taxa = 44100;
  uint16_t bits = 16;
  std::string dados;
  std::optional<uint32_t> tamanhoDeclarado;  // the data chunk's size as the header claims it

  std::string bytes() const {
    std::string fmt;
    poe16(fmt, formato);
    poe16(fmt, canais);
    poe32(fmt, taxa);
    poe32(fmt, taxa * canais * (bits / 8));
    poe16(fmt, static_cast<uint16_t>(canais * (bits / 8)));
    poe16(fmt, bits);
    std::string corpo = "WAVE";
    corpo += "fmt ";
    poe32(corpo, static_cast<uint32_t>(fmt.size()));
    corpo += fmt;
    corpo += "data";
    poe32(corpo, tamanhoDeclarado.value_or(static_cast<uint32_t>(dados.size())));
    corpo += dados;
    std::string riff = "RIFF";
    poe32(riff, static_cast<uint32_t>(corpo.size()));
    return riff + corpo;
  }

  // A sine of 16-bit samples, one channel.
  static std::string seno16(double frequencia, double segundos, uint32_t taxa) {
    std::string s;
    const auto n = static_cast<size_t>(segundos * taxa);
    for (size_t i = 0; i < n; ++i) {
      const double v = 0.5 * std::sin(2 * std::numbers::pi * frequencia * static_cast<double>(i) /
                                      static_cast<double>(taxa));
      poe16(s, static_cast<uint16_t>(static_cast<int16_t>(std::lround(v * 32767))));
    }
    return s;
  }

  static void poe16(std::string& s, uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
  }
  static void poe32(std::string& s, uint32_t v) {
    poe16(s, static_cast<uint16_t>(v & 0xFFFF));
    poe16(s, static_cast<uint16_t>(v >> 16));
  }
};

}  // namespace tessara::teste
