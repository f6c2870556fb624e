#include "generation/GeradorInstrumentoCordas.h"

#include <algorithm>

#include "chords/Especialista.h"
#include "chords/GrafiaNotas.h"
#include "foundations/DException.h"
#include "generation/BuscaPosicoes.h"
#include "generation/Fingering.h"
#include "instruments/InstrumentoCordas.h"
#include "model/Notas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

namespace {

using E = Especialista;

// The generator's pitch class of a written name (C = 12), or 0 for no written name.
int classeDaGrafia(int grafia) {
  const int classe = E::classeGrafia(grafia);
  return classe < 0 ? 0 : classeNota(classe);
}

// Offset of the first of the degrees present, 0 when none is.
int deslocamento(int32_t codigo, std::initializer_list<std::pair<int, int>> grausEDeslocamentos) {
  for (const auto& [grau, semitons] : grausEDeslocamentos) {
    if (E::temGrau(codigo, grau)) return semitons;
  }
  return 0;
}

// Degrees heard as tensions, with their semitones above the root.
constexpr std::pair<int, int> kTensoes[] = {{0, 13},  {1, 14},  {4, 5},   {8, 9},
                                            {11, 13}, {12, 14}, {13, 15}, {15, 17},
                                            {16, 18}, {18, 20}, {19, 21}};

}  // namespace

GeradorInstrumentoCordas::GeradorInstrumentoCordas(FonteInstrumento instrumento,
                                                   const Especialista& especialista)
    : instrumento_(std::move(instrumento)),
      especialista_(especialista),
      restricoes_(std::make_unique<RestricaoAcordes>()),
      busca_(std::make_unique<BuscaPosicoes>(*restricoes_)) {}

GeradorInstrumentoCordas::~GeradorInstrumentoCordas() = default;

std::optional<std::vector<int>> GeradorInstrumentoCordas::dedosDasCasas(
    const std::vector<int>& casas) const {
  const InstrumentoCordas* instrumento = instrumento_();
  const Fingering dedilhado(casas, instrumento != nullptr ? instrumento->getNumeroCasas() : 0);
  if (dedilhado.getArranjos().empty()) return std::nullopt;
  return dedilhado.getArranjos().front();
}

PosicaoHarmonicaInstrumentoCordas GeradorInstrumentoCordas::posicaoDasCasas(
    const std::vector<int>& casas) const {
  using Posicao = PosicaoHarmonicaInstrumentoCordas;
  const InstrumentoCordas* instrumento = instrumento_();
  std::vector<int> dedos = dedosDasCasas(casas).value_or(std::vector<int>(casas.size(), 0));
  for (size_t corda = 0; corda < casas.size(); ++corda) {
    if (casas[corda] < 0) dedos[corda] = Posicao::DEDO_ABAFADO;
  }
  const std::vector<int> notas =
      instrumento != nullptr ? instrumento->getNotas(casas) : std::vector<int>(casas.size(), -1);
  const auto grave = std::find_if(notas.begin(), notas.end(), [](int n) { return n >= 0; });
  std::string nome;
  try {
    const int raiz = grave != notas.end() ? *grave : -1;
    nome = Especialista::nomePoucasNotas(notas, raiz, especialista_.idiomaAtual().gramatica);
    if (nome.empty()) nome = especialista_.nomear(especialista_.codigoDasNotas(notas, raiz));
  } catch (const DException&) {
    // Every string silent: a diagram without a name.
  }
  return Posicao(nome, casas, dedos);
}

TonsAcorde GeradorInstrumentoCordas::decodificar(int32_t codigo) {
  TonsAcorde tons;
  tons.raiz = classeDaGrafia(E::getRaiz(codigo));
  const int baixo = classeDaGrafia(E::getBaixo(codigo));
  tons.baixo = baixo != 0 ? baixo : tons.raiz;
  const auto acima = [&tons](int semitons) { return classeNota(tons.raiz + semitons); };
  tons.terca = acima(deslocamento(codigo, {{2, 3}, {3, 4}, {14, 4}}));
  tons.quinta = acima(deslocamento(codigo, {{5, 6}, {6, 7}, {17, 7}, {7, 8}}));
  const int setima = deslocamento(codigo, {{9, 10}, {20, 10}, {10, 11}, {21, 11}, {8, 9}});
  tons.setima = setima != 0 ? acima(setima) : 0;
  for (const auto& [grau, semitons] : kTensoes) {
    if (E::temGrau(codigo, grau)) tons.tensoes.push_back(acima(semitons));
  }
  return tons;
}

ColecaoPtr<PosicaoHarmonica> GeradorInstrumentoCordas::gerar(int32_t codigo) {
  const TonsAcorde tons = decodificar(codigo);
  if (tons.raiz == 0) return {};
  return montar(especialista_.nomear(codigo), tons.raiz, tons.terca, tons.quinta, tons.setima,
                tons.baixo, tons.tensoes);
}

std::vector<int> GeradorInstrumentoCordas::baixosInversoes(int32_t codigo) {
  const TonsAcorde tons = decodificar(codigo);
  std::vector<int> baixos;
  if (tons.raiz == 0) return baixos;
  for (const int tom : {tons.terca, tons.quinta, tons.setima}) {
    if (tom == 0 || tom == tons.raiz) continue;
    // A spelling no written name has (Bbb, E#) takes the sharp one.
    const std::string nota = GrafiaNotas::notaNoAcorde(codigo, tom);
    int escolhida = E::grafiaDaClasse(tom);
    for (int grafia = 0; grafia < E::NUMERO_GRAFIAS; ++grafia) {
      if (E::nomeGrafia(grafia) == nota) escolhida = grafia;
    }
    baixos.push_back(escolhida);
  }
  return baixos;
}

ColecaoPtr<PosicaoHarmonica> GeradorInstrumentoCordas::gerar(int32_t codigo, Disposicao disposicao,
                                                             int capo) {
  ColecaoPtr<PosicaoHarmonica> resultado;
  const InstrumentoCordas* instrumento = instrumento_();
  if (instrumento == nullptr || capo < 0) return resultado;
  const InstrumentoCordas encurtado = instrumento->comCapo(capo);
  if (disposicao != Disposicao::INVERSOES) {
    buscar(encurtado, codigo, disposicao, resultado);
    return resultado;
  }
  for (const int baixo : baixosInversoes(codigo)) {
    buscar(encurtado, E::setBaixo(codigo, baixo), Disposicao::RAIZ, resultado);
  }
  return resultado;
}

void GeradorInstrumentoCordas::buscar(const InstrumentoCordas& instrumento, int32_t codigo,
                                      Disposicao disposicao,
                                      ColecaoPtr<PosicaoHarmonica>& resultado) {
  TonsAcorde tons = decodificar(codigo);
  if (tons.raiz == 0) return;
  const Disposicao::Tipo tipo = disposicao.tipo();
  if (tipo == Disposicao::SEM_RAIZ && tons.tensoes.empty()) return;
  if (tipo == Disposicao::SHELL) {
    if (tons.terca == tons.raiz || tons.setima == 0) return;
    tons.quinta = tons.raiz;
    tons.tensoes.clear();
  }
  busca_->executar(instrumento, especialista_.nomear(codigo), tons, resultado, disposicao);
}

ColecaoPtr<PosicaoHarmonica> GeradorInstrumentoCordas::montar(const std::string& nome, int raiz,
                                                              int terca, int quinta, int setima,
                                                              int baixo,
                                                              std::span<const int> tensoes) {
  ColecaoPtr<PosicaoHarmonica> resultado;
  const InstrumentoCordas* instrumento = instrumento_();
  if (instrumento == nullptr) return resultado;
  // Pitch classes are taken 1..12 whatever the caller wrote (0 is C); 0 as the seventh means
  // there is none.
  const TonsAcorde tons{classeNota(raiz),   classeNota(terca),
                        classeNota(quinta), setima != 0 ? classeNota(setima) : 0,
                        classeNota(baixo),  std::vector<int>(tensoes.begin(), tensoes.end())};
  busca_->executar(*instrumento, nome, tons, resultado);
  return resultado;
}

void GeradorInstrumentoCordas::definirLimitePassos(int64_t limite) {
  busca_->definirLimitePassos(limite);
}

int64_t GeradorInstrumentoCordas::passosUsados() const { return busca_->passosUsados(); }

}  // namespace tessara
