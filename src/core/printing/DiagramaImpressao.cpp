#include "printing/DiagramaImpressao.h"

#include <algorithm>
#include <array>
#include <utility>

#include "chords/Especialista.h"
#include "chords/GrafiaNotas.h"
#include "foundations/DException.h"
#include "model/Notas.h"
#include "printing/TrabalhoImpressao.h"

namespace tessara {

namespace {

const std::string FACE_NOME = "Times New Roman";
const std::string FACE_DIAGRAMA = "Arial";
constexpr int LINHAS_GRADE = 6;

int truncar(double valor) { return static_cast<int>(valor); }

}  // namespace

DiagramaImpressao::DiagramaImpressao(Superficie& superficie, const MedidasPagina& medidas,
                                     int rotulo, const InstrumentoCordas& instrumento,
                                     const Especialista& especialista)
    : superficie_(superficie),
      medidas_(medidas),
      rotulo_(rotulo),
      instrumento_(instrumento),
      especialista_(especialista),
      unidadeX_(medidas.larguraDiagrama),
      unidadeY_(medidas.alturaDiagrama),
      alturaFonte_(unidadeY_ * 0.125),
      espacoCasas_(0.2 * unidadeY_),
      espacoCordas_(0.2 * unidadeX_) {}

void DiagramaImpressao::desenhar(const PosicaoHarmonicaInstrumentoCordas& posicao, int x,
                                 int topo) {
  escreverNome(posicao.getNome(), x, topo);
  const int inicial = casaInicial(posicao.getCasas(), instrumento_.getNumeroCasas());
  const double topoGrade = escreverCasaInicial(inicial, x, topo);
  superficie_.setFonte(FACE_DIAGRAMA, truncar(alturaFonte_));
  desenharGrade(x, topoGrade);
  desenharCirculos(posicao, x, topoGrade, inicial);
}

int DiagramaImpressao::casaInicial(const std::vector<int>& casas, int numeroCasas) {
  const int maior = std::max(0, casas.empty() ? 0 : *std::max_element(casas.begin(), casas.end()));
  if (maior < 5) return 0;
  int menor = numeroCasas;
  for (int casa : casas) {
    if (casa > 0) menor = std::min(menor, casa);
  }
  return menor;
}

std::string DiagramaImpressao::numeroRomano(int casa) {
  static const std::array<std::pair<int, const char*>, 13> algarismos = {{{1000, "M"},
                                                                          {900, "CM"},
                                                                          {500, "D"},
                                                                          {400, "CD"},
                                                                          {100, "C"},
                                                                          {90, "XC"},
                                                                          {50, "L"},
                                                                          {40, "XL"},
                                                                          {10, "X"},
                                                                          {9, "IX"},
                                                                          {5, "V"},
                                                                          {4, "IV"},
                                                                          {1, "I"}}};
  std::string romano;
  for (const auto& [valor, algarismo] : algarismos) {
    for (; casa >= valor; casa -= valor) romano += algarismo;
  }
  return romano;
}

void DiagramaImpressao::escreverNome(const std::string& nome, int x, int topo) {
  superficie_.setFonte(FACE_NOME, truncar(1.5 * alturaFonte_));
  const int largura = superficie_.larguraTexto(nome);
  superficie_.escreverTexto(truncar(x + 0.5 * unidadeX_ - largura / 2),
                            truncar(topo + espacoCasas_ / 3), nome);
}

double DiagramaImpressao::escreverCasaInicial(int casaInicial, int x, int topo) {
  // Still in the name's face: the grid starts one line of it below the name's top.
  const int alturaA = superficie_.alturaTexto("A");
  const double topoGrade = alturaA + topo + espacoCasas_ + medidas_.afastamento;
  const std::string romano = numeroRomano(casaInicial);
  if (!romano.empty()) {
    superficie_.escreverTexto(
        truncar(x - espacoCordas_ / 2 - medidas_.afastamento - superficie_.larguraTexto(romano)),
        truncar(topoGrade + espacoCasas_ / 2 - alturaA / 2), romano);
  }
  return topoGrade;
}

void DiagramaImpressao::desenharGrade(int x, double topoGrade) {
  const int cordas = instrumento_.getNumeroCordas();
  const int direita = truncar(x + (cordas - 1) * espacoCordas_);
  superficie_.setLarguraCaneta(medidas_.larguraCaneta);
  for (int i = 0; i < LINHAS_GRADE; ++i) {
    const int y = truncar(topoGrade + i * espacoCasas_);
    superficie_.linha(x, y, direita, y);
  }
  // The lowest string is the heaviest, as on the instrument.
  superficie_.setLarguraCaneta(medidas_.larguraCaneta + 5);
  for (int corda = 0; corda < cordas; ++corda) {
    const int xCorda = truncar(x + corda * espacoCordas_);
    superficie_.linha(xCorda, truncar(topoGrade), xCorda, truncar(topoGrade + unidadeY_));
    superficie_.setLarguraCaneta(std::max(1, truncar(5 - 0.6 * corda)));
  }
}

void DiagramaImpressao::desenharCirculos(const PosicaoHarmonicaInstrumentoCordas& posicao, int x,
                                         double topoGrade, int casaInicial) {
  const auto casas = posicao.getCasas();
  const auto dedos = posicao.getDedos();
  const auto afinacao = instrumento_.getAfinacao();
  const auto raiz = rotulo_ == ModoRotulo::INTERVALOS ? classeRaiz(posicao) : std::optional<int>();
  const auto acorde = rotulo_ == ModoRotulo::NOTAS ? codigo(posicao) : std::optional<int32_t>();
  const int base = casaInicial > 0 ? casaInicial - 1 : 0;
  const double esquerda = x - espacoCordas_ / 2;
  // Only the strings the grid shows.
  const int cordas = std::min({static_cast<int>(casas.size()), static_cast<int>(dedos.size()),
                               instrumento_.getNumeroCordas()});
  superficie_.setLarguraCaneta(medidas_.larguraCaneta);
  superficie_.setFonte(FACE_DIAGRAMA, alturaRotulo());
  for (int corda = cordas - 1; corda >= 0; --corda) {
    const int casa = casas[corda];
    if (casa < 0 || dedos[corda] == PosicaoHarmonicaInstrumentoCordas::DEDO_ABAFADO) continue;
    // An open string sits above the grid; a pressed one in its fret space, even when no
    // finger has been assigned to it (a fingering clicked on the fretboard).
    const double topo =
        casa == 0 ? topoGrade - espacoCordas_
                  : topoGrade + espacoCasas_ * (casa - base) - espacoCasas_ / 2 - espacoCordas_ / 2;
    const int nota = corda < static_cast<int>(afinacao.size()) ? afinacao[corda] + casa : -1;
    desenharCirculo(esquerda + corda * espacoCordas_, topo,
                    rotuloCorda(nota, dedos[corda], raiz, acorde));
  }
}

void DiagramaImpressao::desenharCirculo(double esquerda, double topo, const std::string& rotulo) {
  superficie_.elipse(truncar(esquerda), truncar(topo), truncar(esquerda + espacoCordas_),
                     truncar(topo + espacoCordas_));
  if (rotulo.empty()) return;
  superficie_.escreverTexto(
      truncar(esquerda + espacoCordas_ / 2 - superficie_.larguraTexto(rotulo) / 2),
      truncar(topo + espacoCordas_ / 2 - superficie_.alturaTexto("0") / 2), rotulo);
}

std::string DiagramaImpressao::rotuloCorda(int nota, int dedo, std::optional<int> classeRaiz,
                                           std::optional<int32_t> acorde) const {
  switch (rotulo_) {
    case ModoRotulo::DEDOS: return dedo > 0 ? std::to_string(dedo) : "";
    case ModoRotulo::NOTAS:
      if (nota < 0) return "";
      return acorde ? GrafiaNotas::notaNoAcorde(*acorde, nota) : nomeNota(nota);
    case ModoRotulo::INTERVALOS:
      return nota >= 0 && classeRaiz ? nomeIntervalo(nota - *classeRaiz) : "";
    default: return "";
  }
}

std::optional<int32_t> DiagramaImpressao::codigo(
    const PosicaoHarmonicaInstrumentoCordas& posicao) const {
  try {
    return especialista_.interpretar(posicao.getNome());
  } catch (const DException&) {
    return std::nullopt;  // sharps, as the notes alone would be named
  }
}

std::optional<int> DiagramaImpressao::classeRaiz(
    const PosicaoHarmonicaInstrumentoCordas& posicao) const {
  // The root marker's note when there is one; otherwise the root of the chord's name, which
  // labels the intervals the same way whether or not a string sounds it. A name without a
  // root the parser knows leaves the circles without labels.
  const int corda = posicao.getCordaTonica();
  const auto casas = posicao.getCasas();
  const auto afinacao = instrumento_.getAfinacao();
  if (corda >= 0 && corda < static_cast<int>(std::min(casas.size(), afinacao.size())) &&
      casas[corda] >= 0) {
    return (afinacao[corda] + casas[corda]) % NUMERO_NOTAS;
  }
  try {
    return Especialista::getClasseRaiz(especialista_.interpretar(posicao.getNome()));
  } catch (const DException&) {
    return std::nullopt;
  }
}

int DiagramaImpressao::alturaRotulo() const {
  switch (rotulo_) {
    case ModoRotulo::NOTAS: return truncar(alturaFonte_ * 0.8);
    case ModoRotulo::INTERVALOS: return truncar(alturaFonte_ * 0.7);
    default: return truncar(alturaFonte_);
  }
}

}  // namespace tessara
