#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace tessara {

// The pitch tracker's frames over a stream: YIN on windows long enough for two periods of
// the lowest bass string, one estimate per hop (0 when the frame has no clear pitch). The
// library's YIN computed through the FFT ("yinfast"): its YIN-FFT variant reads a pure low
// tone tens of cents sharp.
class DetectorAltura {
 public:
  static constexpr double FREQUENCIA_MINIMA = 30.0;
  static constexpr double FREQUENCIA_MAXIMA = 1500.0;

  explicit DetectorAltura(double taxaAmostragem);
  ~DetectorAltura();
  DetectorAltura(const DetectorAltura&) = delete;
  DetectorAltura& operator=(const DetectorAltura&) = delete;

  // Calls `estimativa` with each frame's pitch in Hz, 0 for none.
  void alimentar(const float* amostras, std::size_t n,
                 const std::function<void(double)>& estimativa);

  std::size_t passo() const { return passo_; }

 private:
  // The library's objects, whose types its header alone can name.
  struct Aubio;

  double taxa_;
  std::size_t passo_;
  std::unique_ptr<Aubio> aubio_;
  std::size_t cheio_ = 0;
};

}  // namespace tessara
