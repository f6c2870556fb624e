#include "ouvir/Cromagrama.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numbers>

#include "model/Notas.h"
#include "ouvir/PresencaNotas.h"
#include "ouvir/SerieHarmonica.h"
#include "ouvir/TaxaAmostragem.h"

namespace tessara {

namespace {

constexpr int NOTAS = 128;
// Notes whose peaks count: from below the 5-string bass's low B to well above the guitar.
constexpr int NOTA_MINIMA = 22;
constexpr int NOTA_MAXIMA = 100;
// The notes the treble chroma and the bass are taken from.
constexpr int AGUDOS_DE = 36;
constexpr int GRAVES_ATE = 67;
// A peak this far under the frame's strongest is noise or leakage.
constexpr float PISO_PICO = 1e-3f;
// The log compression's knee and the share of the strongest note a bass must reach.
constexpr float JOELHO = 0.05f;
constexpr float LIMIAR_GRAVE = 0.04f;
// As heard, shares of the strongest note: a faint fundamental, and its octave and twelfth.
constexpr float FUNDAMENTAL_FRACA = 0.02f;
constexpr float OITAVA_E_DECIMA_SEGUNDA = 0.1f;
// Soon after a stroke every string rings; later the high strings have died away and taken a
// chord's sixth, seventh or ninth with them. Frames within this time after a stroke (a rise in
// level) count in full, the attack and later frames this much: on the shipped chords this names
// 85 % of the nylon guitar's right instead of 80 %.
constexpr float SUBIDA_GOLPE_DB = 3.0f;
constexpr double ATAQUE = 0.09;
constexpr double DEPOIS_GOLPE = 0.5;
constexpr float PESO_SUSTENTADO = 0.1f;
// A lone string's overtones hold the makings of a major triad, but a chord always has a note
// off the lowest note's harmonic series.
constexpr float LIMIAR_NOTA_OUVIDA = 0.15f;
// The treble chroma is this much the chance each pitch class is played, the rest its strength
// (chosen on the shipped chords: more trusts the model's guess over what is heard, and loses
// the nylon guitar's soft high strings).
constexpr float PARTE_PRESENCA = 0.3f;
// A string's overtones from the second harmonic on, their share of its strength, taken out of
// the notes they land on: the third harmonic of a chord's third is its seventh otherwise.
constexpr float PARTES_HARMONICOS[] = {0.5f, 0.6f, 0.3f, 0.3f, 0.2f};

// Planning is the one part of FFTW that is not thread-safe.
std::mutex& travaPlanos() {
  static std::mutex trava;
  return trava;
}

}  // namespace

void Cromagrama::Liberar::operator()(float* p) const { fftwf_free(p); }
void Cromagrama::Liberar::operator()(fftwf_plan p) const {
  std::lock_guard<std::mutex> trava(travaPlanos());
  fftwf_destroy_plan(p);
}

Cromagrama::Cromagrama(double taxaAmostragem)
    : taxa_(TaxaAmostragem::valida(taxaAmostragem)),
      janela_(TaxaAmostragem::potenciaDeDois(0.18 * taxa_)),
      passo_(janela_ / 4),
      anel_(janela_, 0.0f),
      hann_(janela_),
      magnitudes_(janela_ / 2 + 1),
      notas_(NOTAS),
      brutas_(NOTAS) {
  for (std::size_t i = 0; i < janela_; ++i) {
    hann_[i] =
        static_cast<float>(0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) /
                                                static_cast<double>(janela_)));
  }
  entrada_.reset(fftwf_alloc_real(janela_));
  espectro_.reset(reinterpret_cast<float*>(fftwf_alloc_complex(janela_ / 2 + 1)));
  std::lock_guard<std::mutex> trava(travaPlanos());
  plano_.reset(fftwf_plan_dft_r2c_1d(static_cast<int>(janela_), entrada_.get(),
                                     reinterpret_cast<fftwf_complex*>(espectro_.get()),
                                     FFTW_ESTIMATE));
}

Cromagrama::~Cromagrama() = default;

void Cromagrama::alimentar(const float* amostras, std::size_t n,
                           const std::function<void(const QuadroCroma&)>& quadro) {
  for (std::size_t i = 0; i < n; ++i) {
    const float a = amostras[i];
    anel_[escrita_] = std::isfinite(a) ? std::clamp(a, -1.0f, 1.0f) : 0.0f;
    escrita_ = (escrita_ + 1) % janela_;
    ++recebidas_;
    if (++desdeQuadro_ == passo_) {
      desdeQuadro_ = 0;
      // A window still mostly before the stream began is no frame of it.
      if (recebidas_ >= janela_ / 2) quadro(analisar());
    }
  }
}

QuadroCroma Cromagrama::analisar() {
  QuadroCroma q;
  double energia = 0;
  for (std::size_t i = 0; i < janela_; ++i) {
    const float a = anel_[(escrita_ + i) % janela_];
    energia += static_cast<double>(a) * a;
    entrada_.get()[i] = a * hann_[i];
  }
  q.nivelDb = static_cast<float>(10.0 * std::log10(energia / static_cast<double>(janela_) + 1e-12));
  const double centro = static_cast<double>(recebidas_) - static_cast<double>(janela_) / 2.0;
  q.instante = std::max(0.0, centro / taxa_);
  const bool recente = pesar(q);
  fftwf_execute(plano_.get());
  saliencias();

  const float maxima = *std::max_element(notas_.begin(), notas_.end());
  if (maxima <= 0) return q;
  for (int m = AGUDOS_DE; m <= NOTA_MAXIMA; ++m) {
    const float s = notas_[static_cast<std::size_t>(m)];
    if (s <= 0) continue;
    q.agudos[static_cast<std::size_t>(m % 12)] += std::log1p(s / (maxima * JOELHO));
  }
  // What the stroke was is judged over the frames soon after it, and holds until the next.
  if (recente) {
    ++votos_;
    if (umaSerie(maxima)) ++votosNotaSozinha_;
  }
  q.notaSozinha = 2 * votosNotaSozinha_ > votos_;
  const float topo = *std::max_element(q.agudos.begin(), q.agudos.end());
  if (topo > 0) {
    for (float& v : q.agudos) v /= topo;
  }
  const auto chance =
      PresencaNotas::estimar({brutas_, notas_, NOTA_MINIMA, NOTA_MAXIMA, GRAVES_ATE}, q.agudos);
  for (std::size_t pc = 0; pc < 12; ++pc)
    q.agudos[pc] = PARTE_PRESENCA * chance[pc] + (1 - PARTE_PRESENCA) * q.agudos[pc];
  const int baixo = notaGrave(maxima);
  if (baixo >= 0) q.graves[static_cast<std::size_t>(baixo % 12)] = 1.0f;
  return q;
}

bool Cromagrama::pesar(QuadroCroma& q) {
  if (!q.silencio() && q.nivelDb - nivelAnterior_ >= SUBIDA_GOLPE_DB) {
    ultimoGolpe_ = q.instante;
    votos_ = votosNotaSozinha_ = 0;
  }
  nivelAnterior_ = q.nivelDb;
  // Silence weighs in full, so that a chord ends when the playing does.
  // The first frames after a stroke still hold what rang before it, and the attack's noise.
  const double desde = q.instante - ultimoGolpe_;
  const bool recente = desde > ATAQUE && desde <= DEPOIS_GOLPE;
  q.ataque = desde >= 0 && desde <= ATAQUE;
  q.peso = q.silencio() || recente ? 1.0f : PESO_SUSTENTADO;
  return recente;
}

int Cromagrama::notaGrave(float maxima) const {
  int grave = -1;
  for (int m = NOTA_MINIMA; m <= GRAVES_ATE && grave < 0; ++m) {
    if (notas_[static_cast<std::size_t>(m)] >= LIMIAR_GRAVE * maxima) grave = m;
  }
  // A low string's fundamental may be faint beside its octave and twelfth (a steel string's
  // often is): a faint note under the bass whose own octave and twelfth stand out is the bass.
  const float topo = *std::max_element(brutas_.begin(), brutas_.end());
  auto forte = [&](int m, float parte) {
    return brutas_[static_cast<std::size_t>(m)] >= parte * topo;
  };
  const int ate = grave < 0 ? GRAVES_ATE : grave - 1;
  for (int m = NOTA_MINIMA; m <= ate; ++m) {
    if (forte(m, FUNDAMENTAL_FRACA) && forte(m + 12, OITAVA_E_DECIMA_SEGUNDA) &&
        forte(m + 19, OITAVA_E_DECIMA_SEGUNDA))
      return m;
  }
  return grave;
}

bool Cromagrama::umaSerie(float maxima) const {
  // A low string's fundamental may be too weak to count: its series may start an octave below
  // the lowest note heard.
  bool daGrave = true;
  bool daOitavaAbaixo = true;
  int grave = -1;
  for (int m = NOTA_MINIMA; m <= NOTA_MAXIMA; ++m) {
    if (notas_[static_cast<std::size_t>(m)] < LIMIAR_NOTA_OUVIDA * maxima) continue;
    if (grave < 0) grave = m;
    daGrave = daGrave && SerieHarmonica::contem(m - grave);
    daOitavaAbaixo = daOitavaAbaixo && SerieHarmonica::contem(m - grave + 12);
  }
  return grave >= 0 && (daGrave || daOitavaAbaixo);
}

void Cromagrama::saliencias() {
  const float* c = espectro_.get();
  const std::size_t bins = janela_ / 2 + 1;
  for (std::size_t k = 0; k < bins; ++k) {
    magnitudes_[k] = std::hypot(c[2 * k], c[2 * k + 1]);
  }
  std::fill(notas_.begin(), notas_.end(), 0.0f);
  const float maxima = *std::max_element(magnitudes_.begin(), magnitudes_.end());
  if (maxima <= 0) return;
  const double hzPorBin = taxa_ / static_cast<double>(janela_);
  for (std::size_t k = 2; k + 1 < bins; ++k) {
    const float b = magnitudes_[k];
    if (b < maxima * PISO_PICO || b <= magnitudes_[k - 1] || b < magnitudes_[k + 1]) continue;
    // The peak's true place between the bins, from the parabola through the log magnitudes.
    const double a = std::log(magnitudes_[k - 1] + 1e-12);
    const double g = std::log(magnitudes_[k + 1] + 1e-12);
    const double m = std::log(b + 1e-12);
    const double curva = a - 2 * m + g;
    const double desvio = curva < 0 ? std::clamp(0.5 * (a - g) / curva, -0.5, 0.5) : 0.0;
    const double nota = notaDaFrequencia((static_cast<double>(k) + desvio) * hzPorBin);
    const int n = static_cast<int>(std::lround(nota));
    if (n < NOTA_MINIMA || n > NOTA_MAXIMA) continue;
    float& s = notas_[static_cast<std::size_t>(n)];
    s = std::max(s, b);
  }
  brutas_ = notas_;
  for (int m = NOTA_MINIMA; m <= NOTA_MAXIMA; ++m) {
    const float s = notas_[static_cast<std::size_t>(m)];
    for (std::size_t h = 0; h < std::size(PARTES_HARMONICOS); ++h) {
      const int nota = m + SerieHarmonica::SEMITONS[h + 1];
      if (nota >= NOTAS) break;
      float& acima = notas_[static_cast<std::size_t>(nota)];
      acima = std::max(0.0f, acima - PARTES_HARMONICOS[h] * s);
    }
  }
}

}  // namespace tessara
