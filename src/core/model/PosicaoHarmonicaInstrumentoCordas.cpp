#include "model/PosicaoHarmonicaInstrumentoCordas.h"

#include <algorithm>
#include <limits>

#include "foundations/OutOfBoundsException.h"

namespace tessara {

namespace {

constexpr int BITS_CASA = 4;
constexpr int BITS_DEDO = 3;
constexpr int INICIO_DEDOS_ALEM_DAS_CASAS = 24;  // six more fret fields, whatever the strings
const char* const CLASSE = "PosicaoHarmonicaInstrumentoCordas";

// ORs (valor + 1) << deslocamento into the key; the value is taken as a 64-bit two's
// complement number, so a negative one sets every bit above the shift.
void anexar(uint64_t& chave, int valor, int deslocamento) {
  if (deslocamento >= 64) return;
  const auto campo = static_cast<uint64_t>(static_cast<int64_t>(valor) + 1);
  chave |= campo << deslocamento;
}

}  // namespace

PosicaoHarmonicaInstrumentoCordas::PosicaoHarmonicaInstrumentoCordas(std::string nome,
                                                                     std::vector<int> casas,
                                                                     std::vector<int> dedos)
    : PosicaoHarmonica(std::move(nome)) {
  construir(std::move(casas), std::move(dedos));
}

PosicaoHarmonicaInstrumentoCordas::PosicaoHarmonicaInstrumentoCordas(std::vector<int> casas,
                                                                     std::vector<int> dedos) {
  construir(std::move(casas), std::move(dedos));
}

void PosicaoHarmonicaInstrumentoCordas::construir(std::vector<int> casas, std::vector<int> dedos) {
  if (casas.size() != dedos.size()) {
    throw OutOfBoundsException("O tamanho dos parametros precisam ser iguais", -1, CLASSE,
                               "ConstrutorInterno");
  }
  for (size_t i = 0; i < casas.size(); ++i) {
    if (dedos[i] == DEDO_ABAFADO) casas[i] = -1;
  }
  casas_ = std::move(casas);
  dedos_ = std::move(dedos);
  chave_ = calcularChave(casas_, dedos_);
}

int64_t PosicaoHarmonicaInstrumentoCordas::calcularChave(const std::vector<int>& casas,
                                                         const std::vector<int>& dedos) {
  uint64_t chave = 0;
  int deslocamento = 0;
  for (int casa : casas) {
    anexar(chave, casa, deslocamento);
    deslocamento += BITS_CASA;
  }
  deslocamento += INICIO_DEDOS_ALEM_DAS_CASAS;
  for (int dedo : dedos) {
    anexar(chave, dedo, deslocamento);
    deslocamento += BITS_DEDO;
  }
  return static_cast<int64_t>(chave);
}

std::unique_ptr<Acorde> PosicaoHarmonicaInstrumentoCordas::clonar() const {
  auto copia = std::make_unique<PosicaoHarmonicaInstrumentoCordas>();
  copia->atribuir(*this);
  return copia;
}

bool PosicaoHarmonicaInstrumentoCordas::igual(const Acorde& outro) const {
  const auto* posicao = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(&outro);
  return posicao != nullptr && posicao->chave_ == chave_;
}

void PosicaoHarmonicaInstrumentoCordas::atribuir(const Acorde& outro) {
  Acorde::atribuir(outro);
  const auto* posicao = dynamic_cast<const PosicaoHarmonicaInstrumentoCordas*>(&outro);
  if (posicao == nullptr || posicao == this) return;
  casas_ = posicao->casas_;
  dedos_ = posicao->dedos_;
  cordaTonica_ = posicao->cordaTonica_;
  casaTonica_ = posicao->casaTonica_;
  chave_ = posicao->chave_;
}

bool PosicaoHarmonicaInstrumentoCordas::menorQue(const Acorde& outro) const {
  const auto* posicao = dynamic_cast<const PosicaoHarmonica*>(&outro);
  return posicao != nullptr ? chave_ < posicao->getChave() : Acorde::menorQue(outro);
}

void PosicaoHarmonicaInstrumentoCordas::verificarIndice(int corda,
                                                        const std::string& mensagem) const {
  const auto indice = static_cast<size_t>(static_cast<unsigned>(corda));
  if (corda < 0 || indice >= casas_.size() || indice >= dedos_.size()) {
    throw OutOfBoundsException(mensagem + std::to_string(corda), corda, CLASSE,
                               "setNota(int ,int)");
  }
}

void PosicaoHarmonicaInstrumentoCordas::setNota(int casa, int corda) {
  verificarIndice(corda, "Indice invalido ");
  casas_[static_cast<size_t>(corda)] = casa;
  dedos_[static_cast<size_t>(corda)] = 0;
  chave_ = calcularChave(casas_, dedos_);
}

void PosicaoHarmonicaInstrumentoCordas::abafarCorda(int corda) {
  verificarIndice(corda, "Indice invalido ");
  casas_[static_cast<size_t>(corda)] = -1;
  dedos_[static_cast<size_t>(corda)] = DEDO_ABAFADO;
  chave_ = calcularChave(casas_, dedos_);
}

bool PosicaoHarmonicaInstrumentoCordas::existeNota(int casa, int corda) const {
  verificarIndice(corda, "Indice invalido");
  const auto i = static_cast<size_t>(corda);
  return casas_[i] == casa && dedos_[i] != DEDO_ABAFADO;
}

void PosicaoHarmonicaInstrumentoCordas::setDedos(std::vector<int> dedos) {
  dedos_ = std::move(dedos);
  chave_ = calcularChave(casas_, dedos_);
}

std::vector<int> PosicaoHarmonicaInstrumentoCordas::getNotas(const std::vector<int>& afinacao,
                                                             int numeroCasas) const {
  std::vector<int> notas(casas_.size(), -1);
  for (size_t i = 0; i < casas_.size(); ++i) {
    const int casa = casas_[i];
    const bool abafada = i < dedos_.size() && dedos_[i] == DEDO_ABAFADO;
    if (casa < 0 || casa > numeroCasas || abafada || i >= afinacao.size()) continue;
    const int64_t nota =
        static_cast<int64_t>(afinacao[i]) + casa;  // a damaged tuning may hold anything
    if (nota <= std::numeric_limits<int>::max()) notas[i] = static_cast<int>(nota);
  }
  return notas;
}

bool PosicaoHarmonicaInstrumentoCordas::soaAlgumaCorda() const {
  return std::any_of(casas_.begin(), casas_.end(), [](int casa) { return casa >= 0; });
}

}  // namespace tessara
