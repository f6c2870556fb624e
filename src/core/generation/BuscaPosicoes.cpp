#include "generation/BuscaPosicoes.h"

#include <algorithm>
#include <bit>
#include <span>

#include "generation/Fingering.h"
#include "generation/FormaDisposicao.h"
#include "generation/RestricaoAcordes.h"
#include "instruments/InstrumentoCordas.h"
#include "model/Notas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {

namespace {

constexpr int MAXIMO_DEDOS = 4;
// Bits left for tensions below TOM_ACORDE.
constexpr size_t MAXIMO_TENSOES = 59;
// What the muting patterns describe.
constexpr int CORDAS_PADRAO = 6;
constexpr size_t MAXIMO_PADROES = 32;

}  // namespace

void BuscaPosicoes::executar(const InstrumentoCordas& instrumento, const std::string& nome,
                             const TonsAcorde& tons, ColecaoPtr<PosicaoHarmonica>& resultado,
                             Disposicao disposicao) {
  disposicao_ = disposicao;
  numeroCordas_ = instrumento.getNumeroCordas();
  if (numeroCordas_ < restricoes_.getMinimoCordas() || !instrumento.dentroDosLimites()) return;
  // More tensions than there are bits cannot all sound on any instrument.
  if (tons.tensoes.size() > MAXIMO_TENSOES) return;
  preparar(instrumento, tons);
  nome_ = &nome;
  resultado_ = &resultado;
  passos_ = 0;
  for (int corda = ultimaCorda_; corda >= 0; --corda) colocarBaixo(corda);
  nome_ = nullptr;
  resultado_ = nullptr;
}

uint64_t BuscaPosicoes::papelDaClasse(int classe, const TonsAcorde& tons) const {
  if (semRaiz_ && classe == tons.raiz) return 0;
  uint64_t papel = 0;
  const auto marcar = [&](int tom, int bit) {
    if (tom == classe) papel |= uint64_t{1} << bit;
  };
  marcar(tons.raiz, PAPEL_RAIZ);
  if (!semTerca_) marcar(tons.terca, PAPEL_TERCA);
  if (!semQuinta_) marcar(tons.quinta, PAPEL_QUINTA);
  if (temSetima_) marcar(tons.setima, PAPEL_SETIMA);
  for (size_t i = 0; i < tons.tensoes.size(); ++i) {
    marcar(classeNota(tons.tensoes[i]), PRIMEIRA_TENSAO + static_cast<int>(i));
  }
  if (papel != 0 || classe == tons.baixo) papel |= TOM_ACORDE;
  return papel;
}

void BuscaPosicoes::preparar(const InstrumentoCordas& instrumento, const TonsAcorde& tons) {
  ultimaCorda_ = numeroCordas_ - 1;
  numeroCasas_ = std::max(instrumento.getNumeroCasas(), -1);
  distancia_ = instrumento.getDistancia();
  temSetima_ = tons.setima != 0;
  semTerca_ = classeNota(tons.terca) == classeNota(tons.raiz);
  semQuinta_ = classeNota(tons.quinta) == classeNota(tons.raiz);
  quinta_ = tons.soRaizEQuinta();
  baixo_ = classeNota(tons.baixo);
  semCordaGrave_ = instrumento.reentrante();
  const Disposicao::Tipo tipo = disposicao_.tipo();
  semRaiz_ = tipo == Disposicao::SEM_RAIZ;
  baixoLivre_ =
      semCordaGrave_ || semRaiz_ || tipo == Disposicao::DROP2 || tipo == Disposicao::DROP3;
  semPadroes_ = tipo == Disposicao::SHELL;
  tons_ = tons;
  numeroPapeis_ = PRIMEIRA_TENSAO + static_cast<int>(tons.tensoes.size());

  uint64_t papelClasse[NUMERO_NOTAS + 1] = {};
  for (int classe = 1; classe <= NUMERO_NOTAS; ++classe) {
    papelClasse[classe] = papelDaClasse(classe, tons);
  }
  const auto afinacao = instrumento.getAfinacao();
  const size_t lugares = lugar(numeroCordas_, 0);
  papeis_.assign(lugares, 0);
  notas_.assign(lugares, 0);
  utilizavel_.assign(static_cast<size_t>(numeroCordas_), 0);
  for (int corda = 0; corda < numeroCordas_; ++corda) {
    if (!instrumento.cordaUtilizavel(corda)) continue;
    utilizavel_[static_cast<size_t>(corda)] = 1;
    for (int casa = 0; casa <= numeroCasas_; ++casa) {
      const int64_t nota = int64_t{afinacao[static_cast<size_t>(corda)]} + casa;
      notas_[lugar(corda, casa)] = nota;
      papeis_[lugar(corda, casa)] = papelClasse[classeNota(static_cast<int>(nota % NUMERO_NOTAS))];
    }
  }
  candidato_.assign(static_cast<size_t>(numeroCordas_), -1);
  fatorRepeticoes_ = std::max(1, (numeroCordas_ + CORDAS_PADRAO - 1) / CORDAS_PADRAO);
  prepararPadroes();
}

// Up to six strings a pattern is compared string by string, and a string past its end has
// to sound; beyond six, each character covers a group of strings.
void BuscaPosicoes::prepararPadroes() {
  const auto cordas = static_cast<size_t>(numeroCordas_);
  padroes_.clear();
  std::vector<std::string> padroes = restricoes_.padroes();
  if (quinta_) {
    padroes.insert(padroes.end(), restricoes_.padroesQuinta().begin(),
                   restricoes_.padroesQuinta().end());
  }
  for (const auto& padrao : padroes) {
    std::vector<char> porCorda(cordas, 'o');
    for (size_t s = 0; s < cordas; ++s) {
      const size_t k = cordas > CORDAS_PADRAO ? s * CORDAS_PADRAO / cordas : s;
      if (k < padrao.size()) porCorda[s] = padrao[k];
    }
    padroes_.push_back(std::move(porCorda));
  }
  const bool porPadrao = restricoes_.getModoAbafamento() == RestricaoAcordes::ABAFAR_PADROES &&
                         padroes_.size() <= MAXIMO_PADROES && !semPadroes_;
  // Without patterns to prune by (another muting mode), every string may be either.
  padroesMudos_.assign(cordas, porPadrao ? 0 : 1);
  padroesSoando_.assign(cordas, porPadrao ? 0 : 1);
  if (!porPadrao) return;
  for (size_t p = 0; p < padroes_.size(); ++p) {
    for (size_t s = 0; s < cordas; ++s) {
      (padroes_[p][s] == 'x' ? padroesMudos_ : padroesSoando_)[s] |= uint32_t{1} << p;
    }
  }
}

// Every fret of the string that sounds the bass, ascending, with the lower strings silent.
// A re-entrant tuning has no bass string: the first string sounding may play any chord tone.
void BuscaPosicoes::colocarBaixo(int corda) {
  if (!utilizavel_[static_cast<size_t>(corda)]) return;
  uint32_t vivos = padroesSoando_[static_cast<size_t>(corda)];
  for (int abaixo = 0; abaixo < corda; ++abaixo)
    vivos &= padroesMudos_[static_cast<size_t>(abaixo)];
  if (vivos == 0) return;
  std::fill(candidato_.begin(), candidato_.end(), -1);
  for (int casa = 0; casa <= numeroCasas_; ++casa) {
    const int classe = classeNota(static_cast<int>(notas_[lugar(corda, casa)] % NUMERO_NOTAS));
    if (baixoLivre_ ? !tomDoAcorde(corda, casa) : classe != baixo_) continue;
    candidato_[static_cast<size_t>(corda)] = casa;
    const bool pressionada = casa >= 1;
    expandir(corda + 1, pressionada ? casa : -1, pressionada ? casa : numeroCasas_ + 1, vivos);
  }
  candidato_[static_cast<size_t>(corda)] = -1;
}

// String `corda` silent, then open when the span leaves it out, then each chord tone within
// the span; `maisAlta` and `maisBaixa` are the highest and lowest pressed frets so far, and
// `vivos` the muting patterns the strings below still match.
void BuscaPosicoes::expandir(int corda, int maisAlta, int maisBaixa, uint32_t vivos) {
  if (++passos_ > limitePassos_) return;
  if (corda > ultimaCorda_) {
    avaliar();
    return;
  }
  const auto s = static_cast<size_t>(corda);
  candidato_[s] = -1;
  if ((vivos & padroesMudos_[s]) != 0)
    expandir(corda + 1, maisAlta, maisBaixa, vivos & padroesMudos_[s]);
  const uint32_t soando = vivos & padroesSoando_[s];
  if (utilizavel_[s] && soando != 0) {
    const int inicio = std::max(0, maisAlta - distancia_);
    const int fim = std::min(numeroCasas_, maisBaixa + distancia_);
    if (inicio > 0 && tomDoAcorde(corda, 0)) tentar(corda, 0, maisAlta, maisBaixa, soando);
    for (int casa = inicio; casa <= fim; ++casa) {
      if (tomDoAcorde(corda, casa)) tentar(corda, casa, maisAlta, maisBaixa, soando);
    }
  }
  candidato_[s] = -1;
}

void BuscaPosicoes::tentar(int corda, int casa, int maisAlta, int maisBaixa, uint32_t vivos) {
  candidato_[static_cast<size_t>(corda)] = casa;
  if (casa >= 1) {
    expandir(corda + 1, std::max(maisAlta, casa), std::min(maisBaixa, casa), vivos);
  } else {
    expandir(corda + 1, maisAlta, maisBaixa, vivos);
  }
}

// The filters only keep or drop a candidate, so their order here (cheapest first) does not
// change what is kept.
void BuscaPosicoes::avaliar() {
  if (!filtrarDedos() || !filtrarAbafamento() || !filtrarNotas() || !filtrarDisposicao()) return;
  if (!restricoes_.permiteUnissono() && !filtrarUnissonos()) return;
  if (!restricoes_.permiteSegundaMenor() && !filtrarSegundas()) return;
  dedilhar();
}

// The fingers the candidate needs: one per pressed fret above the lowest, and one for the
// lowest fret, covering from the highest string down every string there until an open string
// comes between.
bool BuscaPosicoes::filtrarDedos() const {
  int menor = numeroCasas_ + 1;
  for (int casa : candidato_) {
    if (casa >= 1) menor = std::min(menor, casa);
  }
  bool aberta = false;
  bool contada = false;
  int dedos = 0;
  for (int corda = ultimaCorda_; corda >= 0; --corda) {
    const int casa = candidato_[static_cast<size_t>(corda)];
    if (casa == 0) {
      aberta = true;
    } else if (casa < 0) {
      continue;
    } else if (casa != menor || !contada || aberta) {
      ++dedos;
      if (casa == menor) contada = true;
    }
  }
  return dedos <= MAXIMO_DEDOS;
}

bool BuscaPosicoes::filtrarNotas() const {
  int contagem[64] = {};
  int soando = 0;
  for (int corda = 0; corda < numeroCordas_; ++corda) {
    const int casa = candidato_[static_cast<size_t>(corda)];
    if (casa < 0) continue;
    ++soando;
    for (uint64_t papel = papeis_[lugar(corda, casa)] & ~TOM_ACORDE; papel != 0;
         papel &= papel - 1) {
      ++contagem[std::countr_zero(papel)];
    }
  }
  const bool poucasCordas = quinta_ || semPadroes_;
  if (soando <
      (poucasCordas ? restricoes_.getMinimoCordasQuinta() : restricoes_.getMinimoCordas())) {
    return false;
  }

  const RestricaoAcordes& r = restricoes_;
  const auto maximo = [&](int indice) { return r.getMaximoRepeticoes(indice) * fatorRepeticoes_; };
  const int maximoTensao = maximo(RestricaoAcordes::SETIMA_E_TENSOES);
  const int raiz = contagem[PAPEL_RAIZ];
  const int terca = contagem[PAPEL_TERCA];
  const int quinta = contagem[PAPEL_QUINTA];
  const int setima = contagem[PAPEL_SETIMA];
  // A missing third or fifth stands for the root, as it always has in this count.
  int distintas = (raiz > 0) + (terca > 0 || (semTerca_ && raiz > 0)) +
                  (quinta > 0 || (semQuinta_ && raiz > 0)) + (setima > 0);
  for (int papel = PRIMEIRA_TENSAO; papel < numeroPapeis_; ++papel) {
    if (contagem[papel] == 0 || contagem[papel] > maximoTensao) return false;
    ++distintas;
  }
  return distintas >= r.getMinimoNotas() && raiz <= maximo(RestricaoAcordes::RAIZ) &&
         terca <= maximo(RestricaoAcordes::TERCA) && quinta <= maximo(RestricaoAcordes::QUINTA) &&
         setima <= maximoTensao && (raiz > 0) != semRaiz_ &&
         (terca > 0 || (r.permiteOmitirTerca() && !semRaiz_) || semTerca_) &&
         (quinta > 0 || r.permiteOmitirQuinta()) && (setima > 0 || !temSetima_);
}

bool BuscaPosicoes::filtrarUnissonos() const {
  for (int a = 0; a < numeroCordas_; ++a) {
    const int casaA = candidato_[static_cast<size_t>(a)];
    if (casaA < 0) continue;
    for (int b = a + 1; b < numeroCordas_; ++b) {
      const int casaB = candidato_[static_cast<size_t>(b)];
      if (casaB >= 0 && notas_[lugar(a, casaA)] == notas_[lugar(b, casaB)]) return false;
    }
  }
  return true;
}

bool BuscaPosicoes::filtrarSegundas() const {
  for (int a = 0; a < numeroCordas_; ++a) {
    const int casaA = candidato_[static_cast<size_t>(a)];
    if (casaA < 0) continue;
    for (int b = a + 1; b < numeroCordas_; ++b) {
      const int casaB = candidato_[static_cast<size_t>(b)];
      if (casaB < 0) continue;
      const int64_t diferenca = notas_[lugar(a, casaA)] - notas_[lugar(b, casaB)];
      if (diferenca == 1 || diferenca == -1) return false;
    }
  }
  return true;
}

bool BuscaPosicoes::filtrarAbafamento() const {
  const int modo = restricoes_.getModoAbafamento();
  if (modo == RestricaoAcordes::ABAFAR_GRAVES || modo == RestricaoAcordes::ABAFAR_GRAVES_2) {
    // Silent strings only as one block from the lowest string up.
    bool soou = false;
    for (int casa : candidato_) {
      if (casa >= 0) {
        soou = true;
      } else if (soou) {
        return false;
      }
    }
    return true;
  }
  if (modo != RestricaoAcordes::ABAFAR_PADROES || semPadroes_) return true;
  for (const auto& padrao : padroes_) {
    bool igual = true;
    for (size_t k = 0; k < padrao.size() && igual; ++k) {
      igual = (candidato_[k] < 0) == (padrao[k] == 'x');
    }
    if (igual) return true;
  }
  return false;
}

bool BuscaPosicoes::filtrarDisposicao() const {
  const Disposicao::Tipo tipo = disposicao_.tipo();
  if (tipo != Disposicao::DROP2 && tipo != Disposicao::DROP3 && tipo != Disposicao::SHELL) {
    return true;
  }
  int notas[InstrumentoCordas::MAXIMO_CORDAS];
  for (int corda = 0; corda < numeroCordas_; ++corda) {
    const int casa = candidato_[static_cast<size_t>(corda)];
    notas[corda] = casa < 0 ? -1 : static_cast<int>(notas_[lugar(corda, casa)]);
  }
  return FormaDisposicao::admite(
      disposicao_, std::span<const int>(notas, static_cast<size_t>(numeroCordas_)), tons_);
}

void BuscaPosicoes::dedilhar() {
  const Fingering fingering(std::span<const int>(candidato_), numeroCasas_);
  if (fingering.getArranjos().empty()) return;
  const PosicaoHarmonicaInstrumentoCordas posicao(*nome_, candidato_,
                                                  fingering.getArranjos().front());
  resultado_->addElement(&posicao);
}

}  // namespace tessara
