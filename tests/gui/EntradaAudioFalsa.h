#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "sound/EntradaAudio.h"
#include "sound/RelogioVirtual.h"

namespace tessara::teste {

// A sound input whose samples are a function of the virtual clock's time: reading gives every
// sample from the last reading up to now, so a test that moves the clock decides what the
// listening heard and when.
class EntradaAudioFalsa : public EntradaAudio {
 public:
  using Som = std::function<float(double segundos)>;

  explicit EntradaAudioFalsa(const RelogioVirtual& relogio, double taxa = 44100)
      : relogio_(relogio), taxa_(taxa) {}

  std::vector<std::string> listarDispositivos() override { return dispositivos; }
  Situacao abrir(const std::string& dispositivo) override {
    abertos.push_back(dispositivo);
    // The default is the first device, when there is one.
    const bool existe = dispositivo.empty() ? !dispositivos.empty()
                                            : std::find(dispositivos.begin(), dispositivos.end(),
                                                        dispositivo) != dispositivos.end();
    situacao_ = !existe ? Situacao::semDispositivo : aoAbrir;
    lida_ = amostraAgora();
    return situacao_;
  }
  void fechar() override { situacao_ = Situacao::parada; }
  Situacao situacao() const override { return situacao_; }
  double taxa() const override { return taxa_; }
  void ler(std::vector<float>& destino) override {
    if (situacao_ != Situacao::captando) return;
    const long fim = amostraAgora();
    for (long i = lida_; i < fim; ++i) destino.push_back(som(static_cast<double>(i) / taxa_));
    lida_ = fim;
  }

  // The input breaks off while open.
  void quebrar() { situacao_ = Situacao::falhou; }

  // Pure tones, each with a few harmonics, of the MIDI notes (and frequencies) given.
  static Som tons(std::vector<double> frequencias, float amplitude = 0.3f) {
    return [frequencias, amplitude](double t) {
      double soma = 0;
      for (double f : frequencias) {
        for (int h = 1; h <= 4; ++h) soma += std::sin(2 * std::numbers::pi * f * h * t) / h;
      }
      return static_cast<float>(amplitude * soma / std::max<size_t>(1, frequencias.size()));
    };
  }
  static Som seno(double frequencia, float amplitude = 0.5f) {
    return [frequencia, amplitude](double t) {
      return static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * frequencia * t));
    };
  }
  static double hertz(int notaMidi) { return 440.0 * std::exp2((notaMidi - 69) / 12.0); }
  static Som acorde(const std::vector<int>& notas) {
    std::vector<double> f;
    for (int n : notas) f.push_back(hertz(n));
    return tons(f);
  }

  std::vector<std::string> dispositivos{"USB Microphone", "Line in"};
  Situacao aoAbrir = Situacao::captando;
  Som som = [](double) { return 0.0f; };
  std::vector<std::string> abertos;  // the devices asked for, in order

 private:
  long amostraAgora() const {
    return static_cast<long>(std::chrono::duration<double>(relogio_.agora()).count() * taxa_);
  }

  const RelogioVirtual& relogio_;
  double taxa_;
  Situacao situacao_ = Situacao::parada;
  long lida_ = 0;
};

}  // namespace tessara::teste
