#include "telas/ListaImpressao.h"

#include <algorithm>

#include "app/Fachada.h"

namespace tessara {

bool ListaImpressao::contem(const std::string& nome) const {
  return std::any_of(linhas_.begin(), linhas_.end(),
                     [&nome](const Linha& linha) { return linha.nome == nome; });
}

bool ListaImpressao::arquivar(const PosicaoHarmonicaInstrumentoCordas& posicao) {
  // The chord manager keeps the fingering only under a name it has just accepted: a failed
  // name would file it under whatever chord was current before.
  if (!fachada_.setAcordePorNome(posicao.getNome())) return false;
  if (!fachada_.existePosicao(&posicao)) fachada_.adicionarPosicao(&posicao);
  fachada_.encontrarPosicao(&posicao);
  return true;
}

std::string ListaImpressao::nomear(const PosicaoHarmonicaInstrumentoCordas& posicao) {
  return arquivar(posicao) ? fachada_.getNomeAcordeAtual() : posicao.getNome();
}

void ListaImpressao::adicionar(const PosicaoHarmonicaInstrumentoCordas& posicao, bool comTonica) {
  const std::string nome = nomear(posicao);
  linhas_.push_back({comTonica ? nome : posicao.getNome(), posicao});
  mudou();
}

void ListaImpressao::anexar(const PosicaoHarmonicaInstrumentoCordas& posicao) {
  linhas_.push_back({posicao.getNome(), posicao});
  mudou();
}

bool ListaImpressao::adicionarPorNome(const std::string& nome, bool repetir) {
  if (!fachada_.setAcordePorNome(nome)) return false;
  const std::string guardado = fachada_.getNomeAcordeAtual();
  const auto* posicao = fachada_.getPosicaoAcordeAtual();
  if (posicao != nullptr && (repetir || !contem(guardado))) {
    linhas_.push_back({guardado, *posicao});
  }
  fachada_.limparAcorde();
  mudou();
  return true;
}

bool ListaImpressao::substituir(int linha, const PosicaoHarmonicaInstrumentoCordas& posicao) {
  if (linha < 0 || linha >= tamanho()) return false;
  linhas_[static_cast<size_t>(linha)] = {nomear(posicao), posicao};
  mudou();
  return true;
}

void ListaImpressao::removerSelecionadas() {
  for (auto i = selecionadas_.rbegin(); i != selecionadas_.rend(); ++i) {
    if (*i < tamanho()) linhas_.erase(linhas_.begin() + *i);
  }
  selecionadas_.clear();
  mudou();
}

void ListaImpressao::limpar() {
  linhas_.clear();
  selecionadas_.clear();
  mudou();
}

void ListaImpressao::selecionar(const std::set<int>& linhas) {
  selecionadas_.clear();
  for (int linha : linhas) {
    if (linha >= 0 && linha < tamanho()) selecionadas_.insert(linha);
  }
}

void ListaImpressao::selecionarTudo() {
  selecionadas_.clear();
  for (int i = 0; i < tamanho(); ++i) selecionadas_.insert(i);
}

const PosicaoHarmonicaInstrumentoCordas* ListaImpressao::tornarAtual(int linha) {
  if (linha < 0 || linha >= tamanho()) return nullptr;
  const auto& posicao = linhas_[static_cast<size_t>(linha)].posicao;
  return arquivar(posicao) ? &posicao : nullptr;
}

void ListaImpressao::regenerar(const std::optional<InstrumentoCordas>& antes) {
  const InstrumentoCordas* atual = fachada_.getInstrumentoAtual();
  if (linhas_.empty() || atual == nullptr) return;
  if (antes && antes->getAfinacao() == atual->getAfinacao() &&
      antes->getNumeroCordas() == atual->getNumeroCordas() &&
      atual->getNumeroCasas() <= antes->getNumeroCasas()) {
    return;
  }
  for (auto& linha : linhas_) {
    if (!fachada_.setAcordePorNome(linha.posicao.getNome())) continue;
    if (const auto* nova = fachada_.getPosicaoAcordeAtual()) linha.posicao = *nova;
  }
  mudou();
}

ListaImpressao::Posicoes ListaImpressao::copias() const {
  Posicoes copias;
  for (const auto& linha : linhas_) copias.addElement(linha.posicao);
  return copias;
}

void ListaImpressao::mudou() {
  if (aoMudar_) aoMudar_();
}

}  // namespace tessara
