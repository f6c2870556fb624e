#include "printing/SuperficieDiferida.h"

namespace tessara {

SuperficieDiferida::SuperficieDiferida(Superficie& medidor) : medidor_(medidor) {
  paginas_.push_back({});
}

void SuperficieDiferida::setLarguraCaneta(int largura) {
  estado_.larguraCaneta = largura;
  gravar(Tipo::CANETA, largura);
}

void SuperficieDiferida::linha(int x1, int y1, int x2, int y2) {
  gravar(Tipo::LINHA, x1, y1, x2, y2);
}

void SuperficieDiferida::elipse(int esquerda, int topo, int direita, int base) {
  gravar(Tipo::ELIPSE, esquerda, topo, direita, base);
}

void SuperficieDiferida::retangulo(int esquerda, int topo, int direita, int base) {
  gravar(Tipo::RETANGULO, esquerda, topo, direita, base);
}

void SuperficieDiferida::disco(int esquerda, int topo, int direita, int base) {
  gravar(Tipo::DISCO, esquerda, topo, direita, base);
}

void SuperficieDiferida::barra(int esquerda, int topo, int direita, int base) {
  gravar(Tipo::BARRA, esquerda, topo, direita, base);
}

void SuperficieDiferida::setFonte(const std::string& face, int altura) {
  medidor_.setFonte(face, altura);
  estado_.face = face;
  estado_.alturaFonte = altura;
  gravar(Tipo::FONTE, altura, 0, 0, 0, face);
}

int SuperficieDiferida::larguraTexto(const std::string& texto) const {
  return medidor_.larguraTexto(texto);
}

int SuperficieDiferida::alturaTexto(const std::string& texto) const {
  return medidor_.alturaTexto(texto);
}

void SuperficieDiferida::escreverTexto(int x, int y, const std::string& texto) {
  gravar(Tipo::TEXTO, x, y, 0, 0, texto);
}

void SuperficieDiferida::setTextoClaro(bool claro) {
  estado_.claro = claro;
  gravar(Tipo::CLARO, claro ? 1 : 0);
}

void SuperficieDiferida::novaPagina() { paginas_.push_back({estado_, {}}); }

void SuperficieDiferida::reproduzir(int indice, Superficie& destino) const {
  if (indice < 0 || indice >= numeroPaginas()) return;
  const Pagina& pagina = paginas_[static_cast<size_t>(indice)];
  if (pagina.inicio.larguraCaneta >= 0) destino.setLarguraCaneta(pagina.inicio.larguraCaneta);
  if (!pagina.inicio.face.empty()) destino.setFonte(pagina.inicio.face, pagina.inicio.alturaFonte);
  destino.setTextoClaro(pagina.inicio.claro);
  for (const Comando& comando : pagina.comandos) executar(comando, destino);
}

void SuperficieDiferida::executar(const Comando& c, Superficie& destino) {
  switch (c.tipo) {
    case Tipo::CANETA: destino.setLarguraCaneta(c.a); break;
    case Tipo::LINHA: destino.linha(c.a, c.b, c.c, c.d); break;
    case Tipo::ELIPSE: destino.elipse(c.a, c.b, c.c, c.d); break;
    case Tipo::RETANGULO: destino.retangulo(c.a, c.b, c.c, c.d); break;
    case Tipo::DISCO: destino.disco(c.a, c.b, c.c, c.d); break;
    case Tipo::BARRA: destino.barra(c.a, c.b, c.c, c.d); break;
    case Tipo::FONTE: destino.setFonte(c.texto, c.a); break;
    case Tipo::TEXTO: destino.escreverTexto(c.a, c.b, c.texto); break;
    case Tipo::CLARO: destino.setTextoClaro(c.a != 0); break;
  }
}

}  // namespace tessara
