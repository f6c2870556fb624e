#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

#include "ouvir/QuadroCroma.h"

typedef struct fftwf_plan_s* fftwf_plan;

namespace tessara {

// The chromagram of a stream: Hann-windowed FFT frames of about 0.19 s every quarter frame;
// the spectral peaks, placed by parabolic interpolation, give each semitone its strength, which
// is compressed (log) so the harmonics of one loud string do not drown the others, then folded
// into pitch classes, after each note's overtones are taken out of the notes above it, and
// blended with the chance that each pitch class is played (PresencaNotas). The bass
// is the lowest note that stands clearly out. Each frame also says how much it tells of the
// chord (the frames soon after a stroke tell most) and whether the stroke was of one string
// alone (every note heard on one harmonic series).
class Cromagrama {
 public:
  explicit Cromagrama(double taxaAmostragem);
  ~Cromagrama();
  Cromagrama(const Cromagrama&) = delete;
  Cromagrama& operator=(const Cromagrama&) = delete;

  void alimentar(const float* amostras, std::size_t n,
                 const std::function<void(const QuadroCroma&)>& quadro);

  std::size_t passo() const { return passo_; }
  std::size_t janela() const { return janela_; }
  double taxa() const { return taxa_; }

 private:
  struct Liberar {
    void operator()(float* p) const;
    void operator()(fftwf_plan p) const;
  };

  QuadroCroma analisar();
  // The frame's weight from the time since the last stroke; whether it is soon after one.
  bool pesar(QuadroCroma& q);
  // The bass: the lowest note that stands clearly out, or a fainter one under it whose octave
  // and twelfth do; -1 for none.
  int notaGrave(float maxima) const;
  // Whether every note heard lies on the harmonic series of the lowest.
  bool umaSerie(float maxima) const;
  // Strength per MIDI note from the spectrum's peaks.
  void saliencias();

  double taxa_;
  std::size_t janela_;
  std::size_t passo_;
  std::vector<float> anel_;  // the last `janela_` samples, circular
  std::size_t escrita_ = 0;
  std::size_t desdeQuadro_ = 0;
  std::size_t recebidas_ = 0;
  std::vector<float> hann_;
  std::unique_ptr<float, Liberar> entrada_;
  std::unique_ptr<float, Liberar> espectro_;  // complex, interleaved
  std::unique_ptr<std::remove_pointer_t<fftwf_plan>, Liberar> plano_;
  std::vector<float> magnitudes_;
  std::vector<float> notas_;   // strength per MIDI note, overtones taken out
  std::vector<float> brutas_;  // the same as heard
  float nivelAnterior_ = -120.0f;
  double ultimoGolpe_ = -1e9;
  // Of the frames soon after the last stroke, how many, and how many heard one string alone.
  int votos_ = 0;
  int votosNotaSozinha_ = 0;
};

}  // namespace tessara
