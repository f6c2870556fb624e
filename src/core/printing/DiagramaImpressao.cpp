#include "printing/DiagramaImpressao.h"

#include <algorithm>
#include <array>
#include <string>

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
  const double grade = topoGrade(topo);
  const auto casas = posicao.getCasas();
  const auto dedos = posicao.getDedos();
  const MarcasDiagrama marcas({static_cast<double>(x), grade, espacoCasas_, espacoCordas_,
                               instrumento_.getNumeroCordas(), 2.5 * medidas_.larguraCaneta},
                              casas, dedos, instrumento_.getNumeroCasas());
  escreverCasaInicial(marcas.getCasaInicial(), x, grade);
  desenharGrade(x, grade, marcas);
  desenharAcima(marcas);
  desenharPressionadas(posicao, casas, dedos, marcas, grade);
}

void DiagramaImpressao::escreverNome(const std::string& nome, int x, int topo) {
  superficie_.setFonte(FACE_NOME, truncar(1.5 * alturaFonte_));
  const int largura = superficie_.larguraTexto(nome);
  superficie_.escreverTexto(truncar(x + 0.5 * unidadeX_ - largura / 2),
                            truncar(topo + espacoCasas_ / 3), nome);
}

double DiagramaImpressao::topoGrade(int topo) const {
  return superficie_.alturaTexto("A") + topo + espacoCasas_ + medidas_.afastamento;
}

void DiagramaImpressao::escreverCasaInicial(int casaInicial, int x, double topoGrade) {
  if (casaInicial <= 0) return;
  // In the name's face, left of the grid, level with the first fret space.
  const std::string numero = std::to_string(casaInicial);
  superficie_.escreverTexto(
      truncar(x - espacoCordas_ / 2 - medidas_.afastamento - superficie_.larguraTexto(numero)),
      truncar(topoGrade + espacoCasas_ / 2 - superficie_.alturaTexto("A") / 2), numero);
}

void DiagramaImpressao::desenharGrade(int x, double topoGrade, const MarcasDiagrama& marcas) {
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
  if (const auto& nut = marcas.getTrasteZero()) {
    superficie_.barra(truncar(nut->esquerda), truncar(nut->topo), truncar(nut->direita),
                      truncar(nut->base));
  }
}

void DiagramaImpressao::desenharAcima(const MarcasDiagrama& marcas) {
  // The grid's pen, but no more than an eighth of the ring, or a small one fills in.
  const double lado = MarcasDiagrama::LADO_MARCA_SOLTA * espacoCordas_;
  superficie_.setLarguraCaneta(std::max(1, std::min(medidas_.larguraCaneta, truncar(lado / 8))));
  for (const auto& solta : marcas.getSoltas()) {
    const auto& c = solta.caixa;
    superficie_.elipse(truncar(c.esquerda), truncar(c.topo), truncar(c.direita), truncar(c.base));
  }
  if (marcas.getAbafadas().empty()) return;
  // The character's ink is about half its height: this fills the ring's box.
  superficie_.setFonte(FACE_DIAGRAMA, truncar(2 * lado));
  static const std::string marca = MARCA_ABAFADA;
  for (const auto& abafada : marcas.getAbafadas()) escreverCentrado(abafada.caixa, marca);
}

void DiagramaImpressao::desenharPressionadas(const PosicaoHarmonicaInstrumentoCordas& posicao,
                                             const std::vector<int>& casas,
                                             const std::vector<int>& dedos,
                                             const MarcasDiagrama& marcas, double topoGrade) {
  const auto afinacao = instrumento_.getAfinacao();
  const auto raiz = rotulo_ == ModoRotulo::INTERVALOS ? classeRaiz(posicao) : std::optional<int>();
  const auto acorde = rotulo_ == ModoRotulo::NOTAS ? codigo(posicao) : std::optional<int32_t>();
  const auto rotulo = [&](int corda) {
    const int nota =
        corda < static_cast<int>(afinacao.size()) ? afinacao[corda] + casas[corda] : -1;
    return rotuloCorda(nota, dedos[corda], raiz, acorde);
  };
  const auto inteiro = [](const MarcasDiagrama::Caixa& c) {
    return std::array<int, 4>{truncar(c.esquerda), truncar(c.topo), truncar(c.direita),
                              truncar(c.base)};
  };
  for (const auto& barra : marcas.getPestanas()) {
    const auto [e, t, d, b] = inteiro(barra.caixa);
    superficie_.barra(e, t, d, b);
  }
  for (const auto& ponto : marcas.getPontos()) {
    const auto [e, t, d, b] = inteiro(ponto.caixa);
    superficie_.disco(e, t, d, b);
  }
  superficie_.setFonte(FACE_DIAGRAMA, alturaRotulo());
  superficie_.setTextoClaro(true);
  for (const auto& barra : marcas.getPestanas()) {
    const auto& p = barra.pestana;
    if (rotulo_ == ModoRotulo::DEDOS) {
      escreverCentrado(barra.caixa, std::to_string(p.dedo));  // the finger once
      continue;
    }
    for (int corda = p.primeiraCorda; corda <= p.ultimaCorda; ++corda) {
      if (casas[corda] == p.casa) escreverCentrado(marcas.caixaPonto(corda, p.casa), rotulo(corda));
    }
  }
  for (const auto& ponto : marcas.getPontos()) escreverCentrado(ponto.caixa, rotulo(ponto.corda));
  superficie_.setTextoClaro(false);
  // An open string's note or interval, under the grid: the ring above it is too small.
  if (rotulo_ == ModoRotulo::DEDOS) return;
  const double topo = topoGrade + unidadeY_ + medidas_.afastamento;
  for (const auto& solta : marcas.getSoltas()) {
    const double x = solta.caixa.centroX();
    escreverCentrado(
        {x - espacoCordas_ / 2, topo, x + espacoCordas_ / 2, topo + superficie_.alturaTexto("0")},
        rotulo(solta.corda));
  }
}

void DiagramaImpressao::escreverCentrado(const MarcasDiagrama::Caixa& caixa,
                                         const std::string& rotulo) {
  if (rotulo.empty()) return;
  superficie_.escreverTexto(truncar(caixa.centroX() - superficie_.larguraTexto(rotulo) / 2.0),
                            truncar(caixa.centroY() - superficie_.alturaTexto("0") / 2.0), rotulo);
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
