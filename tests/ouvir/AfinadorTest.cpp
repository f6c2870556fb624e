#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <numbers>
#include <vector>

#include "SinteseOuvir.h"
#include "ouvir/Afinador.h"
#include "ouvir/Mediana.h"

namespace tessara {
namespace {

std::vector<float> senoide(double frequencia, double segundos, double taxa) {
  std::vector<float> s(static_cast<size_t>(segundos * taxa));
  for (size_t i = 0; i < s.size(); ++i) {
    s[i] = static_cast<float>(
        0.5 * std::sin(2 * std::numbers::pi * frequencia * static_cast<double>(i) / taxa));
  }
  return s;
}

// Fed as a sound card would hand it over, in blocks of 512.
LeituraAfinador ouvir(Afinador& afinador, const std::vector<float>& som) {
  for (size_t i = 0; i < som.size(); i += 512) {
    afinador.alimentar(som.data() + i, std::min<size_t>(512, som.size() - i));
  }
  return afinador.leitura();
}

// The needle over a whole note, read as the command line reads a file: the median reading.
LeituraAfinador ouvirNota(Afinador& afinador, const std::vector<float>& som) {
  std::vector<double> frequencias;
  for (size_t i = 0; i < som.size(); i += 512) {
    afinador.alimentar(som.data() + i, std::min<size_t>(512, som.size() - i));
    if (afinador.leitura().temNota) frequencias.push_back(afinador.leitura().frequencia);
  }
  return afinador.ler(Mediana::de(frequencias));
}

double centsEntre(double f, double referencia) { return 1200 * std::log2(f / referencia); }

// Power of the sound at one frequency over its first second after the attack (Goertzel, Hann).
double potencia(const std::vector<float>& som, double frequencia) {
  const size_t inicio = static_cast<size_t>(0.1 * teste::TAXA_SINTESE);
  const size_t n = std::min(som.size() - inicio, static_cast<size_t>(teste::TAXA_SINTESE));
  const double coeficiente = 2 * std::cos(2 * std::numbers::pi * frequencia / teste::TAXA_SINTESE);
  double s1 = 0, s2 = 0;
  for (size_t i = 0; i < n; ++i) {
    const double janela = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) /
                                               static_cast<double>(n));
    const double s0 = janela * som[inicio + i] + coeficiente * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  return s1 * s1 + s2 * s2 - coeficiente * s1 * s2;
}

// What the synthesizer really sounds, in cents off the note: its SoundFont's samples are not
// all in tune (the bass's low E is some 4 cents sharp). The first four harmonics' peaks, found
// to a quarter cent, averaged by their power.
double centsDoSom(const std::vector<float>& som, int nota) {
  const double f0 = 440 * std::pow(2, (nota - 69) / 12.0);
  double soma = 0, pesos = 0;
  for (int h = 1; h <= 4; ++h) {
    double melhor = 0, centsMelhor = 0;
    for (double c = -15; c <= 15; c += 0.25) {
      const double p = potencia(som, h * f0 * std::pow(2, c / 1200));
      if (p > melhor) {
        melhor = p;
        centsMelhor = c;
      }
    }
    soma += melhor * centsMelhor;
    pesos += melhor;
  }
  return soma / pesos;
}

TEST(Afinador, TonsPurosDe40a1000HzDentroDeUmCent) {
  for (double taxa : {44100.0, 48000.0}) {
    // Notes of the instruments' range, and frequencies between the notes.
    for (double f : {40.0, 41.2, 55.0, 61.7, 82.41, 100.0, 146.83, 196.0, 250.0, 329.63, 440.0,
                     523.25, 700.0, 880.0, 1000.0}) {
      SCOPED_TRACE(testing::Message() << f << " Hz at " << taxa);
      Afinador afinador(taxa);
      const LeituraAfinador l = ouvir(afinador, senoide(f, 0.6, taxa));
      ASSERT_TRUE(l.temNota);
      EXPECT_NEAR(centsEntre(l.frequencia, f), 0, 1.0);
      const double midi = 69 + centsEntre(f, 440) / 100;
      EXPECT_EQ(l.notaMidi, std::lround(midi));
      EXPECT_NEAR(l.centsNota, (midi - std::lround(midi)) * 100, 1.0);
    }
  }
}

TEST(Afinador, NotaECordaMaisProximaComOLaDeReferencia) {
  Afinador afinador(44100, 415);
  afinador.setCordas({40, 45, 50, 55, 59, 64});
  // A at 415 Hz is A4 exactly with that reference, 500 cents over the high E string.
  const LeituraAfinador la = ouvir(afinador, senoide(415, 0.5, 44100));
  EXPECT_EQ(la.notaMidi, 69);
  EXPECT_NEAR(la.centsNota, 0, 1.0);
  EXPECT_EQ(la.corda, 5);
  EXPECT_NEAR(la.centsCorda, 500, 1.0);
  // The reference stays within what instruments are tuned to.
  afinador.setReferenciaLa(300);
  EXPECT_EQ(afinador.referenciaLa(), ReferenciaLa::MINIMO);
  afinador.setReferenciaLa(1e9);
  EXPECT_EQ(afinador.referenciaLa(), ReferenciaLa::MAXIMO);
  // Silence brings the needle down; a string slightly flat reads as that string.
  Afinador outro(44100);
  outro.setCordas({40, 45, 50, 55, 59, 64});
  ouvir(outro, senoide(110, 0.5, 44100));
  EXPECT_FALSE(ouvir(outro, std::vector<float>(44100, 0.0f)).temNota);
  const LeituraAfinador grave =
      ouvir(outro, senoide(82.41 * std::pow(2, -12 / 1200.0), 0.6, 44100));
  EXPECT_EQ(grave.corda, 0);
  EXPECT_NEAR(grave.centsCorda, -12, 1.0);
}

// Each open string of the shipped instruments, played by the built-in synthesizer with the
// instrument's own sound, reads as its note, within 3 cents beyond the sample's own detuning.
TEST(Afinador, CordasSoltasDoSintetizadorDentroDeTresCents) {
  struct Instrumento {
    const char* nome;
    int programa;
    std::vector<int> cordas;
  };
  const Instrumento instrumentos[] = {
      {"guitar", 24, {40, 45, 50, 55, 59, 64}},
      {"bass", 33, {28, 33, 38, 43}},
      {"ukulele", 24, {67, 60, 64, 69}},
  };
  for (const Instrumento& instrumento : instrumentos) {
    // One rendering per instrument, its strings one after the other with a rest between.
    constexpr double NOTA = 1.2, PAUSA = 0.4;
    std::vector<teste::Toque> toques;
    for (int nota : instrumento.cordas) {
      toques.push_back({{nota}, NOTA});
      toques.push_back({{}, PAUSA});
    }
    const auto tudo = teste::renderizar(instrumento.programa, toques);
    if (tudo.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    for (size_t i = 0; i < instrumento.cordas.size(); ++i) {
      const int nota = instrumento.cordas[i];
      SCOPED_TRACE(testing::Message() << instrumento.nome << " string " << i);
      const auto inicio =
          tudo.begin() + static_cast<std::ptrdiff_t>(static_cast<double>(i) * (NOTA + PAUSA) *
                                                     teste::TAXA_SINTESE);
      const std::vector<float> som(
          inicio, inicio + static_cast<std::ptrdiff_t>(NOTA * teste::TAXA_SINTESE));
      Afinador afinador(teste::TAXA_SINTESE);
      afinador.setCordas(instrumento.cordas);
      const LeituraAfinador l = ouvirNota(afinador, som);
      ASSERT_TRUE(l.temNota);
      EXPECT_EQ(l.notaMidi, nota);
      const double medido = centsDoSom(som, nota);
      std::cout << instrumento.nome << " string " << i << ": sound " << medido << " cents, tuner "
                << l.centsNota << " cents\n";
      // Within 3 cents of the note, beyond what the sample itself is out of tune.
      EXPECT_LE(std::abs(l.centsNota), 3.0 + std::abs(medido));
      EXPECT_EQ(l.corda, static_cast<int>(i));
    }
  }
}

}  // namespace
}  // namespace tessara
