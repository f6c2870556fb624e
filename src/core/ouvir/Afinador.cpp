#include "ouvir/Afinador.h"

#include <algorithm>
#include <cmath>

#include "model/Notas.h"
#include "ouvir/DetectorAltura.h"
#include "ouvir/Mediana.h"

namespace tessara {

namespace {

// Estimates the median is taken over: about a fifth of a second at 44.1 kHz.
constexpr std::size_t JANELA_MEDIANA = 9;
// Frames without a pitch after which the note is gone (a breath between two plucks is not).
constexpr int SILENCIOS_PARA_CALAR = 6;
// An estimate this far from the running median starts a new note rather than joining it.
constexpr double SALTO_CENTS = 80.0;

double centsEntre(double f, double referencia) { return 1200.0 * std::log2(f / referencia); }

}  // namespace

Afinador::Afinador(double taxaAmostragem, double referenciaLa)
    : detector_(std::make_unique<DetectorAltura>(taxaAmostragem)) {
  setReferenciaLa(referenciaLa);
}

Afinador::~Afinador() = default;
Afinador::Afinador(Afinador&&) noexcept = default;
Afinador& Afinador::operator=(Afinador&&) noexcept = default;

void Afinador::setCordas(std::vector<int> notasMidiCordasSoltas) {
  cordas_ = std::move(notasMidiCordasSoltas);
}

void Afinador::setReferenciaLa(double hz) {
  referenciaLa_ = std::isfinite(hz)
                      ? std::clamp(hz, double{ReferenciaLa::MINIMO}, double{ReferenciaLa::MAXIMO})
                      : double{ReferenciaLa::PADRAO};
}

void Afinador::alimentar(const float* amostras, std::size_t n) {
  detector_->alimentar(amostras, n, [this](double f) { registrar(f); });
}

void Afinador::registrar(double frequencia) {
  if (frequencia <= 0) {
    if (++silencios_ >= SILENCIOS_PARA_CALAR) recentes_.clear();
    return;
  }
  silencios_ = 0;
  // A new string plucked: the old note's estimates would hold the needle back.
  if (!recentes_.empty()) {
    const LeituraAfinador agora = leitura();
    if (std::abs(centsEntre(frequencia, agora.frequencia)) > SALTO_CENTS) recentes_.clear();
  }
  recentes_.push_back(frequencia);
  if (recentes_.size() > JANELA_MEDIANA) recentes_.erase(recentes_.begin());
}

LeituraAfinador Afinador::leitura() const {
  if (recentes_.empty()) return {};
  return ler(Mediana::de(recentes_));
}

LeituraAfinador Afinador::ler(double frequencia) const {
  LeituraAfinador l;
  if (!std::isfinite(frequencia) || frequencia <= 0) return l;
  l.temNota = true;
  l.frequencia = frequencia;
  const double midi = notaDaFrequencia(frequencia, referenciaLa_);
  l.notaMidi = static_cast<int>(std::lround(midi));
  l.centsNota = (midi - l.notaMidi) * 100.0;
  for (std::size_t i = 0; i < cordas_.size(); ++i) {
    const double cents = (midi - cordas_[i]) * 100.0;
    if (l.corda < 0 || std::abs(cents) < std::abs(l.centsCorda)) {
      l.corda = static_cast<int>(i);
      l.centsCorda = cents;
    }
  }
  return l;
}

}  // namespace tessara
