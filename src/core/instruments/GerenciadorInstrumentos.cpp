#include "instruments/GerenciadorInstrumentos.h"

#include <algorithm>
#include <limits>
#include <system_error>

#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "foundations/FileNotFoundException.h"
#include "foundations/IllegalArgumentException.h"
#include "foundations/NomeIdioma.h"
#include "foundations/Textos.h"
#include "instruments/BaseIlegivelException.h"
#include "instruments/XMLInstrumentoParser.h"

namespace tessara {

namespace {

const char* const CLASSE = "GerenciadorInstrumentos";

// The guitar sounds as a nylon-string guitar in Brazilian Portuguese, steel-string elsewhere.
constexpr int SOM_VIOLAO_NYLON = 24;
constexpr int SOM_VIOLAO_ACO = 25;

}  // namespace

GerenciadorInstrumentos::GerenciadorInstrumentos(const Textos& idioma, XMLInstrumentoParser& parser,
                                                 std::filesystem::path arquivoBase,
                                                 bool somenteLeitura)
    : idioma_(idioma),
      parser_(parser),
      somenteLeitura_(somenteLeitura),
      arquivoBase_(std::move(arquivoBase)) {
  const int somViolao =
      ehIdiomaPortugues(idioma.getNomeIdiomaAtual()) ? SOM_VIOLAO_NYLON : SOM_VIOLAO_ACO;
  padroes_.push_back(std::make_shared<const InstrumentoCordas>(
      idioma.getTexto("geral", "violaoPadrao"), idioma.getTexto("geral", "descricaoViolaoPadrao"),
      6, 12, 3, somViolao, std::vector<int>{40, 45, 50, 55, 59, 64}, true));
  padroes_.push_back(std::make_shared<const InstrumentoCordas>(
      idioma.getTexto("geral", "cavaquinhoPadrao"),
      idioma.getTexto("geral", "descricaoCavaquinhoPadrao"), 4, 12, 4, SOM_VIOLAO_NYLON,
      std::vector<int>{50, 55, 59, 64}, false));
}

int GerenciadorInstrumentos::posicaoNoArquivo(int indice) const {
  // The lowest indexes have no position below them; they stay refused by the file.
  const int padroes = getNumeroPadroes();
  return indice < std::numeric_limits<int>::min() + padroes ? std::numeric_limits<int>::min()
                                                            : indice - padroes;
}

void GerenciadorInstrumentos::setInstrumento(int indice) {
  if (indice < 0) return;
  if (ehDoArquivo(indice)) {
    atual_ = std::make_shared<const InstrumentoCordas>(
        parser_.getInstrumento(arquivoBase_, posicaoNoArquivo(indice)));
  } else {
    atual_ = padroes_[static_cast<size_t>(indice)];
  }
  nomeAtual_ = atual_->getName();
}

void GerenciadorInstrumentos::verificarArquivo() const {
  std::error_code erro;
  if (!std::filesystem::exists(arquivoBase_, erro)) {
    const std::string caminho = cp1252::deUtf8(arquivoBase_.string());
    throw FileNotFoundException(
        idioma_.getTexto("exception", "baseInstrumentosNaoEncontrada") + caminho + "'", caminho,
        CLASSE, "getNomesInstrumentos");
  }
}

std::vector<std::string> GerenciadorInstrumentos::getNomesInstrumentos() {
  verificarArquivo();
  std::vector<std::string> nomes;
  for (const auto& padrao : padroes_) nomes.push_back(padrao->getName());
  const auto doArquivo =
      lerDoArquivo([this] { return parser_.getNomesInstrumentos(arquivoBase_); });
  nomes.insert(nomes.end(), doArquivo.begin(), doArquivo.end());
  return nomes;
}

std::vector<InstrumentoCordas> GerenciadorInstrumentos::getInstrumentos() {
  verificarArquivo();
  std::vector<InstrumentoCordas> instrumentos;
  for (const auto& padrao : padroes_) instrumentos.push_back(*padrao);
  auto doArquivo = lerDoArquivo([this] { return parser_.getInstrumentos(arquivoBase_); });
  instrumentos.insert(instrumentos.end(), doArquivo.begin(), doArquivo.end());
  return instrumentos;
}

// A base that cannot be read leaves the built-in instruments; why is kept for the front end.
template <typename Leitura>
auto GerenciadorInstrumentos::lerDoArquivo(Leitura ler) -> decltype(ler()) {
  try {
    auto lidos = ler();
    aviso_.clear();
    return lidos;
  } catch (const BaseIlegivelException& e) {
    aviso_ = e.getMensagem();
    return {};
  }
}

InstrumentoCordas GerenciadorInstrumentos::getInstrumento(int indice) {
  // Compared unsigned, as the list does: a negative index goes to the file and is refused there.
  if (static_cast<unsigned>(indice) < padroes_.size())
    return *padroes_[static_cast<size_t>(indice)];
  return parser_.getInstrumento(arquivoBase_, posicaoNoArquivo(indice));
}

void GerenciadorInstrumentos::verificarEscrita(const char* metodo) const {
  if (!somenteLeitura_) return;
  throw DException(idioma_.getTexto("exception", "erroGravarBaseInstrumentos") +
                       cp1252::deUtf8(arquivoBase_.string()) + "'",
                   CLASSE, metodo);
}

bool GerenciadorInstrumentos::instrumentoExistente(const InstrumentoCordas& instrumento) {
  const auto nomes = getNomesInstrumentos();
  return std::find(nomes.begin(), nomes.end(), instrumento.getName()) != nomes.end();
}

void GerenciadorInstrumentos::addInstrumento(const InstrumentoCordas& instrumento) {
  if (instrumentoExistente(instrumento)) {
    throw IllegalArgumentException(idioma_.getTexto("exception", "instrumentoExistente"),
                                   "instrumento->getName()", CLASSE,
                                   "addInstrumento(InstrumentoCordas*)");
  }
  verificarEscrita("addInstrumento(InstrumentoCordas*)");
  parser_.addInstrumento(arquivoBase_, instrumento);
}

void GerenciadorInstrumentos::editInstrumento(int indice, const InstrumentoCordas& instrumento) {
  if (!ehDoArquivo(indice)) return;
  verificarEscrita("editInstrumento");
  parser_.editInstrumento(arquivoBase_, posicaoNoArquivo(indice), instrumento);
}

void GerenciadorInstrumentos::removerInstrumento(int indice) {
  if (!ehDoArquivo(indice)) return;
  verificarEscrita("removerInstrumento");
  parser_.delInstrumento(arquivoBase_, posicaoNoArquivo(indice));
}

}  // namespace tessara
