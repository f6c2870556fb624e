#include "generation/GerenciadorAcordes.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_set>

#include "chords/BaseAcordesViolao.h"
#include "chords/Especialista.h"
#include "foundations/Cp1252.h"
#include "foundations/FileNotFoundException.h"
#include "foundations/IllegalArgumentException.h"
#include "foundations/Interacao.h"
#include "foundations/OutOfBoundsException.h"
#include "foundations/Textos.h"
#include "generation/Tocabilidade.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/InstrumentoCordas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

namespace {

using Posicao = PosicaoHarmonicaInstrumentoCordas;

const char* const CLASSE = "GerenciadorAcordes";

// The key of a fingering as the user sees it: a string that is not played counts as one,
// whether its finger is written 6 (the chord base) or 0 (the generator).
int64_t chaveVisivel(const PosicaoHarmonica& p) {
  const auto* posicao = dynamic_cast<const Posicao*>(&p);
  if (posicao == nullptr) return p.getChave();
  const std::vector<int> casas = posicao->getCasas();
  std::vector<int> dedos = posicao->getDedos();
  for (size_t s = 0; s < casas.size() && s < dedos.size(); ++s) {
    if (casas[s] < 0) dedos[s] = Posicao::DEDO_ABAFADO;
  }
  return Posicao::calcularChave(casas, dedos);
}
}  // namespace

GerenciadorAcordes::GerenciadorAcordes(Colaboradores colaboradores,
                                       const std::filesystem::path& diretorio)
    : colaboradores_(std::move(colaboradores)),
      base_(std::move(colaboradores_.base)),
      acordeAtual_(std::make_unique<AcordeComposto>()) {
  carregarBase(diretorio);
}

GerenciadorAcordes::~GerenciadorAcordes() = default;

std::string GerenciadorAcordes::texto(const char* secao, const char* chave) const {
  return colaboradores_.idiomas.getTexto(secao, chave);
}

void GerenciadorAcordes::carregarBase(const std::filesystem::path& diretorio) {
  try {
    base_->carregarBase(diretorio / texto("parametros", "nomeArquivoBaseAcordes"));
  } catch (const FileNotFoundException&) {
    colaboradores_.interacao.mostrarMensagem(texto("exception", "baseAcordesNaoEncontrada"), "");
    colaboradores_.interacao.pedirEncerramento();
  }
  // Names the language does not read leave the base, all in one pass: one at a time would
  // take a time that grows with the square of a damaged base's size.
  const auto numero = static_cast<size_t>(base_->getNumeroAcordes());
  std::vector<bool> remover(numero, false);
  bool algum = false;
  for (size_t i = 0; i < numero; ++i) {
    try {
      codigos_.push_back(colaboradores_.especialista.interpretar(base_->getNomes()[i]));
      geradas_.push_back(false);
    } catch (const DException&) {
      remover[i] = true;
      algum = true;
    }
  }
  if (algum) base_->removerAcordes(remover);
}

const InstrumentoCordas* GerenciadorAcordes::instrumento() const {
  const InstrumentoCordas* atual = colaboradores_.instrumento();
  if (atual == nullptr || capo_ == 0) return atual;
  encurtado_ = atual->comCapo(capo_);
  return &*encurtado_;
}

bool GerenciadorAcordes::usaBase() const {
  const InstrumentoCordas* atual = instrumento();
  return atual != nullptr && atual->usaBaseAcordes() && disposicao_ == Disposicao::RAIZ;
}

// What the fingerings were made for: the instrument, the capo and the voicing.
std::string GerenciadorAcordes::nomeInstrumento() const {
  const InstrumentoCordas* atual = colaboradores_.instrumento();
  if (atual == nullptr) return std::string();
  return atual->getName() + '\n' + std::to_string(capo_) + '\n' + std::string(disposicao_.nome());
}

void GerenciadorAcordes::recomecarPosicoes() {
  if (indiceAcorde_ >= 0) indicePosicao_ = 0;
}

void GerenciadorAcordes::definirDisposicao(Disposicao disposicao) {
  disposicao_ = disposicao;
  recomecarPosicoes();
}

void GerenciadorAcordes::definirCapo(int capo) {
  capo_ = std::max(capo, 0);
  recomecarPosicoes();
}

ColecaoPtr<PosicaoHarmonica>& GerenciadorAcordes::listaAtual() {
  return usaBase() ? base_->getAcorde(indiceAcorde_)->getPosicoes() : acordeAtual_->getPosicoes();
}

void GerenciadorAcordes::recusarIndice(int indice, const char* metodo) const {
  throw OutOfBoundsException(texto("exception", "indiceInvalido"), indice, CLASSE, metodo);
}

void GerenciadorAcordes::verificarAcorde(int indice, const char* metodo) const {
  if (indice != -1 && (indice < 0 || indice >= getNumeroAcordes())) recusarIndice(indice, metodo);
}

void GerenciadorAcordes::setAcorde(int indice) {
  verificarAcorde(indice, "setAcorde(int)");
  indiceAcorde_ = indice;
  indicePosicao_ = 0;
}

void GerenciadorAcordes::setAcorde(int indice, int posicao) {
  const char* const metodo = "setAcorde(int, int)";
  verificarAcorde(indice, metodo);
  indiceAcorde_ = indice;
  // Without a chord there is no fingering to choose.
  if (indice < 0 || posicao < 0) recusarIndice(posicao, metodo);
  if (usaBase() && posicao >= listaAtual().size()) gerarPosicoes();
  if (posicao >= listaAtual().size()) recusarIndice(posicao, metodo);
  indicePosicao_ = posicao;
}

const PosicaoHarmonicaInstrumentoCordas* GerenciadorAcordes::getPosicaoAcordeAtual() {
  if (usaBase()) {
    if (indicePosicao_ >= listaAtual().size()) gerarPosicoes();
    if (indicePosicao_ >= listaAtual().size()) {
      recusarIndice(indicePosicao_, "getPosicaoAcordeAtual()");
    }
  } else {
    atualizar();
  }
  return dynamic_cast<const Posicao*>(listaAtual().getElement(indicePosicao_));
}

void GerenciadorAcordes::proximaPosicao() {
  if (indicePosicao_ == -1 || indiceAcorde_ < 0) return;
  if (indicePosicao_ + 1 < listaAtual().size()) {
    ++indicePosicao_;
    return;
  }
  if (!usaBase() || geradas_[static_cast<size_t>(indiceAcorde_)]) return;
  if (gerarPosicoes() && indicePosicao_ + 1 < listaAtual().size()) ++indicePosicao_;
}

void GerenciadorAcordes::posicaoAnterior() {
  if (indicePosicao_ > 0) --indicePosicao_;
}

void GerenciadorAcordes::completarPosicoes() {
  if (indiceAcorde_ < 0) return;
  if (!usaBase()) {
    atualizar();
    return;
  }
  if (!geradas_[static_cast<size_t>(indiceAcorde_)]) gerarPosicoes();
}

void GerenciadorAcordes::limpar() {
  indiceAcorde_ = -1;
  indicePosicao_ = -1;
}

ColecaoPtr<PosicaoHarmonica> GerenciadorAcordes::posicoesGeradas(int32_t codigo) {
  ColecaoPtr<PosicaoHarmonica> geradas = colaboradores_.gerador.gerar(codigo, disposicao_, capo_);
  if (geradas.size() > 0) return geradas;
  // A chord the instrument cannot play still has one fingering, with every string silent.
  const InstrumentoCordas* atual = instrumento();
  const size_t cordas =
      atual != nullptr ? static_cast<size_t>(std::max(0, atual->getNumeroCordas())) : 0;
  const Posicao vazia(colaboradores_.especialista.nomear(codigo), std::vector<int>(cordas, -1),
                      std::vector<int>(cordas, 0));
  geradas.addElement(&vazia);
  return geradas;
}

bool GerenciadorAcordes::gerarPosicoes() {
  const bool base = usaBase();
  ColecaoPtr<PosicaoHarmonica> geradas;
  int32_t codigo = 0;
  try {
    codigo = base ? codigos_.at(static_cast<size_t>(indiceAcorde_))
                  : colaboradores_.especialista.interpretar(acordeAtual_->getNome());
    geradas = posicoesGeradas(codigo);
    ordenarPorCusto(geradas, codigo);
  } catch (const DException&) {
    return false;  // a name the language does not read
  } catch (const std::out_of_range&) {
    return false;
  }
  ColecaoPtr<PosicaoHarmonica>& lista = listaAtual();
  std::unordered_set<int64_t> existentes;
  for (int i = 0; i < lista.size(); ++i) existentes.insert(chaveVisivel(*lista.getElement(i)));
  for (int i = 0; i < geradas.size(); ++i) {
    const PosicaoHarmonica* nova = geradas.getElement(i);
    if (existentes.count(chaveVisivel(*nova)) > 0) continue;
    if (base) {
      base_->adicionarPosicaoAcorde(indiceAcorde_, *nova);
    } else {
      acordeAtual_->getPosicoes().addElement(nova);
    }
  }
  if (base) {
    geradas_[static_cast<size_t>(indiceAcorde_)] = true;
  } else {
    // Fingerings found before (a print-list search) take their place by cost too.
    ordenarPorCusto(acordeAtual_->getPosicoes(), codigo);
  }
  return true;
}

// By playing cost, the easiest first; stable, so that equal costs keep the generator's order.
void GerenciadorAcordes::ordenarPorCusto(ColecaoPtr<PosicaoHarmonica>& posicoes,
                                         int32_t codigo) const {
  const InstrumentoCordas* atual = instrumento();
  if (atual == nullptr) return;
  const TonsAcorde tons = GeradorInstrumentoCordas::decodificar(codigo);
  std::vector<std::pair<int, const PosicaoHarmonica*>> ordem;
  for (int i = 0; i < posicoes.size(); ++i) {
    const auto* p = dynamic_cast<const Posicao*>(posicoes.getElement(i));
    const int custo =
        p == nullptr ? 0 : Tocabilidade::custo(p->getCasas(), p->getDedos(), *atual, tons);
    ordem.emplace_back(custo, posicoes.getElement(i));
  }
  std::stable_sort(ordem.begin(), ordem.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  ColecaoPtr<PosicaoHarmonica> ordenadas;
  for (const auto& [custo, p] : ordem) ordenadas.addElement(p);
  posicoes = std::move(ordenadas);
}

bool GerenciadorAcordes::regenerarAtual(const std::string& nome) {
  auto anterior = std::move(acordeAtual_);
  acordeAtual_ = std::make_unique<AcordeComposto>(nome, ColecaoPtr<PosicaoHarmonica>());
  if (!gerarPosicoes()) {
    acordeAtual_ = std::move(anterior);
    return false;
  }
  // Generated for this instrument: browsing it needs no second generation.
  nomeInstrumento_ = nomeInstrumento();
  return true;
}

bool GerenciadorAcordes::adicionarNovo(int32_t codigo, const std::string& nome) {
  const int acordeAnterior = indiceAcorde_;
  const int posicaoAnterior = indicePosicao_;
  const bool base = usaBase();
  codigos_.push_back(codigo);
  setAcorde(getNumeroAcordes() - 1);
  geradas_.push_back(false);
  std::unique_ptr<AcordeComposto> atualAnterior;
  if (!base) {
    atualAnterior = std::move(acordeAtual_);
    acordeAtual_ = std::make_unique<AcordeComposto>(nome, ColecaoPtr<PosicaoHarmonica>());
  }
  base_->adicionarAcorde(AcordeComposto(nome, ColecaoPtr<PosicaoHarmonica>()));
  // Everything added for the chord goes, its name with it, and the chord shown before
  // comes back; also when an unexpected failure passes through.
  const auto desfazer = [&] {
    if (!base) acordeAtual_ = std::move(atualAnterior);
    indiceAcorde_ = acordeAnterior;
    indicePosicao_ = posicaoAnterior;
    base_->removerAcorde(base_->getNumeroAcordes() - 1);
    codigos_.pop_back();
    geradas_.pop_back();
  };
  bool gerado = false;
  try {
    gerado = gerarPosicoes();
  } catch (...) {
    desfazer();
    throw;
  }
  if (gerado) {
    if (!base) nomeInstrumento_ = nomeInstrumento();
    return true;
  }
  desfazer();
  return false;
}

bool GerenciadorAcordes::setAcordePorNome(const std::string& nome) {
  try {
    const int indice = base_->indiceDoNome(nome);
    if (indice >= 0) {
      setAcorde(indice);
      return usaBase() || regenerarAtual(base_->getNomes()[static_cast<size_t>(indice)]);
    }
    const int32_t codigo = colaboradores_.especialista.interpretar(nome);
    const std::string canonico = colaboradores_.especialista.nomear(codigo);
    const auto achado = std::find(codigos_.begin(), codigos_.end(), codigo);
    if (achado == codigos_.end()) return adicionarNovo(codigo, canonico);
    setAcorde(static_cast<int>(achado - codigos_.begin()));
    return usaBase() || regenerarAtual(canonico);
  } catch (const DException&) {
    // Only a name the language does not read; anything else (memory) is the caller's.
    return false;
  }
}

bool GerenciadorAcordes::atualizar() {
  if (indiceAcorde_ < 0) return false;
  const std::string& nome = base_->getNomes()[static_cast<size_t>(indiceAcorde_)];
  if (acordeAtual_->getNome() == nome && nomeInstrumento_ == nomeInstrumento()) return false;
  nomeInstrumento_ = nomeInstrumento();
  return setAcordePorNome(nome);
}

int GerenciadorAcordes::getRaizAcordeAtual() const {
  if (indiceAcorde_ < 0) recusarIndice(indiceAcorde_, "getRaizAcordeAtual()");
  return Especialista::getClasseRaiz(codigos_[static_cast<size_t>(indiceAcorde_)]);
}

bool GerenciadorAcordes::usaBemolAcordeAtual() const {
  return Especialista::usaBemol(getNomeAcordeAtual());
}

std::string GerenciadorAcordes::getNomeAcordeAtual() const {
  return base_->getAcorde(indiceAcorde_)->getNome();
}

AcordeComposto* GerenciadorAcordes::getAcordeAtual() {
  if (usaBase()) return base_->getAcorde(indiceAcorde_);
  atualizar();
  return acordeAtual_.get();
}

int GerenciadorAcordes::procurar(const PosicaoHarmonica& posicao, int inicio) {
  ColecaoPtr<PosicaoHarmonica>& lista = listaAtual();
  for (int i = std::max(inicio, 0); i < lista.size(); ++i) {
    if (lista.getElement(i)->igual(posicao)) return i;
  }
  return -1;
}

// The index of the fingering among the current chord's, -1 when it is not there.
int GerenciadorAcordes::buscar(const PosicaoHarmonica* posicao, const char* metodo) {
  if (posicao == nullptr) {
    throw IllegalArgumentException(TXT("pos é NULL"), "NULL", CLASSE, metodo);
  }
  if (!usaBase()) {
    atualizar();
    return procurar(*posicao, 0);
  }
  const int achada = procurar(*posicao, 0);
  if (achada >= 0 || geradas_.at(static_cast<size_t>(indiceAcorde_))) return achada;
  const int anteriores = listaAtual().size();
  return gerarPosicoes() ? procurar(*posicao, anteriores) : -1;
}

bool GerenciadorAcordes::encontrarPosicao(const PosicaoHarmonica* posicao) {
  const int indice = buscar(posicao, "encontrarPosicao(PosicaoHarmonica*)");
  if (indice >= 0) indicePosicao_ = indice;
  return indice >= 0;
}

bool GerenciadorAcordes::existePosicao(const PosicaoHarmonica* posicao) {
  return buscar(posicao, "existePosicao(PosicaoHarmonica*)") >= 0;
}

void GerenciadorAcordes::adicionarPosicao(const PosicaoHarmonica* posicao) {
  if (posicao == nullptr) {
    throw IllegalArgumentException(TXT("pos é NULL"), "NULL", CLASSE,
                                   "adicionarPosicao(PosicaoHarmonica*)");
  }
  if (usaBase()) {
    base_->adicionarPosicaoAcorde(indiceAcorde_, *posicao);
  } else {
    atualizar();
    acordeAtual_->getPosicoes().addElement(posicao);
  }
}

std::string GerenciadorAcordes::nomeDoCodigo(int32_t codigo) const {
  const auto achado = std::find(codigos_.begin(), codigos_.end(), codigo);
  if (achado != codigos_.end()) {
    return base_->getNomes()[static_cast<size_t>(achado - codigos_.begin())];
  }
  return colaboradores_.especialista.nomear(codigo);
}

std::string GerenciadorAcordes::nomearAcorde(std::span<const int> notas, int raiz) const {
  const std::string poucas = Especialista::nomePoucasNotas(
      notas, raiz, colaboradores_.especialista.idiomaAtual().gramatica);
  if (!poucas.empty()) return poucas;
  try {
    return nomeDoCodigo(colaboradores_.especialista.codigoDasNotas(notas, raiz));
  } catch (const DException&) {
    return "";
  }
}

GrafiaNotas::Rotulos GerenciadorAcordes::rotulosPosicao(
    const PosicaoHarmonicaInstrumentoCordas& posicao) const {
  const InstrumentoCordas* atual = instrumento();
  if (atual == nullptr) return {};
  const std::vector<int> notas = atual->getNotas(posicao.getCasas());
  const Especialista& especialista = colaboradores_.especialista;
  int32_t codigo = 0;
  try {
    codigo = especialista.interpretar(posicao.getNome());
  } catch (const DException&) {
    // A name the grammar does not read: the chord its notes sound over the lowest one.
    const auto grave = std::find_if(notas.begin(), notas.end(), [](int n) { return n >= 0; });
    if (grave == notas.end())
      return {std::vector<std::string>(notas.size()), std::vector<std::string>(notas.size())};
    codigo = especialista.codigoDasNotas(notas, *grave);
  }
  return GrafiaNotas::rotulosDasNotas(codigo, notas, especialista.idiomaAtual().gramatica);
}

std::vector<int32_t> GerenciadorAcordes::leituras(const InstrumentoCordas& instrumento,
                                                  const std::vector<int>& casas) const {
  std::vector<int> notas = instrumento.getNotas(casas);
  if (!instrumento.reentrante()) return colaboradores_.especialista.leituras(notas);
  // No string is the bass: the notes are taken by pitch, lowest first, and no reading keeps a
  // bass.
  std::erase_if(notas, [](int nota) { return nota < 0; });
  std::sort(notas.begin(), notas.end());
  std::vector<int32_t> codigos = colaboradores_.especialista.leituras(notas);
  for (int32_t& codigo : codigos) codigo &= ~int32_t{31};
  std::stable_sort(codigos.begin(), codigos.end(), [](int32_t a, int32_t b) {
    return Especialista::custoLeitura(a) < Especialista::custoLeitura(b);
  });
  return codigos;
}

std::vector<std::string> GerenciadorAcordes::leiturasCasas(const std::vector<int>& casas) const {
  std::vector<std::string> nomes;
  const InstrumentoCordas* atual = instrumento();
  if (atual == nullptr) return nomes;
  for (const int32_t codigo : leituras(*atual, casas)) nomes.push_back(nomeDoCodigo(codigo));
  return nomes;
}

std::string GerenciadorAcordes::nomearCasas(const std::vector<int>& casas, int cordaRaiz) const {
  const InstrumentoCordas* atual = instrumento();
  return atual == nullptr ? "" : nomearCasas(*atual, casas, cordaRaiz);
}

std::string GerenciadorAcordes::nomearForma(const std::vector<int>& casas) const {
  const InstrumentoCordas* atual = colaboradores_.instrumento();
  return atual == nullptr ? "" : nomearCasas(*atual, casas, -1);
}

std::string GerenciadorAcordes::nomearCasas(const InstrumentoCordas& atual,
                                            const std::vector<int>& casas, int cordaRaiz) const {
  if (cordaRaiz < 0 && atual.reentrante()) {
    const std::vector<int32_t> codigos = leituras(atual, casas);
    return codigos.empty() ? "" : nomeDoCodigo(codigos.front());
  }
  const std::vector<int> notas = atual.getNotas(casas);
  if (cordaRaiz < 0) {
    const auto grave = std::find_if(notas.begin(), notas.end(), [](int n) { return n >= 0; });
    if (grave == notas.end()) return "";
    cordaRaiz = static_cast<int>(grave - notas.begin());
  }
  if (cordaRaiz >= static_cast<int>(notas.size())) return "";
  const int raiz = notas[static_cast<size_t>(cordaRaiz)];
  return raiz < 0 ? "" : nomearAcorde(notas, raiz);
}

}  // namespace tessara
