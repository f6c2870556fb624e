#include "ouvir/ReconhecedorAcordes.h"

#include "ouvir/Cromagrama.h"
#include "ouvir/CustoTroca.h"
#include "ouvir/ModeloAcordes.h"
#include "ouvir/NomeadorAcordes.h"
#include "ouvir/SuavizadorAcordes.h"
#include "ouvir/VocabularioAcordes.h"

namespace tessara {

ReconhecedorAcordes::ReconhecedorAcordes(double taxaAmostragem)
    : cromagrama_(std::make_unique<Cromagrama>(taxaAmostragem)),
      modelo_(std::make_unique<ModeloAcordes>()),
      suavizador_(
          std::make_unique<SuavizadorAcordes>(modelo_->estados().size(), CustoTroca::AO_VIVO)) {}

ReconhecedorAcordes::~ReconhecedorAcordes() = default;
ReconhecedorAcordes::ReconhecedorAcordes(ReconhecedorAcordes&&) noexcept = default;
ReconhecedorAcordes& ReconhecedorAcordes::operator=(ReconhecedorAcordes&&) noexcept = default;

void ReconhecedorAcordes::setGramatica(Gramatica gramatica) { gramatica_ = gramatica; }

void ReconhecedorAcordes::alimentar(const float* amostras, std::size_t n) {
  cromagrama_->alimentar(amostras, n, [this](const QuadroCroma& q) {
    // The attack mixes the old chord with the new: the answer on show waits it out.
    if (q.ataque) return;
    modelo_->pontuar(q, emissoes_);
    suavizador_->passo(emissoes_);
  });
}

AcordeOuvido ReconhecedorAcordes::atual() const {
  const EstadoAcorde& e = modelo_->estados()[static_cast<std::size_t>(suavizador_->atual())];
  if (e.semAcorde()) return {};
  const auto& tipo = VocabularioAcordes::tipos()[static_cast<std::size_t>(e.tipo)];
  return NomeadorAcordes::nomear(e.raiz, tipo, e.baixo, gramatica_);
}

}  // namespace tessara
