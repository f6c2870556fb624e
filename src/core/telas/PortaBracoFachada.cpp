#include "telas/PortaBracoFachada.h"

#include "app/Fachada.h"

namespace tessara {

const InstrumentoCordas* PortaBracoFachada::getInstrumentoAtual() const {
  return fachada_.getInstrumentoAtual();
}

int PortaBracoFachada::getCapo() const { return fachada_.getCapo(); }

std::string PortaBracoFachada::getNomeIdiomaAtual() const { return fachada_.getNomeIdiomaAtual(); }

std::string PortaBracoFachada::getTexto(std::string_view secao, std::string_view chave) const {
  return fachada_.getTexto(secao, chave);
}

void PortaBracoFachada::mostrarMensagem(const std::string& texto, const std::string& titulo) {
  fachada_.mostrarMensagem(texto, titulo);
}

bool PortaBracoFachada::setAcordePorNome(const std::string& nome) {
  return fachada_.setAcordePorNome(nome);
}

const PosicaoHarmonicaInstrumentoCordas* PortaBracoFachada::getPosicaoAcordeAtual() {
  return fachada_.getPosicaoAcordeAtual();
}

int PortaBracoFachada::getRaizAcordeAtual() const { return fachada_.getRaizAcordeAtual(); }

bool PortaBracoFachada::usaBemolAcordeAtual() const { return fachada_.usaBemolAcordeAtual(); }

std::string PortaBracoFachada::nomearAcorde(std::span<const int> notas, int raiz) const {
  return fachada_.nomearAcorde(notas, raiz);
}

std::optional<std::vector<int>> PortaBracoFachada::dedosDasCasas(
    const std::vector<int>& casas) const {
  return fachada_.dedosDasCasas(casas);
}

GrafiaNotas::Rotulos PortaBracoFachada::rotulosPosicao(
    const PosicaoHarmonicaInstrumentoCordas& posicao) const {
  return fachada_.rotulosPosicao(posicao);
}

std::vector<std::string> PortaBracoFachada::getNomesTonicas() const {
  return fachada_.getNomesTonicas();
}

std::optional<Escala> PortaBracoFachada::getEscalaAtual() { return fachada_.getEscalaAtual(); }

EscalaExibicao PortaBracoFachada::getEscalaExibicao() { return fachada_.getEscalaExibicao(); }

std::string PortaBracoFachada::getTonicaEscala() const { return fachada_.getTonicaEscala(); }

void PortaBracoFachada::setEscala(const std::string& nome) { fachada_.setEscala(nome); }

void PortaBracoFachada::tocarPlano(const PlanoReproducao& plano,
                                   const std::function<void(const EventoReproducao&)>& aoDestacar) {
  fachada_.tocarPlano(plano, aoDestacar);
}

}  // namespace tessara
