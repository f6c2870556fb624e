#include "AnaliseWav.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <numbers>
#include <string>

#include "PastaTemporaria.h"

namespace tessara::teste {

namespace {

uint32_t lerLE(const std::string& bytes, size_t pos, int n) {
  uint32_t valor = 0;
  for (int i = n - 1; i >= 0; --i) {
    valor = (valor << 8) | static_cast<unsigned char>(bytes[pos + static_cast<size_t>(i)]);
  }
  return valor;
}

}  // namespace

std::optional<SomWav> lerWav(const std::filesystem::path& arquivo) {
  const std::string bytes = lerArquivo(arquivo);
  if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
    return std::nullopt;
  }
  SomWav som;
  size_t pos = 12;
  while (pos + 8 <= bytes.size()) {
    const std::string id = bytes.substr(pos, 4);
    const uint32_t tamanho = lerLE(bytes, pos + 4, 4);
    const size_t corpo = pos + 8;
    if (id == "fmt " && tamanho >= 16 && corpo + 16 <= bytes.size()) {
      if (lerLE(bytes, corpo, 2) != 1) return std::nullopt;  // PCM only
      som.canais = static_cast<int>(lerLE(bytes, corpo + 2, 2));
      som.taxa = static_cast<int>(lerLE(bytes, corpo + 4, 4));
      som.bits = static_cast<int>(lerLE(bytes, corpo + 14, 2));
    } else if (id == "data") {
      if (som.bits != 16 || som.canais < 1 || corpo + tamanho > bytes.size()) return std::nullopt;
      const size_t quadros = tamanho / (2 * static_cast<size_t>(som.canais));
      som.mono.resize(quadros);
      for (size_t q = 0; q < quadros; ++q) {
        double soma = 0;
        for (int c = 0; c < som.canais; ++c) {
          const auto amostra = static_cast<int16_t>(
              lerLE(bytes,
                    corpo + (q * static_cast<size_t>(som.canais) + static_cast<size_t>(c)) * 2, 2));
          soma += amostra / 32768.0;
        }
        som.mono[q] = soma / som.canais;
      }
      return som;
    }
    pos = corpo + tamanho + (tamanho & 1);
  }
  return std::nullopt;
}

namespace {

double hann(size_t i, size_t n) {
  return 0.5 -
         0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(n - 1));
}

// In-place radix-2 FFT.
void fft(std::vector<std::complex<double>>& a) {
  const size_t n = a.size();
  for (size_t i = 1, j = 0; i < n; ++i) {
    size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (size_t len = 2; len <= n; len <<= 1) {
    const auto raiz = std::polar(1.0, -2 * std::numbers::pi / static_cast<double>(len));
    for (size_t i = 0; i < n; i += len) {
      std::complex<double> w = 1;
      for (size_t j = 0; j < len / 2; ++j) {
        const auto u = a[i + j];
        const auto v = a[i + j + len / 2] * w;
        a[i + j] = u + v;
        a[i + j + len / 2] = u - v;
        w *= raiz;
      }
    }
  }
}

double mediana(std::vector<double> valores) {
  std::nth_element(valores.begin(), valores.begin() + static_cast<long>(valores.size() / 2),
                   valores.end());
  return valores[valores.size() / 2];
}

}  // namespace

size_t SomWav::amostra(double segundos) const {
  return static_cast<size_t>(std::clamp(segundos, 0.0, duracao()) * taxa);
}

double SomWav::pico() const {
  double maior = 0;
  for (double x : mono) maior = std::max(maior, std::abs(x));
  return maior;
}

double SomWav::potencia(double frequencia, double inicio, double fim) const {
  const size_t de = amostra(inicio);
  const size_t ate = amostra(fim);
  if (ate <= de + 1) return 0.0;
  const double coeficiente = 2 * std::cos(2 * std::numbers::pi * frequencia / taxa);
  double s1 = 0, s2 = 0, somaJanela = 0;
  for (size_t i = de; i < ate; ++i) {  // Goertzel
    const double janela = hann(i - de, ate - de);
    somaJanela += janela;
    const double s = mono[i] * janela + coeficiente * s1 - s2;
    s2 = s1;
    s1 = s;
  }
  return (s1 * s1 + s2 * s2 - coeficiente * s1 * s2) / (somaJanela * somaJanela);
}

// Frame n is centred on sample n * passo (outside the file is silence); its value is how much
// the log magnitudes grew since the frame before.
std::vector<double> SomWav::fluxoEspectral(size_t passo) const {
  constexpr size_t kQuadro = 1024;
  const size_t ultimoBin = kQuadro * 5000 / static_cast<size_t>(taxa);
  std::vector<double> fluxo;
  std::vector<double> anterior(ultimoBin, 0.0);
  std::vector<std::complex<double>> bloco(kQuadro);
  for (size_t centro = 0; centro < mono.size(); centro += passo) {
    for (size_t i = 0; i < kQuadro; ++i) {
      const size_t j = centro + i;  // index into the file plus half a frame
      const bool dentro = j >= kQuadro / 2 && j - kQuadro / 2 < mono.size();
      bloco[i] = dentro ? mono[j - kQuadro / 2] * hann(i, kQuadro) : 0.0;
    }
    fft(bloco);
    double soma = 0;
    for (size_t b = 2; b < ultimoBin; ++b) {
      const double m = std::log1p(1000 * std::abs(bloco[b]));
      soma += std::max(0.0, m - anterior[b]);
      anterior[b] = m;
    }
    fluxo.push_back(soma);
  }
  return fluxo;
}

std::vector<double> SomWav::ataques() const {
  const size_t passo = static_cast<size_t>(taxa) / 200;  // 5 ms
  const std::vector<double> fluxo = fluxoEspectral(passo);
  constexpr size_t kVizinhanca = 6;  // 30 ms
  constexpr size_t kContexto = 20;   // 100 ms
  std::vector<double> tempos;
  for (size_t n = 0; n < fluxo.size(); ++n) {
    const auto em = [&](size_t raio) {
      return std::pair(fluxo.begin() + static_cast<long>(n >= raio ? n - raio : 0),
                       fluxo.begin() + static_cast<long>(std::min(fluxo.size(), n + raio + 1)));
    };
    const auto [de, ate] = em(kVizinhanca);
    const auto [contextoDe, contextoAte] = em(kContexto);
    const bool maximoLocal = fluxo[n] == *std::max_element(de, ate);
    if (maximoLocal && fluxo[n] > 2.2 * mediana(std::vector<double>(contextoDe, contextoAte))) {
      tempos.push_back(static_cast<double>(n * passo) / taxa);
    }
  }
  return tempos;
}

void verificarArpejo(const SomWav& som, const std::vector<double>& fundamentais, double intervalo) {
  const double fim = intervalo * static_cast<double>(fundamentais.size());
  std::vector<double> ataques;
  for (double t : som.ataques()) {
    if (t < fim) ataques.push_back(t);
  }
  ASSERT_EQ(ataques.size(), fundamentais.size());
  for (size_t k = 0; k < ataques.size(); ++k) {
    EXPECT_NEAR(ataques[k], intervalo * static_cast<double>(k), 0.02) << "attack " << k;
  }
  const double semitom = std::pow(2.0, 1.0 / 12);
  for (double f : fundamentais) {
    SCOPED_TRACE(f);
    const double naNota = som.potencia(f, 0.02, fim);
    EXPECT_GT(naNota, 8 * som.potencia(f / semitom, 0.02, fim));
    EXPECT_GT(naNota, 8 * som.potencia(f * semitom, 0.02, fim));
  }
}

}  // namespace tessara::teste
