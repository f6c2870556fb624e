#include "ouvir/DetectorAltura.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <cmath>

#include "ouvir/TaxaAmostragem.h"

namespace tessara {

namespace {

// Confidence below which YIN-FFT's answer is a guess, not a pitch.
constexpr double CONFIANCA_MINIMA = 0.7;
constexpr double SILENCIO_DB = -60.0;
// YIN takes the first period whose difference dips under this; the default (0.15) takes the
// octave above a low string whose fundamental is weaker than its second harmonic.
constexpr float TOLERANCIA = 0.02f;

}  // namespace

struct DetectorAltura::Aubio {
  Aubio(std::size_t janela, std::size_t passo, double taxa)
      : pitch(new_aubio_pitch("yinfast", static_cast<uint_t>(janela), static_cast<uint_t>(passo),
                              static_cast<uint_t>(taxa))),
        entrada(new_fvec(static_cast<uint_t>(passo))),
        saida(new_fvec(1)) {}
  ~Aubio() {
    if (pitch) del_aubio_pitch(pitch);
    if (entrada) del_fvec(entrada);
    if (saida) del_fvec(saida);
  }
  Aubio(const Aubio&) = delete;
  Aubio& operator=(const Aubio&) = delete;

  aubio_pitch_t* pitch;
  fvec_t* entrada;
  fvec_t* saida;
};

DetectorAltura::DetectorAltura(double taxaAmostragem)
    : taxa_(TaxaAmostragem::valida(taxaAmostragem)) {
  // Two periods of the lowest note fit in the window.
  const std::size_t janela = TaxaAmostragem::potenciaDeDois(2.5 * taxa_ / FREQUENCIA_MINIMA);
  passo_ = janela / 4;
  aubio_ = std::make_unique<Aubio>(janela, passo_, taxa_);
  if (aubio_->pitch == nullptr || aubio_->entrada == nullptr || aubio_->saida == nullptr) {
    aubio_.reset();
    return;
  }
  aubio_pitch_set_unit(aubio_->pitch, "Hz");
  aubio_pitch_set_silence(aubio_->pitch, SILENCIO_DB);
  aubio_pitch_set_tolerance(aubio_->pitch, TOLERANCIA);
}

DetectorAltura::~DetectorAltura() = default;

void DetectorAltura::alimentar(const float* amostras, std::size_t n,
                               const std::function<void(double)>& estimativa) {
  if (!aubio_) return;
  while (n > 0) {
    const std::size_t parte = std::min(n, passo_ - cheio_);
    std::copy(amostras, amostras + parte, aubio_->entrada->data + cheio_);
    cheio_ += parte;
    amostras += parte;
    n -= parte;
    if (cheio_ < passo_) break;
    cheio_ = 0;
    aubio_pitch_do(aubio_->pitch, aubio_->entrada, aubio_->saida);
    const double f = aubio_->saida->data[0];
    const bool clara = aubio_pitch_get_confidence(aubio_->pitch) >= CONFIANCA_MINIMA &&
                       std::isfinite(f) && f >= FREQUENCIA_MINIMA && f <= FREQUENCIA_MAXIMA;
    estimativa(clara ? f : 0.0);
  }
}

}  // namespace tessara
