#pragma once

#include <array>

namespace tessara {

// One frame of the chromagram: how strongly each pitch class sounds (C = 0) over the whole
// range and in the bass, and how loud the frame is.
struct QuadroCroma {
  // Quieter than this, nobody is playing.
  static constexpr float SILENCIO_DB = -55.0f;

  std::array<float, 12> agudos{};  // 0..1 per pitch class, the strongest 1
  std::array<float, 12> graves{};  // the lowest clear note's pitch class, 0..1
  float nivelDb = -120.0f;         // the frame's RMS level, dBFS
  double instante = 0;             // seconds from the start to the frame's centre
  bool ataque = false;             // within the attack of a stroke, old and new sounds mixed
  bool notaSozinha = false;        // one string alone: every note heard is an overtone of one
  float peso = 1.0f;               // how much the frame tells of the chord (see Cromagrama)

  bool silencio() const { return nivelDb < SILENCIO_DB; }
};

}  // namespace tessara
