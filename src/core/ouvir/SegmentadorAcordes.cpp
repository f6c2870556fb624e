#include "ouvir/SegmentadorAcordes.h"

#include <algorithm>

#include "ouvir/Cromagrama.h"
#include "ouvir/CustoTroca.h"
#include "ouvir/ModeloAcordes.h"
#include "ouvir/NomeadorAcordes.h"
#include "ouvir/SuavizadorAcordes.h"
#include "ouvir/VocabularioAcordes.h"

namespace tessara {

SegmentadorAcordes::SegmentadorAcordes(double taxaAmostragem)
    : cromagrama_(std::make_unique<Cromagrama>(taxaAmostragem)),
      modelo_(std::make_unique<ModeloAcordes>()),
      suavizador_(
          std::make_unique<SuavizadorAcordes>(modelo_->estados().size(), CustoTroca::ARQUIVO)),
      palavras_((modelo_->estados().size() + 63) / 64),
      passoSegundos_(static_cast<double>(cromagrama_->passo()) / cromagrama_->taxa()) {}

SegmentadorAcordes::~SegmentadorAcordes() = default;

void SegmentadorAcordes::alimentar(const float* amostras, std::size_t n) {
  amostras_ += n;
  cromagrama_->alimentar(amostras, n, [this](const QuadroCroma& q) {
    if (anteriores_.empty()) primeiroInstante_ = q.instante;
    modelo_->pontuar(q, emissoes_);
    // A recording is decoded whole, so the frames soon after each stroke may decide its chord;
    // the live answer cannot wait for them and weighs every frame alike.
    for (float& e : emissoes_) e *= q.peso;
    suavizador_->passo(emissoes_);
    anteriores_.push_back(suavizador_->melhorAnterior());
    const auto& ficou = suavizador_->ficou();
    const std::size_t base = ficou_.size();
    ficou_.resize(base + palavras_, 0);
    for (std::size_t s = 0; s < ficou.size(); ++s) {
      if (ficou[s]) ficou_[base + s / 64] |= uint64_t{1} << (s % 64);
    }
  });
}

std::vector<int> SegmentadorAcordes::caminho() const {
  std::vector<int> estados(anteriores_.size());
  if (estados.empty()) return estados;
  int s = suavizador_->atual();
  for (std::size_t t = estados.size(); t-- > 0;) {
    estados[t] = s;
    const uint64_t palavra = ficou_[t * palavras_ + static_cast<std::size_t>(s) / 64];
    if ((palavra >> (static_cast<std::size_t>(s) % 64) & 1u) == 0) s = anteriores_[t];
  }
  return estados;
}

std::vector<SegmentoAcorde> SegmentadorAcordes::segmentar() const {
  const std::vector<int> estados = caminho();
  const double duracao = static_cast<double>(amostras_) / cromagrama_->taxa();
  // A change falls halfway between the centres of the two frames it separates.
  auto fronteira = [&](std::size_t t) {
    return std::min(duracao, primeiroInstante_ + (static_cast<double>(t) - 0.5) * passoSegundos_);
  };
  std::vector<SegmentoAcorde> segmentos;
  std::size_t inicio = 0;
  for (std::size_t t = 1; t <= estados.size(); ++t) {
    if (t < estados.size() && estados[t] == estados[inicio]) continue;
    const EstadoAcorde& e = modelo_->estados()[static_cast<std::size_t>(estados[inicio])];
    if (!e.semAcorde()) {
      const auto& tipo = VocabularioAcordes::tipos()[static_cast<std::size_t>(e.tipo)];
      segmentos.push_back({inicio == 0 ? 0.0 : fronteira(inicio),
                           t == estados.size() ? duracao : fronteira(t),
                           NomeadorAcordes::nomear(e.raiz, tipo, e.baixo, gramatica_)});
    }
    inicio = t;
  }
  return segmentos;
}

std::vector<SegmentoAcorde> SegmentadorAcordes::segmentar(const float* amostras, std::size_t n,
                                                          double taxaAmostragem,
                                                          Gramatica gramatica) {
  SegmentadorAcordes s(taxaAmostragem);
  s.setGramatica(gramatica);
  s.alimentar(amostras, n);
  return s.segmentar();
}

}  // namespace tessara
