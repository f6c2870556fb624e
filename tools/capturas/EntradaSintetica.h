#pragma once

#include <QElapsedTimer>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "sound/EntradaAudio.h"

namespace tessara {

// A sound input for the pictures: plucked-string tones (a few harmonics, a slow decay) of the
// frequencies set, made as the real clock runs, so the tuner and the chord finder have
// something to hear without a sound card.
class EntradaSintetica : public EntradaAudio {
 public:
  static constexpr double TAXA = 44100;

  // From now on these frequencies sound, plucked afresh.
  void tocar(std::vector<double> frequencias) {
    frequencias_ = std::move(frequencias);
    ataque_ = amostraAgora();
  }
  static double hertz(double notaMidi) { return 440.0 * std::exp2((notaMidi - 69) / 12.0); }

  std::vector<std::string> listarDispositivos() override { return {"Synthetic strings"}; }
  Situacao abrir(const std::string&) override {
    relogio_.start();
    lida_ = 0;
    ataque_ = 0;
    return situacao_ = Situacao::captando;
  }
  void fechar() override { situacao_ = Situacao::parada; }
  Situacao situacao() const override { return situacao_; }
  double taxa() const override { return TAXA; }
  void ler(std::vector<float>& destino) override {
    if (situacao_ != Situacao::captando) return;
    const long fim = amostraAgora();
    for (long i = lida_; i < fim; ++i) destino.push_back(amostra(i));
    lida_ = fim;
  }

 private:
  long amostraAgora() const {
    return relogio_.isValid() ? static_cast<long>(relogio_.elapsed() * TAXA / 1000) : 0;
  }
  float amostra(long i) const {
    const double t = static_cast<double>(i) / TAXA;
    const double desde = static_cast<double>(i - ataque_) / TAXA;
    double soma = 0;
    for (double f : frequencias_) {
      for (int h = 1; h <= 4; ++h) soma += std::sin(2 * std::numbers::pi * f * h * t) / h;
    }
    const double n = frequencias_.empty() ? 1.0 : static_cast<double>(frequencias_.size());
    return static_cast<float>(0.4 * std::exp(-desde / 3.0) * soma / n);
  }

  QElapsedTimer relogio_;
  std::vector<double> frequencias_;
  long lida_ = 0;
  long ataque_ = 0;
  Situacao situacao_ = Situacao::parada;
};

}  // namespace tessara
