#include "telas/ListaImpressao.h"

#include <algorithm>
#include <set>

#include "app/Fachada.h"
#include "foundations/ArquivoAtomico.h"
#include "foundations/LeituraArquivo.h"

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

void ListaImpressao::adicionarCancao(const CabecalhoCancao& cabecalho,
                                     const std::vector<std::string>& nomes) {
  int musica = -1;
  if (!cabecalho.vazio()) {
    musica = static_cast<int>(musicas_.size());
    musicas_.push_back(cabecalho);
  }
  std::set<std::string> vistos;
  for (const auto& nome : nomes) {
    if (!fachada_.setAcordePorNome(nome)) continue;
    const std::string guardado = fachada_.getNomeAcordeAtual();
    const auto* posicao = fachada_.getPosicaoAcordeAtual();
    if (posicao != nullptr && vistos.insert(guardado).second) {
      linhas_.push_back({guardado, *posicao, musica});
    }
  }
  fachada_.limparAcorde();
  mudou();
}

bool ListaImpressao::mover(int de, int para) {
  if (de < 0 || de >= tamanho() || para < 0 || para >= tamanho()) return false;
  Linha linha = std::move(linhas_[static_cast<size_t>(de)]);
  linhas_.erase(linhas_.begin() + de);
  linhas_.insert(linhas_.begin() + para, std::move(linha));
  selecionadas_ = {para};
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
  musicas_.clear();
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

void ListaImpressao::prepararImpressao() const {
  std::vector<int> musicas;
  for (const auto& linha : linhas_) musicas.push_back(linha.musica);
  fachada_.setCancoesImpressao(musicas_, musicas);
}

Cancioneiro ListaImpressao::cancioneiro() const {
  Cancioneiro cancioneiro;
  cancioneiro.musicas() = musicas_;
  for (const auto& linha : linhas_) {
    cancioneiro.entradas().push_back({linha.nome, linha.posicao.getCasas(), linha.musica});
  }
  return cancioneiro;
}

std::optional<PosicaoHarmonicaInstrumentoCordas> ListaImpressao::posicaoDe(
    const Cancioneiro::Entrada& entrada) {
  const InstrumentoCordas* instrumento = fachada_.getInstrumentoAtual();
  const bool cabe = instrumento != nullptr &&
                    static_cast<int>(entrada.casas.size()) == instrumento->getNumeroCordas() &&
                    std::all_of(entrada.casas.begin(), entrada.casas.end(),
                                [&](int casa) { return casa <= instrumento->getNumeroCasas(); });
  if (cabe) {
    const auto tocada = fachada_.posicaoDasCasas(entrada.casas);
    return PosicaoHarmonicaInstrumentoCordas(entrada.nome, entrada.casas, tocada.getDedos());
  }
  std::optional<PosicaoHarmonicaInstrumentoCordas> porNome;
  if (fachada_.setAcordePorNome(entrada.nome)) {
    if (const auto* posicao = fachada_.getPosicaoAcordeAtual()) porNome = *posicao;
  }
  return porNome;
}

std::vector<std::string> ListaImpressao::carregar(const Cancioneiro& cancioneiro,
                                                  bool acrescentar) {
  if (!acrescentar) {
    linhas_.clear();
    musicas_.clear();
    selecionadas_.clear();
  }
  const int primeira = static_cast<int>(musicas_.size());
  musicas_.insert(musicas_.end(), cancioneiro.musicas().begin(), cancioneiro.musicas().end());
  std::vector<std::string> recusados;
  for (const auto& entrada : cancioneiro.entradas()) {
    auto posicao = posicaoDe(entrada);
    if (!posicao) {
      recusados.push_back(entrada.nome);
      continue;
    }
    const bool emMusica =
        entrada.musica >= 0 && static_cast<size_t>(entrada.musica) < cancioneiro.musicas().size();
    linhas_.push_back(
        {entrada.nome, std::move(*posicao), emMusica ? primeira + entrada.musica : -1});
  }
  fachada_.limparAcorde();
  mudou();
  return recusados;
}

ListaImpressao::Abertura ListaImpressao::abrir(const std::filesystem::path& arquivo,
                                               bool acrescentar) {
  // A songbook of a thousand songs is far smaller; anything larger is no songbook.
  constexpr size_t MAIOR_ARQUIVO = 4 * 1024 * 1024;
  Abertura abertura;
  const auto leitura = LeituraArquivo::ler(arquivo, MAIOR_ARQUIVO);
  if (!leitura.lida()) {
    abertura.motivo = leitura.motivo();
    return abertura;
  }
  abertura.lida = true;
  const auto cancioneiro = Cancioneiro::ler(leitura.conteudo(), &abertura.linhasIgnoradas);
  abertura.recusados = carregar(cancioneiro, acrescentar);
  return abertura;
}

bool ListaImpressao::salvar(const std::filesystem::path& arquivo, std::string* erro) const {
  return ArquivoAtomico::escrever(arquivo, cancioneiro().escrever(), erro);
}

ListaImpressao::Abertura ListaImpressao::guardarEm(const std::filesystem::path& arquivo) {
  guarda_.clear();
  Abertura abertura;
  if (std::filesystem::exists(std::filesystem::symlink_status(arquivo))) {
    abertura = abrir(arquivo, false);
    const bool incompleta = !abertura.linhasIgnoradas.empty() || !abertura.recusados.empty();
    if (!abertura.lida || incompleta) {
      ArquivoAtomico::copiar(arquivo, arquivo.string() + ".damaged");
    }
  }
  guarda_ = arquivo;
  return abertura;
}

void ListaImpressao::mudou() {
  if (!guarda_.empty()) {
    erroGuarda_.clear();
    salvar(guarda_, &erroGuarda_);
  }
  if (aoMudar_) aoMudar_();
}

}  // namespace tessara
