#include "app/Escuta.h"

#include <algorithm>
#include <cmath>

namespace tessara {

namespace {

// The meter falls by this factor per block of silence: a needle, not a flicker.
constexpr double QUEDA_NIVEL = 0.9;

}  // namespace

Escuta::Escuta(EntradaAudio& entrada) : entrada_(entrada) {}

Escuta::~Escuta() { parar(); }

EntradaAudio::Situacao Escuta::iniciar(const std::string& dispositivo, double referenciaLa,
                                       const std::vector<int>& cordas, Gramatica gramatica) {
  parar();
  const auto situacao = entrada_.abrir(dispositivo);
  if (situacao != EntradaAudio::Situacao::captando) return situacao;
  taxa_ = entrada_.taxa();
  afinador_ = std::make_unique<Afinador>(taxa_, referenciaLa);
  afinador_->setCordas(cordas);
  reconhecedor_ = std::make_unique<ReconhecedorAcordes>(taxa_);
  reconhecedor_->setGramatica(gramatica);
  nivel_ = 0;
  amostrasSemSom_ = 0;
  ativa_ = true;
  return situacao;
}

void Escuta::parar() {
  if (!ativa_) return;
  entrada_.fechar();
  ativa_ = false;
  nivel_ = 0;
}

EntradaAudio::Situacao Escuta::situacao() const { return entrada_.situacao(); }

void Escuta::setReferenciaLa(double hz) {
  if (afinador_) afinador_->setReferenciaLa(hz);
}

void Escuta::setCordas(const std::vector<int>& cordas) {
  if (afinador_) afinador_->setCordas(cordas);
}

void Escuta::processar() {
  if (!ativa_) return;
  chegadas_.clear();
  entrada_.ler(chegadas_);
  for (std::size_t inicio = 0; inicio < chegadas_.size(); inicio += BLOCO) {
    analisar(chegadas_.data() + inicio, std::min(BLOCO, chegadas_.size() - inicio));
  }
}

void Escuta::analisar(const float* amostras, std::size_t n) {
  afinador_->alimentar(amostras, n);
  reconhecedor_->alimentar(amostras, n);
  double pico = 0;
  for (std::size_t i = 0; i < n; ++i) pico = std::max(pico, std::abs(double{amostras[i]}));
  nivel_ = std::max(std::min(pico, 1.0), nivel_ * QUEDA_NIVEL);
  amostrasSemSom_ = pico < LIMIAR_SILENCIO ? amostrasSemSom_ + n : 0;
}

LeituraAfinador Escuta::leituraAfinador() const {
  return afinador_ && ativa_ ? afinador_->leitura() : LeituraAfinador{};
}

AcordeOuvido Escuta::acordeOuvido() const {
  return reconhecedor_ && ativa_ ? reconhecedor_->atual() : AcordeOuvido{};
}

bool Escuta::silencio() const {
  return ativa_ && static_cast<double>(amostrasSemSom_) >= SEGUNDOS_SILENCIO * taxa_;
}

}  // namespace tessara
