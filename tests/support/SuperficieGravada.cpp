#include "SuperficieGravada.h"

#include <stdexcept>

namespace tessara::teste {

void SuperficieGravada::linha(int x1, int y1, int x2, int y2) {
  linhas.push_back({x1, y1, x2, y2, caneta_, paginas});
}

void SuperficieGravada::elipse(int esquerda, int topo, int direita, int base) {
  elipses.push_back({esquerda, topo, direita, base, caneta_, paginas});
}

void SuperficieGravada::retangulo(int, int, int, int) { ++retangulos; }

void SuperficieGravada::disco(int esquerda, int topo, int direita, int base) {
  discos.push_back({esquerda, topo, direita, base, caneta_, paginas});
}

void SuperficieGravada::barra(int esquerda, int topo, int direita, int base) {
  barras.push_back({esquerda, topo, direita, base, caneta_, paginas});
}

void SuperficieGravada::setFonte(const std::string& face, int altura) {
  face_ = face;
  alturaFonte_ = altura;
}

int SuperficieGravada::larguraTexto(const std::string& texto) const {
  return static_cast<int>(texto.size()) * alturaFonte_ / 2;
}

int SuperficieGravada::alturaTexto(const std::string&) const { return alturaFonte_; }

void SuperficieGravada::escreverTexto(int x, int y, const std::string& texto) {
  if (falharAposTextos && static_cast<int>(textos.size()) >= *falharAposTextos) {
    throw std::runtime_error("the printer went away");
  }
  textos.push_back({x, y, texto, face_, alturaFonte_, paginas, claro_});
}

std::vector<Imagem> SuperficieGravada::terminar() {
  return std::vector<Imagem>(static_cast<size_t>(paginas), Imagem{largura_, altura_, {}});
}

std::vector<SuperficieGravada::Texto> SuperficieGravada::textosEm(const std::string& face) const {
  std::vector<Texto> resultado;
  for (const auto& t : textos) {
    if (face.empty() || t.face == face) resultado.push_back(t);
  }
  return resultado;
}

std::vector<std::string> SuperficieGravada::apenasTextos(const std::string& face) const {
  std::vector<std::string> resultado;
  for (const auto& t : textosEm(face)) resultado.push_back(t.texto);
  return resultado;
}

bool ImpressoraGravada::escolher() {
  if (falharDialogo) throw std::runtime_error("no printer installed");
  return confirmar;
}

Superficie& ImpressoraGravada::iniciarDocumento(const std::string& titulo) {
  titulos.push_back(titulo);
  return superficie;
}

}  // namespace tessara::teste
