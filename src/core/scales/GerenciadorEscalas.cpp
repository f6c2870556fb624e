#include "scales/GerenciadorEscalas.h"

#include "foundations/FileNotFoundException.h"
#include "foundations/Interacao.h"
#include "foundations/OutOfBoundsException.h"
#include "foundations/Textos.h"
#include "model/Notas.h"
#include "scales/BaseEscalas.h"
#include "scales/GeradorEscalas.h"

namespace tessara {

GerenciadorEscalas::GerenciadorEscalas(BaseEscalas& base, GeradorEscalas& gerador,
                                       const Textos& idioma, Interacao& interacao)
    : base_(base), gerador_(gerador), idioma_(idioma), interacao_(interacao) {}

std::vector<std::string> GerenciadorEscalas::getNomesEscalas() {
  try {
    return base_.getNomesEscalas();
  } catch (const FileNotFoundException&) {
    interacao_.mostrarMensagem(idioma_.getTexto("exception", "baseEscalasNaoEncontrada"), "");
    interacao_.pedirEncerramento();
    return {};
  }
}

std::vector<std::string> GerenciadorEscalas::getNomesTonicas() const {
  std::vector<std::string> nomes;
  for (int i = 0; i < NUMERO_NOTAS; ++i) {
    nomes.push_back(nomeNotaEnarmonica(i, idioma_.getNomeIdiomaAtual()));
  }
  return nomes;
}

// Any other negative position is refused too: it would select a scale that does not exist.
void GerenciadorEscalas::setEscalas(int posicao) {
  if (posicao < -1 || (posicao != -1 && posicao >= base_.numeroEscalas())) {
    throw OutOfBoundsException(idioma_.getTexto("exception", "indiceInvalido"), posicao,
                               "GerenciadorEscalas", "setEscalas(int)");
  }
  if (posicao != indiceEscala_) indiceExibicao_ = 0;
  indiceEscala_ = posicao;
  removeAllElements();
}

void GerenciadorEscalas::setEscala(const std::string& nome) {
  setEscalas(base_.indiceEscala(nome));
}

std::optional<Escala> GerenciadorEscalas::getEscalaAtual() {
  if (indiceEscala_ == -1) return std::nullopt;
  return base_.getEscala(indiceEscala_);
}

EscalaExibicao GerenciadorEscalas::getEscalaExibicao() {
  if (size() == 0) {
    indiceExibicao_ = 0;
    gerarExibicoes();
  }
  return *getElement(indiceExibicao_);
}

// With no scale selected there are no displays.
bool GerenciadorEscalas::gerarExibicoes() {
  removeAllElements();
  const auto escala = getEscalaAtual();
  if (!escala) return false;
  assign(gerador_.obterPosicoesEscala(*escala, tonica_));
  return size() > 0;
}

void GerenciadorEscalas::setTonicaEscala(std::string tonica) {
  if (tonica == tonica_) return;
  tonica_ = std::move(tonica);
  removeAllElements();
}

void GerenciadorEscalas::setIndiceExibicao(int indice) {
  if (indice >= 0 && indice < size()) indiceExibicao_ = indice;
}

int GerenciadorEscalas::proximaExibicao() {
  if (indiceExibicao_ == -1 || indiceExibicao_ + 1 >= size()) return -1;
  return ++indiceExibicao_;
}

int GerenciadorEscalas::exibicaoAnterior() {
  if (indiceExibicao_ <= 0) return -1;
  return --indiceExibicao_;
}

}  // namespace tessara
