#include "telas/Braco.h"

#include <algorithm>

#include "chords/GrafiaNotas.h"
#include "foundations/NomeIdioma.h"
#include "foundations/NotFoundException.h"
#include "instruments/InstrumentoCordas.h"
#include "model/Notas.h"
#include "model/Pestana.h"
#include "telas/PortaBracoFachada.h"

namespace tessara {

namespace {

using Posicao = PosicaoHarmonicaInstrumentoCordas;

constexpr int DEDO_ABAFADO = Posicao::DEDO_ABAFADO;

bool dedoDaMao(int dedo) { return dedo >= 0 && dedo <= 4; }

int classe(int nota) { return ((nota % 12) + 12) % 12; }

template <typename T>
T valorEm(const std::vector<T>& valores, int indice, T padrao) {
  return indice >= 0 && indice < static_cast<int>(valores.size())
             ? valores[static_cast<size_t>(indice)]
             : padrao;
}

}  // namespace

Braco::Braco(PortaBraco& porta, int orientacao) : porta_(porta), geometria_(6, orientacao, false) {
  esvaziar();
  aplicarPosicaoBraco(orientacao);
}

Braco::Braco(Fachada& fachada, int orientacao)
    : propria_(std::make_unique<PortaBracoFachada>(fachada)),
      porta_(*propria_),
      geometria_(6, orientacao, false) {
  esvaziar();
  aplicarPosicaoBraco(orientacao);
}

Braco::~Braco() = default;

// ----- the instrument, asked of the façade every time ---------------------------------------

const InstrumentoCordas* Braco::instrumento() const { return porta_.getInstrumentoAtual(); }

int Braco::numeroCordas() const {
  const InstrumentoCordas* atual = instrumento();
  return atual != nullptr ? std::max(0, atual->getNumeroCordas()) : 0;
}

int Braco::numeroPosicoes() const {
  const InstrumentoCordas* atual = instrumento();
  return atual != nullptr ? std::max(0, atual->getNumeroCasas()) + 1 : 0;
}

std::vector<int> Braco::afinacao() const {
  const InstrumentoCordas* atual = instrumento();
  return atual != nullptr ? atual->getAfinacao() : std::vector<int>();
}

bool Braco::notaValida(int corda, int casa) const {
  const int cordas =
      std::min({numeroCordas(), GeometriaBraco::SLOTS, static_cast<int>(afinacao().size())});
  const int posicoes = std::min(numeroPosicoes(), static_cast<int>(geometria_.getXCasas().size()));
  return corda >= 0 && corda < cordas && casa >= 0 && casa < posicoes;
}

bool Braco::soaNota(int corda) const {
  // A string the fingering has no entry for reads as not played.
  const int casa = valorEm(posicao_.getCasas(), corda, -1);
  return valorEm(posicao_.getDedos(), corda, DEDO_ABAFADO) != DEDO_ABAFADO && casa >= 0 &&
         notaValida(corda, casaReal(casa));
}

int Braco::notaDaCorda(int corda, int casa) const { return valorEm(afinacao(), corda, 0) + casa; }

int Braco::capo() const { return porta_.getCapo(); }

int Braco::casaReal(int casa) const { return casa < 0 ? casa : casa + capo(); }

int Braco::notaDaForma(int corda, int casa) const { return notaDaCorda(corda, casaReal(casa)); }

int Braco::casaDaFormaEm(int x) const {
  const int casa = casaEm(x);
  return casa < 0 ? -1 : std::max(-1, casa - capo());
}

int Braco::primeiraCordaTocada() const {
  const auto casas = posicao_.getCasas();
  for (int i = 0; i < static_cast<int>(casas.size()); ++i) {
    if (soaNota(i)) return i;
  }
  return -1;
}

bool Braco::conjuntoBrasileiro() const { return ehIdiomaPortugues(porta_.getNomeIdiomaAtual()); }

// ----- layout --------------------------------------------------------------------------------

void Braco::aplicarPosicaoBraco(int orientacao) {
  ajustarTamanho();
  novaGeometria(orientacao);
  posicionarMarcadores();
}

void Braco::atualizarInstrumento() {
  novaGeometria(geometria_.getOrientacao());
  // The chord on show, fingered anew for this instrument when the chord manager knows it.
  const std::string nome = posicao_.getNome();
  if (!nome.empty() && porta_.setAcordePorNome(nome)) {
    if (const Posicao* nova = porta_.getPosicaoAcordeAtual()) posicao_ = *nova;
  }
  ajustarTamanho();
  posicionarMarcadores();
}

void Braco::ajustarTamanho() {
  const int cordas = numeroCordas();
  if (cordas > 0 && static_cast<int>(posicao_.getCasas().size()) != cordas) esvaziar();
}

void Braco::novaGeometria(int orientacao) {
  geometria_ = GeometriaBraco(numeroCordas(), orientacao, conjuntoBrasileiro());
  posicionarLinhas();
}

void Braco::colocarNaCorda(MarcadorBraco& marcador, int corda) const {
  marcador.y = geometria_.getYCordas()[static_cast<size_t>(std::clamp(corda, 0, 5))];
}

void Braco::posicionarLinhas() {
  const int cordas = std::min(numeroCordas(), GeometriaBraco::SLOTS);
  for (int i = 0; i < GeometriaBraco::SLOTS; ++i) {
    auto& c = cordas_[static_cast<size_t>(i)];
    for (MarcadorBraco* m :
         {&c.ponto, &c.dedo, &c.nota, &c.intervalo, &c.maoPonto, &c.maoRotulo, &c.abafada}) {
      colocarNaCorda(*m, i);
    }
    if (i < cordas) c.maoPonto.x = c.maoRotulo.x = geometria_.getXMao();
  }
  if (!escala_) return;
  for (int k = 0; k < marcadoresUsados_; ++k) {
    auto& m = marcadoresEscala_[static_cast<size_t>(k)];
    for (MarcadorBraco* marcador : {&m.ponto, &m.dedo, &m.nota, &m.intervalo}) {
      colocarNaCorda(*marcador, m.corda);
    }
    if (!notaValida(m.corda, m.casa)) continue;
    m.ponto.x = m.dedo.x = m.nota.x = m.intervalo.x =
        geometria_.getXCasas()[static_cast<size_t>(m.casa)];
  }
  posicionarQuadro();
}

void Braco::setModoVisualizacao(int modo) {
  modo_ = std::clamp(modo, static_cast<int>(ModoRotulo::DEDOS),
                     static_cast<int>(ModoRotulo::INTERVALOS));
}

// ----- showing a fingering -------------------------------------------------------------------

void Braco::exibirPosicao(const Posicao* posicao, int raiz, bool bemol) {
  if (posicao == nullptr) {
    porta_.mostrarMensagem(porta_.getTexto("fmPrincipal", "erroGerarAcorde"),
                           porta_.getTexto("geral", "nomeAplicacao"));
    return;
  }
  if (posicao != &posicao_) {
    esquecerEdicoes();
    posicao_ = *posicao;
    ajustarTamanho();
    marcarTonica(raiz);
  }
  esconderMarcadores();
  escreverRotulos(raiz, bemol);
  posicionarMarcadores();
}

void Braco::exibirAcordeAtual() {
  exibirAcorde(porta_.getPosicaoAcordeAtual(), porta_.getRaizAcordeAtual(),
               porta_.usaBemolAcordeAtual());
}

void Braco::exibirAcorde(const PosicaoHarmonicaInstrumentoCordas* posicao, int raiz, bool bemol) {
  exibirPosicao(posicao, raiz, bemol);
  tonicaEscolhida_ = false;
}

void Braco::marcarTonica(int raiz) {
  const auto casas = posicao_.getCasas();
  const auto dedos = posicao_.getDedos();
  for (int i = 0; i < static_cast<int>(casas.size()); ++i) {
    const int casa = casas[static_cast<size_t>(i)];
    if (!dedoDaMao(valorEm(dedos, i, DEDO_ABAFADO)) || !notaValida(i, casaReal(casa))) continue;
    if (classe(notaDaForma(i, casa)) == classe(raiz)) {
      posicao_.setTonica(i, casa);
      return;
    }
  }
}

// The capo's bar lies across the strings in its fret, where the shape's open strings sound.
void Braco::posicionarCapo() {
  const int casa = capo();
  const auto& xs = geometria_.getXCasas();
  barraCapo_.visivel =
      !escala_ && casa > 0 && casa < numeroPosicoes() && casa < static_cast<int>(xs.size());
  if (barraCapo_.visivel) barraCapo_.x = xs[static_cast<size_t>(casa)];
}

void Braco::esconderMarcadores() {
  tonicaEscolhida_ = false;
  barraCapo_.visivel = false;
  for (auto& c : cordas_) {
    for (MarcadorBraco* m : {&c.ponto, &c.dedo, &c.nota, &c.intervalo, &c.maoRotulo, &c.abafada}) {
      m->visivel = false;
    }
  }
  pestanas_.clear();
  for (auto& m : marcadoresEscala_) {
    m.ponto.visivel = m.dedo.visivel = m.nota.visivel = m.intervalo.visivel = false;
  }
  quadro_.visivel = false;
}

void Braco::recalcularDedos() {
  const auto casas = posicao_.getCasas();
  const auto dedos = posicao_.getDedos();
  bool faltaDedo = false;
  for (int i = 0; i < static_cast<int>(casas.size()); ++i) {
    const int casa = casas[static_cast<size_t>(i)];
    const int dedo = valorEm(dedos, i, DEDO_ABAFADO);
    faltaDedo = faltaDedo || (casa >= 1 && casa < numeroPosicoes() && (dedo < 1 || dedo > 4));
  }
  if (!faltaDedo) return;
  std::vector<int> novos = porta_.dedosDasCasas(casas).value_or(std::vector<int>(casas.size(), -1));
  novos.resize(casas.size(), -1);
  // A string not played keeps the mark of one.
  for (size_t i = 0; i < casas.size(); ++i) {
    if (casas[i] < 0) novos[i] = DEDO_ABAFADO;
  }
  posicao_.setDedos(novos);
}

void Braco::escreverRotulos(int raiz, bool bemol) {
  recalcularDedos();
  const auto casas = posicao_.getCasas();
  const auto dedos = posicao_.getDedos();
  // Notes spelled as the chord's name spells them; a string the name says nothing of falls
  // back to the sharp or flat side.
  // Intervals in the language's words (English R b3 3 ... 9), as the chord's name counts them.
  const GrafiaNotas::Rotulos rotulos = porta_.rotulosPosicao(posicao_);
  const std::vector<std::string>& grafadas = rotulos.notas;
  const int cordas = std::min(static_cast<int>(casas.size()), GeometriaBraco::SLOTS);
  for (int i = 0; i < cordas; ++i) {
    auto& c = cordas_[static_cast<size_t>(i)];
    const int casa = casas[static_cast<size_t>(i)];
    const int dedo = valorEm(dedos, i, DEDO_ABAFADO);
    c.dedo.texto = dedoDaMao(dedo) ? std::to_string(dedo) : std::string();
    if (casa < 0 || !notaValida(i, casaReal(casa))) {
      c.nota.texto.clear();
      c.intervalo.texto.clear();
      continue;
    }
    const int nota = notaDaForma(i, casa);
    const std::string grafada = valorEm(grafadas, i, std::string());
    c.nota.texto = !grafada.empty() ? grafada
                   : bemol          ? nomeNotaBemol(classe(nota))
                                    : nomeNota(classe(nota));
    int base = raiz;
    while (nota < base) base -= 12;
    const std::string intervalo = valorEm(rotulos.intervalos, i, std::string());
    c.intervalo.texto = !intervalo.empty() ? intervalo : nomeIntervalo(nota - base);
  }
}

void Braco::posicionarMarcadores() {
  posicionarCapo();
  const auto casas = posicao_.getCasas();
  const int cordas = std::min(static_cast<int>(casas.size()), GeometriaBraco::SLOTS);
  for (int i = 0; i < cordas; ++i) {
    if (!soaNota(i)) continue;
    const int casa = casas[static_cast<size_t>(i)];
    auto& c = cordas_[static_cast<size_t>(i)];
    const int x = geometria_.getXCasas()[static_cast<size_t>(casaReal(casa))];
    c.ponto.x = x;
    c.ponto.tonica = posicao_.getCordaTonica() == i && posicao_.getCasaTonica() == casa;
    c.ponto.visivel = true;
    MarcadorBraco* rotulos[] = {&c.dedo, &c.nota, &c.intervalo};
    for (int m = 0; m < 3; ++m) {
      rotulos[m]->x = x;
      rotulos[m]->visivel = m == modo_;
    }
  }
  posicionarAbafadasEPestanas();
}

namespace {

// Copied from a string: assigning the short literal itself trips a false GCC 12 warning.
const std::string& marcaAbafada() {
  static const std::string marca = Braco::MARCA_ABAFADA;
  return marca;
}

}  // namespace

void Braco::posicionarAbafadasEPestanas() {
  pestanas_.clear();
  for (auto& c : cordas_) c.abafada.visivel = false;
  // A fingering being built from nothing is not six muted strings.
  if (!temNota()) return;
  const int cordas = std::min(numeroCordas(), GeometriaBraco::SLOTS);
  const auto& xCasas = geometria_.getXCasas();
  if (xCasas.empty()) return;
  for (int i = 0; i < cordas; ++i) {
    auto& abafada = cordas_[static_cast<size_t>(i)].abafada;
    abafada.texto = marcaAbafada();
    abafada.x = std::clamp(xCasas.front(), MEIA_MARCA_ABAFADA,
                           GeometriaBraco::LARGURA - MEIA_MARCA_ABAFADA);
    abafada.visivel = !soaNota(i);
  }
  auto casas = posicao_.getCasas();
  auto dedos = posicao_.getDedos();
  casas.resize(std::min(casas.size(), static_cast<size_t>(cordas)));
  const auto& ys = geometria_.getYCordas();
  for (const auto& p : Pestana::encontrar(casas, dedos)) {
    if (!notaValida(p.primeiraCorda, p.casa)) continue;
    const int y1 = ys[static_cast<size_t>(p.primeiraCorda)];
    const int y2 = ys[static_cast<size_t>(p.ultimaCorda)];
    pestanas_.push_back({xCasas[static_cast<size_t>(p.casa)], std::min(y1, y2), std::max(y1, y2)});
  }
}

// ----- editing by clicks ---------------------------------------------------------------------

int Braco::cordaEm(int y) const {
  const int cordas = std::min({numeroCordas(), static_cast<int>(afinacao().size()),
                               static_cast<int>(posicao_.getCasas().size())});
  return geometria_.cordaEm(y, cordas);
}

int Braco::casaEm(int x) const { return geometria_.casaEm(x, numeroPosicoes()); }

bool Braco::existeNotaEm(int x, int y) const {
  const int corda = cordaEm(y);
  const int casa = casaDaFormaEm(x);
  return corda >= 0 && casa >= 0 && posicao_.existeNota(casa, corda);
}

bool Braco::alternarNota(int x, int y) {
  ajustarTamanho();
  const int corda = cordaEm(y);
  const int casa = casaDaFormaEm(x);
  if (corda < 0 || casa < 0) return false;
  if (posicao_.existeNota(casa, corda)) return true;
  anotarEdicao();
  posicao_.setNota(casa, corda);
  if (!tonicaEscolhida_) {
    const int grave = primeiraCordaTocada();
    posicao_.setTonica(grave, valorEm(posicao_.getCasas(), grave, -1));
  } else if (corda == posicao_.getCordaTonica()) {
    posicao_.setTonica(corda, casa);
  }
  renomear();
  return true;
}

bool Braco::definirTonicaEm(int x, int y) {
  if (!existeNotaEm(x, y)) return false;
  anotarEdicao();
  posicao_.setTonica(cordaEm(y), casaDaFormaEm(x));
  renomear();
  tonicaEscolhida_ = true;
  return true;
}

bool Braco::apagarNotaEm(int x, int y) {
  if (!existeNotaEm(x, y)) return false;
  anotarEdicao();
  const int corda = cordaEm(y);
  posicao_.abafarCorda(corda);
  if (posicao_.getCordaTonica() == corda) {
    posicao_.setTonica(-1, -1);
    const int grave = primeiraCordaTocada();
    if (grave >= 0) posicao_.setTonica(grave, posicao_.getCasas()[static_cast<size_t>(grave)]);
  }
  renomear();
  return true;
}

void Braco::anotarEdicao() {
  desfeitas_.push_back({posicao_, tonicaEscolhida_});
  refeitas_.clear();
}

void Braco::esquecerEdicoes() {
  desfeitas_.clear();
  refeitas_.clear();
}

bool Braco::desfazer() {
  if (desfeitas_.empty()) return false;
  voltarA(desfeitas_, refeitas_);
  return true;
}

bool Braco::refazer() {
  if (refeitas_.empty()) return false;
  voltarA(refeitas_, desfeitas_);
  return true;
}

// Shows the last fingering of `de`, keeping the one on show in `para`.
void Braco::voltarA(std::vector<Edicao>& de, std::vector<Edicao>& para) {
  para.push_back({posicao_, tonicaEscolhida_});
  const Edicao edicao = std::move(de.back());
  de.pop_back();
  posicao_ = edicao.posicao;
  exibirPosicao(&posicao_, notaTonica(), false);
  tonicaEscolhida_ = edicao.tonicaEscolhida;
}

void Braco::renomear() {
  posicao_.setNome(porta_.nomearAcorde(getNotas(), notaTonica()));
  exibirPosicao(&posicao_, notaTonica(), false);
}

// ----- clearing and restoring ----------------------------------------------------------------

void Braco::limpar() {
  esquecerEdicoes();
  const int cordas = std::min(numeroCordas(), static_cast<int>(posicao_.getCasas().size()));
  for (int i = 0; i < cordas; ++i) posicao_.abafarCorda(i);
  marcadoresUsados_ = notasPosicao_ = 0;
  quadro_.visivel = false;
  for (int i = 0; i < std::min(cordas, GeometriaBraco::SLOTS); ++i) {
    auto& c = cordas_[static_cast<size_t>(i)];
    c.maoPonto.visivel = false;
    c.dedo.destaque = c.nota.destaque = c.intervalo.destaque = false;
  }
  if (!posicao_.getNome().empty()) posicaoSalva_ = posicao_;
  if (escala_) guardarEscala();
}

void Braco::esvaziar() {
  esquecerEdicoes();
  const int cordas = numeroCordas() > 0 ? numeroCordas() : GeometriaBraco::SLOTS;
  posicao_ = Posicao(std::vector<int>(static_cast<size_t>(cordas), -1),
                     std::vector<int>(static_cast<size_t>(cordas), DEDO_ABAFADO));
}

void Braco::restaurarPosicao() {
  if (!posicaoSalva_) return;
  posicao_ = *posicaoSalva_;
  ajustarTamanho();
  exibirPosicao(&posicao_, notaTonica(), false);
}

std::vector<int> Braco::getNotas() const {
  const auto casas = posicao_.getCasas();
  std::vector<int> notas(casas.size(), -1);
  for (int i = 0; i < static_cast<int>(casas.size()); ++i) {
    if (soaNota(i)) notas[static_cast<size_t>(i)] = notaDaForma(i, casas[static_cast<size_t>(i)]);
  }
  return notas;
}

int Braco::notaTonica() const {
  const int corda = posicao_.getCordaTonica();
  const int casa = posicao_.getCasaTonica();
  if (corda < 0 || casa < 0 || corda >= static_cast<int>(afinacao().size())) return -1;
  return notaDaForma(corda, casa);
}

bool Braco::temNota() const {
  const auto casas = posicao_.getCasas();
  const auto dedos = posicao_.getDedos();
  const int cordas = std::min(numeroCordas(), static_cast<int>(casas.size()));
  for (int i = 0; i < cordas; ++i) {
    if (casas[static_cast<size_t>(i)] != -1 && valorEm(dedos, i, DEDO_ABAFADO) != DEDO_ABAFADO) {
      return true;
    }
  }
  return false;
}

bool Braco::temDedilhado() const {
  const auto dedos = posicao_.getDedos();
  const int cordas = std::min(numeroCordas(), static_cast<int>(dedos.size()));
  for (int i = 0; i < cordas; ++i) {
    if (dedoDaMao(dedos[static_cast<size_t>(i)])) return true;
  }
  return false;
}

// ----- scales --------------------------------------------------------------------------------

void Braco::exibirEscalaAtual() {
  if (!porta_.getEscalaAtual()) return;
  EscalaExibicao exibicao({}, {}, {}, {});
  try {
    exibicao = porta_.getEscalaExibicao();
  } catch (const NotFoundException&) {
    porta_.mostrarMensagem(porta_.getTexto("exception", "escalaImpossivel"), "");
  }
  escala_ = exibicao;
  exibirEscala(exibicao);
}

void Braco::guardarEscala() {
  if (!porta_.getTonicaEscala().empty()) {
    try {
      if (const auto atual = porta_.getEscalaAtual()) nomeEscalaSalva_ = atual->getNome();
    } catch (const std::exception&) {
      // The name stays what it was.
    }
  }
  escalaSalva_ = escala_;
}

Braco::MarcadorEscala Braco::marcadorEscala(int corda, int casa, const TomEscala& tom) const {
  MarcadorEscala m;
  m.corda = corda;
  m.casa = notaValida(corda, casa) ? casa : -1;
  for (MarcadorBraco* marcador : {&m.ponto, &m.dedo, &m.nota, &m.intervalo}) {
    colocarNaCorda(*marcador, corda);
  }
  if (m.casa < 0) return m;
  const auto c = static_cast<size_t>(classe(notaDaCorda(corda, casa)));
  m.nota.texto = tom.nomes[c];
  m.intervalo.texto = tom.intervalos[c];
  m.ponto.tonica = static_cast<int>(c) == tom.tonica;
  m.ponto.x = m.dedo.x = m.nota.x = m.intervalo.x =
      geometria_.getXCasas()[static_cast<size_t>(casa)];
  return m;
}

void Braco::prepararMarcadoresEscala(const EscalaExibicao& exibicao) {
  const TomEscala tom = tomEscala(exibicao);
  marcadoresEscala_.clear();
  for (int k = 0; k < exibicao.getNumeroNotas(); ++k) {
    const int dedo = valorEm(exibicao.getDedos(), k, DEDO_ABAFADO);
    // A note the display leaves unplayed keeps its index for playback but draws nothing.
    const int casa = dedo == DEDO_ABAFADO ? -1 : valorEm(exibicao.getCasas(), k, -1);
    MarcadorEscala m = marcadorEscala(valorEm(exibicao.getCordas(), k, 0), casa, tom);
    m.dedo.texto = std::to_string(dedo);
    marcadoresEscala_.push_back(std::move(m));
  }
  notasPosicao_ = exibicao.getNumeroNotas();
  if (bracoInteiro_) acrescentarRestoDoBraco(tom);
  marcadoresUsados_ = static_cast<int>(marcadoresEscala_.size());
}

// Every other note of the key, string by string, fret by fret; no finger of its own.
void Braco::acrescentarRestoDoBraco(const TomEscala& tom) {
  const int cordas = std::min(numeroCordas(), GeometriaBraco::SLOTS);
  const int posicoes = std::min(numeroPosicoes(), static_cast<int>(geometria_.getXCasas().size()));
  for (int corda = 0; corda < cordas; ++corda) {
    for (int casa = 0; casa < posicoes; ++casa) {
      if (!tom.naEscala[static_cast<size_t>(classe(notaDaCorda(corda, casa)))]) continue;
      const auto naPosicao =
          std::find_if(marcadoresEscala_.begin(), marcadoresEscala_.begin() + notasPosicao_,
                       [&](const MarcadorEscala& m) { return m.corda == corda && m.casa == casa; });
      if (naPosicao == marcadoresEscala_.begin() + notasPosicao_) {
        marcadoresEscala_.push_back(marcadorEscala(corda, casa, tom));
      }
    }
  }
}

void Braco::setBracoInteiro(bool inteiro) {
  if (inteiro == bracoInteiro_) return;
  bracoInteiro_ = inteiro;
  if (!escala_) return;
  prepararMarcadoresEscala(*escala_);
  posicionarMarcadoresEscala();
}

// Around the position's frets, across all the strings, on the whole neck only.
void Braco::posicionarQuadro() {
  quadro_.visivel = false;
  if (!bracoInteiro_) return;
  const auto& xs = geometria_.getXCasas();
  const auto& ys = geometria_.getYCordas();
  const int cordas = std::min(numeroCordas(), GeometriaBraco::SLOTS);
  bool algum = false;
  for (int k = 0; k < notasPosicao_; ++k) {
    const auto& m = marcadoresEscala_[static_cast<size_t>(k)];
    if (m.casa < 0) continue;
    const int x = xs[static_cast<size_t>(m.casa)];
    quadro_.xEsquerda = algum ? std::min(quadro_.xEsquerda, x) : x;
    quadro_.xDireita = algum ? std::max(quadro_.xDireita, x) : x;
    algum = true;
  }
  if (!algum || cordas <= 0) return;
  const auto [menor, maior] = std::minmax_element(ys.begin(), ys.begin() + cordas);
  // Around the dots, inside the picture: an open string's dot sits at its edge.
  quadro_.xEsquerda = std::max(1, quadro_.xEsquerda - GeometriaBraco::RAIO_CASA);
  quadro_.xDireita =
      std::min(GeometriaBraco::LARGURA - 2, quadro_.xDireita + GeometriaBraco::RAIO_CASA);
  quadro_.yTopo = *menor - GeometriaBraco::DISTANCIA_CORDAS / 2;
  quadro_.yBase = *maior + GeometriaBraco::DISTANCIA_CORDAS / 2;
  quadro_.visivel = true;
}

Braco::TomEscala Braco::tomEscala(const EscalaExibicao& exibicao) {
  TomEscala tom;
  for (int c = 0; c < NUMERO_NOTAS; ++c) tom.nomes[static_cast<size_t>(c)] = nomeNota(c);
  // Spelled from the scale's key when the scale and its tonic are known.
  const auto tonicas = porta_.getNomesTonicas();
  const auto tonica = std::find(tonicas.begin(), tonicas.end(), porta_.getTonicaEscala());
  std::optional<Escala> escala;
  try {
    escala = porta_.getEscalaAtual();
  } catch (const std::exception&) {
    // No scale base: sharps.
  }
  if (tonica == tonicas.end() || !escala) {
    for (int k = 0; k < exibicao.getNumeroNotas(); ++k) {
      const int corda = valorEm(exibicao.getCordas(), k, 0);
      const int casa = valorEm(exibicao.getCasas(), k, -1);
      if (notaValida(corda, casa))
        tom.naEscala[static_cast<size_t>(classe(notaDaCorda(corda, casa)))] = true;
    }
    return tom;
  }
  tom.tonica = static_cast<int>(tonica - tonicas.begin());
  const std::vector<int> semitons = escala->getNotas();
  const std::vector<std::string> grafadas = GrafiaNotas::notasDaEscala(tom.tonica, semitons);
  const std::vector<std::string> intervalos = GrafiaNotas::intervalosDaEscala(
      tom.tonica, semitons,
      ehIdiomaPortugues(porta_.getNomeIdiomaAtual()) ? Gramatica::Portugues : Gramatica::Ingles);
  for (size_t i = 0; i < semitons.size(); ++i) {
    const auto c = static_cast<size_t>(classe(tom.tonica + semitons[i]));
    tom.naEscala[c] = true;
    tom.nomes[c] = grafadas[i];
    tom.intervalos[c] = intervalos[i];
  }
  return tom;
}

void Braco::exibirEscala(EscalaExibicao exibicao) {
  esconderMarcadores();
  limpar();
  prepararMarcadoresEscala(exibicao);
  escala_ = std::move(exibicao);
  posicionarMarcadoresEscala();
}

void Braco::posicionarMarcadoresEscala() {
  if (!escala_) return;
  esconderMarcadores();
  for (int k = 0; k < marcadoresUsados_; ++k) {
    auto& m = marcadoresEscala_[static_cast<size_t>(k)];
    if (!notaValida(m.corda, m.casa)) continue;
    const int x = geometria_.getXCasas()[static_cast<size_t>(m.casa)];
    m.ponto.x = m.dedo.x = m.nota.x = m.intervalo.x = x;
    m.ponto.visivel = true;
    m.dedo.visivel = modo_ == ModoRotulo::DEDOS;
    m.nota.visivel = modo_ == ModoRotulo::NOTAS;
    m.intervalo.visivel = modo_ == ModoRotulo::INTERVALOS;
  }
  posicionarQuadro();
}

void Braco::restaurarEscala() {
  if (!escalaSalva_) return;
  if (!nomeEscalaSalva_.empty()) porta_.setEscala(nomeEscalaSalva_);
  // Its markers were cleared with the chords: they are laid out again.
  exibirEscala(*escalaSalva_);
}

// ----- playback ------------------------------------------------------------------------------

PlanoReproducao Braco::planoAcorde() const { return PlanoReproducao::deAcorde(getNotas()); }

PlanoReproducao Braco::planoEscala() const {
  if (!escala_) return {};
  std::vector<int> notas;
  for (int k = 0; k < escala_->getNumeroNotas(); ++k) {
    const int corda = valorEm(escala_->getCordas(), k, -1);
    const int casa = valorEm(escala_->getCasas(), k, -1);
    notas.push_back(notaValida(corda, casa) ? notaDaCorda(corda, casa) : -1);
  }
  return PlanoReproducao::deEscala(notas);
}

void Braco::aplicarDestaque(const EventoReproducao& evento) {
  if (evento.tipo == EventoReproducao::Tipo::Destacar) destacarNotaEscala(evento.valor);
  if (evento.tipo == EventoReproducao::Tipo::ApagarDestaque) apagarDestaqueNotaEscala(evento.valor);
}

void Braco::destacarNotaEscala(int indice) {
  if (!escala_ || indice < 0 || indice >= escala_->getNumeroNotas()) return;
  const int corda = valorEm(escala_->getCordas(), indice, -1);
  if (corda >= 0 && corda < GeometriaBraco::SLOTS) {
    auto& c = cordas_[static_cast<size_t>(corda)];
    const int dedo = valorEm(escala_->getDedosMaoDireita(), indice, -1);
    c.maoRotulo.texto = dedo >= 0 && dedo < 4 ? std::string(1, LETRAS_MAO[dedo]) : "";
    c.maoRotulo.destaque = true;
    c.maoRotulo.visivel = c.maoPonto.visivel = true;
  }
  if (indice < notasPosicao_) {
    auto& m = marcadoresEscala_[static_cast<size_t>(indice)];
    m.dedo.destaque = m.nota.destaque = m.intervalo.destaque = true;
  }
}

void Braco::apagarDestaqueNotaEscala(int indice) {
  if (!escala_ || indice < 0 || indice >= escala_->getNumeroNotas()) return;
  const int corda = valorEm(escala_->getCordas(), indice, -1);
  if (corda >= 0 && corda < GeometriaBraco::SLOTS) {
    auto& c = cordas_[static_cast<size_t>(corda)];
    c.maoRotulo.destaque = false;
    c.maoRotulo.visivel = c.maoPonto.visivel = false;
  }
  if (indice < notasPosicao_) {
    auto& m = marcadoresEscala_[static_cast<size_t>(indice)];
    m.dedo.destaque = m.nota.destaque = m.intervalo.destaque = false;
  }
}

void Braco::apagarDestaques() {
  for (auto& c : cordas_) {
    c.maoRotulo.destaque = false;
    c.maoRotulo.visivel = c.maoPonto.visivel = false;
  }
  for (auto& m : marcadoresEscala_)
    m.dedo.destaque = m.nota.destaque = m.intervalo.destaque = false;
}

void Braco::tocarAcorde() { porta_.tocarPlano(planoAcorde(), {}); }

void Braco::tocarEscala() {
  porta_.tocarPlano(planoEscala(), [this](const EventoReproducao& e) { aplicarDestaque(e); });
}

}  // namespace tessara
