#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace tessara::teste {

// A 16-bit PCM WAV file read back, for the tests that listen to the synthesizer.
struct SomWav {
  int taxa = 0;
  int canais = 0;
  int bits = 0;
  std::vector<double> mono;  // the channels averaged, in -1..1

  double duracao() const { return taxa > 0 ? static_cast<double>(mono.size()) / taxa : 0.0; }
  double pico() const;

  // Power at one frequency between two instants in seconds (Hann window).
  double potencia(double frequencia, double inicio, double fim) const;

  // Times in seconds of the note attacks: peaks of the spectral flux (5 ms hops, bins up to
  // 5 kHz) that stand well above the flux around them, at least 30 ms apart.
  std::vector<double> ataques() const;

 private:
  size_t amostra(double segundos) const;
  std::vector<double> fluxoEspectral(size_t passo) const;
};

// Checks, as part of the running test, that the sound is an arpeggio: one attack per note,
// `intervalo` seconds apart from the start, and a spectral peak at each fundamental (well
// above the semitones beside it) while they sound.
void verificarArpejo(const SomWav& som, const std::vector<double>& fundamentais, double intervalo);

// Nothing when the file is not a 16-bit PCM WAV.
std::optional<SomWav> lerWav(const std::filesystem::path& arquivo);

}  // namespace tessara::teste
