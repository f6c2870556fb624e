#include "chords/BaseAcordes.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <numeric>
#include <system_error>

#include "foundations/Cp1252.h"
#include "foundations/FileNotFoundException.h"
#include "foundations/Interacao.h"
#include "foundations/OutOfBoundsException.h"
#include "foundations/Texto.h"
#include "model/PosicaoHarmonica.h"

namespace tessara {

namespace {

const char* const CLASSE = "BaseAcordes";

// CP1252 lower case: ASCII, the accented letters 0xC0..0xDE (but the multiplication sign),
// and the four letters of 0x8A..0x9F.
char minuscula(char c) {
  const auto b = static_cast<unsigned char>(c);
  if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
    return static_cast<char>(b + 0x20);
  }
  if (b == 0x8A || b == 0x8C || b == 0x8E) return static_cast<char>(b + 0x10);
  if (b == 0x9F) return static_cast<char>(0xFF);
  return c;
}

}  // namespace

BaseAcordes::BaseAcordes(const Textos& textos, Interacao& interacao)
    : textos_(textos), interacao_(interacao) {}

BaseAcordes::~BaseAcordes() = default;

std::string BaseAcordes::chaveNome(std::string_view nome) {
  std::string chave(nome);
  std::transform(chave.begin(), chave.end(), chave.begin(), minuscula);
  return chave;
}

void BaseAcordes::esvaziar() {
  quantidade_ = 0;
  nomes_.clear();
  acordes_.clear();
}

std::optional<std::string> BaseAcordes::abrir(const std::filesystem::path& arquivo) {
  esvaziar();
  std::error_code erro;
  if (!std::filesystem::exists(arquivo, erro)) {
    const std::string caminho = cp1252::deUtf8(arquivo.string());
    throw FileNotFoundException(
        textos_.getTexto("exception", "baseAcordesNaoEncontrada") + " '" + caminho + "'", caminho,
        CLASSE, "carregarBase(string)");
  }
  std::ifstream entrada(arquivo, std::ios::binary);
  bool lido = entrada.is_open() && !std::filesystem::is_directory(arquivo, erro);
  std::string conteudo;
  if (lido) {
    conteudo.assign(std::istreambuf_iterator<char>(entrada), {});
    lido = !entrada.bad();
  }
  if (!lido) {
    interacao_.mostrarMensagem(textos_.getTexto("baseAcordes", "erroAbrirBaseAcordes"),
                               textos_.getTexto("geral", "nomeAplicacao"));
    interacao_.pedirEncerramento();
    return std::nullopt;
  }
  return conteudo;
}

void BaseAcordes::carregarBase(const std::filesystem::path& arquivo) {
  const auto conteudo = abrir(arquivo);
  if (!conteudo) return;
  std::string palavra;
  const auto terminar = [&] {
    if (!palavra.empty() && palavra.size() <= MAXIMO_PALAVRA) adicionarNome(palavra);
    palavra.clear();
  };
  for (char c : *conteudo) {
    if (texto::ehBranco(c)) {
      terminar();
    } else {
      palavra += c;
    }
  }
  terminar();
  ordenar();
}

// The chords are a collection: a bad index is the collection's error.
void BaseAcordes::verificarIndice(int indice) const {
  if (static_cast<unsigned>(indice) >= acordes_.size()) {
    throw OutOfBoundsException(TXT("Indice inválido"), indice, "ColecaoPtr<T>", "getElement(int)");
  }
}

AcordeComposto* BaseAcordes::getAcorde(int indice) const {
  verificarIndice(indice);
  return acordes_[static_cast<size_t>(indice)].get();
}

int BaseAcordes::indiceDoNome(std::string_view nome) const {
  // Only the root's letter may differ in case: after it "M" and "m" name different chords.
  const auto igual = [nome](const std::string& outro) {
    return nome.size() == outro.size() &&
           (nome.empty() || minuscula(nome.front()) == minuscula(outro.front())) &&
           nome.substr(std::min<size_t>(1, nome.size())) ==
               std::string_view(outro).substr(std::min<size_t>(1, outro.size()));
  };
  const auto achado = std::find_if(nomes_.begin(), nomes_.end(), igual);
  return achado == nomes_.end() ? -1 : static_cast<int>(achado - nomes_.begin());
}

void BaseAcordes::adicionarNovo(std::unique_ptr<AcordeComposto> acorde) {
  acordes_.push_back(std::move(acorde));
}

void BaseAcordes::adicionarAcorde(const AcordeComposto& acorde) {
  auto copia = acorde.clonar();
  acordes_.push_back(
      std::unique_ptr<AcordeComposto>(static_cast<AcordeComposto*>(copia.release())));
  nomes_.push_back(acorde.getNome());
}

void BaseAcordes::removerAcorde(int indice) {
  verificarIndice(indice);
  const auto i = static_cast<std::ptrdiff_t>(indice);
  acordes_.erase(acordes_.begin() + i);
  if (indice < static_cast<int>(nomes_.size())) nomes_.erase(nomes_.begin() + i);
}

void BaseAcordes::removerAcordes(const std::vector<bool>& remover) {
  const auto compactar = [&remover](auto& lista) {
    size_t destino = 0;
    for (size_t i = 0; i < lista.size(); ++i) {
      if (i < remover.size() && remover[i]) continue;
      if (destino != i) lista[destino] = std::move(lista[i]);  // never onto itself
      ++destino;
    }
    lista.resize(destino);
  };
  compactar(acordes_);
  compactar(nomes_);
}

void BaseAcordes::adicionarPosicaoAcorde(int indice, const PosicaoHarmonica& posicao) {
  verificarIndice(indice);
  acordes_[static_cast<size_t>(indice)]->getPosicoes().addElement(&posicao);
}

void BaseAcordes::ordenar() {
  std::vector<size_t> ordem(nomes_.size());
  std::iota(ordem.begin(), ordem.end(), size_t{0});
  std::stable_sort(ordem.begin(), ordem.end(),
                   [this](size_t a, size_t b) { return Acorde::ordemNomes(nomes_[a], nomes_[b]); });
  std::vector<std::string> nomes;
  nomes.reserve(ordem.size());
  for (size_t i : ordem) nomes.push_back(std::move(nomes_[i]));
  nomes_ = std::move(nomes);
  // The text form has names without chords.
  if (acordes_.size() != ordem.size()) return;
  std::vector<std::unique_ptr<AcordeComposto>> acordes;
  acordes.reserve(ordem.size());
  for (size_t i : ordem) acordes.push_back(std::move(acordes_[i]));
  acordes_ = std::move(acordes);
}

}  // namespace tessara
