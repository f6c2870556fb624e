#include "app/Fachada.h"

#include "app/FachadaGUI.h"
#include "generation/GerenciadorAcordes.h"
#include "foundations/GerenciadorConfiguracao.h"
#include "scales/GerenciadorEscalas.h"
#include "languages/GerenciadorIdiomas.h"
#include "printing/GerenciadorImpressao.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "app/Nucleo.h"
#include "sound/SaidaMIDI.h"

namespace tessara {

Fachada& Fachada::instancia() { return Nucleo::processo().fachada(); }

GerenciadorConfiguracao& Fachada::configuracao() const { return nucleo_.configuracao(); }
GerenciadorIdiomas& Fachada::idiomas() const { return nucleo_.idiomas(); }
SaidaMIDI& Fachada::saida() const { return nucleo_.saida(); }
GerenciadorInstrumentos& Fachada::instrumentos() const { return nucleo_.instrumentos(); }
GerenciadorAcordes& Fachada::acordes() const { return nucleo_.acordes(); }
GerenciadorEscalas& Fachada::escalas() const { return nucleo_.escalas(); }
GerenciadorImpressao& Fachada::impressao() const { return nucleo_.impressao(); }
FachadaGUI& Fachada::gui() const { return nucleo_.gui(); }

std::string Fachada::getTexto(std::string_view secao, std::string_view chave) const {
  return idiomas().getTexto(secao, chave);
}

void Fachada::salvarConfiguracao() {
  auto& configuracao = this->configuracao();
  configuracao.setNomeInstrumento(instrumentos().getNomeInstrumentoAtual());
  configuracao.setExibicaoEscalas(gui().exibindoEscalas() ? 1 : 0);
  configuracao.salvar();
}

int Fachada::getPosicaoBraco() const { return configuracao().getPosicaoBraco(); }

void Fachada::setPosicaoBraco(int posicao) {
  configuracao().setPosicaoBraco(static_cast<int8_t>(posicao));
}

int Fachada::getDriver() const { return configuracao().getDriver(); }

void Fachada::setDriver(int dispositivo) {
  configuracao().setDriver(dispositivo,
                           [this](int indice) { saida().selecionarDispositivo(indice); });
}

std::string Fachada::getNomeInstrumentoConfigurado() const {
  return configuracao().getNomeInstrumento();
}

void Fachada::tocarNota(int canal, int velocidade, int nota) {
  saida().ligarNota(canal, velocidade, nota);
}

void Fachada::pararNota(int canal, int nota) { saida().desligarNota(canal, nota); }

void Fachada::resetarMIDI() { saida().reiniciar(); }

const InstrumentoCordas* Fachada::getInstrumentoAtual() const {
  return instrumentos().getInstrumentoAtual();
}

const InstrumentoCordas* Fachada::getInstrumentoAnterior() const {
  return instrumentos().getInstrumentoAnterior();
}

void Fachada::addInstrumento(const InstrumentoCordas& instrumento) {
  instrumentos().addInstrumento(instrumento);
}

void Fachada::removerInstrumento(int indice) { instrumentos().removerInstrumento(indice); }

std::vector<std::string> Fachada::getNomesInstrumentos() {
  return instrumentos().getNomesInstrumentos();
}

void Fachada::setInstrumento(int indice) {
  auto& instrumentos = this->instrumentos();
  instrumentos.guardarAnterior();
  instrumentos.setInstrumento(indice);
}

std::string Fachada::getNomeInstrumentoAtual() const {
  return instrumentos().getNomeInstrumentoAtual();
}

std::string Fachada::getDescricaoInstrumentoAtual() const {
  const InstrumentoCordas* atual = getInstrumentoAtual();
  return atual != nullptr ? atual->getDescricao() : std::string();
}

std::vector<std::string> Fachada::getNomesAcordes() const { return acordes().getNomesAcordes(); }

void Fachada::setAcorde(int indice) { acordes().setAcorde(indice); }

bool Fachada::setAcordePorNome(const std::string& nome) { return acordes().setAcordePorNome(nome); }

const PosicaoHarmonicaInstrumentoCordas* Fachada::getPosicaoAcordeAtual() {
  return acordes().getPosicaoAcordeAtual();
}

void Fachada::proximaPosicao() { acordes().proximaPosicao(); }

void Fachada::posicaoAnterior() { acordes().posicaoAnterior(); }

int Fachada::getIndiceAcordeAtual() const { return acordes().getIndiceAcordeAtual(); }

int Fachada::getRaizAcordeAtual() const { return acordes().getRaizAcordeAtual(); }

bool Fachada::usaBemolAcordeAtual() const { return acordes().usaBemolAcordeAtual(); }

std::string Fachada::getNomeAcordeAtual() const { return acordes().getNomeAcordeAtual(); }

AcordeComposto* Fachada::getAcordeAtual() { return acordes().getAcordeAtual(); }

std::string Fachada::nomearAcorde(std::span<const int> notas, int raiz) const {
  return acordes().nomearAcorde(notas, raiz);
}

bool Fachada::encontrarPosicao(const PosicaoHarmonica* posicao) {
  return acordes().encontrarPosicao(posicao);
}

bool Fachada::existePosicao(const PosicaoHarmonica* posicao) {
  return acordes().existePosicao(posicao);
}

void Fachada::adicionarPosicao(const PosicaoHarmonica* posicao) {
  acordes().adicionarPosicao(posicao);
}

std::vector<std::string> Fachada::getNomesEscalas() { return escalas().getNomesEscalas(); }

std::vector<std::string> Fachada::getNomesTonicas() const { return escalas().getNomesTonicas(); }

void Fachada::setEscala(const std::string& nome) { escalas().setEscala(nome); }

std::optional<Escala> Fachada::getEscalaAtual() { return escalas().getEscalaAtual(); }

EscalaExibicao Fachada::getEscalaExibicao() { return escalas().getEscalaExibicao(); }

void Fachada::limparEscala() { escalas().limparEscala(); }

int Fachada::getIndiceExibicao() const { return escalas().getIndiceExibicao(); }

void Fachada::setIndiceExibicao(int indice) {
  auto& escalas = this->escalas();
  if (escalas.getIndiceEscala() != -1) escalas.getEscalaExibicao();
  escalas.setIndiceExibicao(indice);
}

int Fachada::proximaExibicao() { return escalas().proximaExibicao(); }

int Fachada::exibicaoAnterior() { return escalas().exibicaoAnterior(); }

void Fachada::setTonicaEscala(const std::string& tonica) { escalas().setTonicaEscala(tonica); }

std::string Fachada::getTonicaEscala() const { return escalas().getTonicaEscala(); }

void Fachada::setTextoImpressao(const std::string& texto) { impressao().setTextoImpressao(texto); }

std::string Fachada::getTextoImpressao() const { return impressao().getTextoImpressao(); }

void Fachada::imprimir(Impressora& impressora, int conteudo, int rotulo) {
  const InstrumentoCordas* instrumento = getInstrumentoAtual();
  if (instrumento == nullptr) return;
  auto& impressao = this->impressao();
  impressao.imprimir(impressora, conteudo, rotulo, gui().getListaImpressao(),
                     impressao.getTextoImpressao(), *instrumento);
}

void Fachada::visualizarImpressao(int conteudo, int rotulo, int pagina, int zoom) {
  const InstrumentoCordas* instrumento = getInstrumentoAtual();
  if (instrumento == nullptr) return;
  auto& impressao = this->impressao();
  const auto posicoes = gui().getListaImpressao();
  const std::string texto = impressao.getTextoImpressao();
  impressao.prepararVisualizacao(conteudo, rotulo, pagina, zoom, posicoes, texto, *instrumento);
  if (zoom != ZOOM_INICIAL) {
    impressao.prepararVisualizacao(conteudo, rotulo, pagina, ZOOM_INICIAL, posicoes, texto,
                                   *instrumento);
  }
  gui().mostrarVisualizacao();
}

void Fachada::exibirPaginaVisualizacao(int pagina, int zoom) {
  impressao().exibirPaginaVisualizacao(pagina, zoom);
}

}  // namespace tessara
