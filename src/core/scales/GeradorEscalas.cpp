#include "scales/GeradorEscalas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "foundations/NotFoundException.h"
#include "foundations/Textos.h"
#include "instruments/InstrumentoCordas.h"
#include "model/Notas.h"

namespace tessara {

namespace {

constexpr int PROIBIDO = 99999;
constexpr int MESMA_CORDA_DEDO_ABAIXO = 99;
constexpr int DEDOS = 5;

int64_t classe(int64_t nota) { return ((nota % NUMERO_NOTAS) + NUMERO_NOTAS) % NUMERO_NOTAS; }

}  // namespace

// The depth-first search over notes and strings. Each note is tried on the previous note's
// string first, then on every further string in the scale's direction (upwards for a rising
// step or the first note, downwards otherwise); on each string at the one fret that is
// exactly the scale's step above the previous note (any fret of the root's pitch class for the
// first note), lowest fret first.
class GeradorEscalas::Busca {
 public:
  Busca(const Escala& escala, int raiz, const InstrumentoCordas& instrumento, Limites limites,
        std::vector<std::vector<CasaCordaEscala>>& resultados)
      : raiz_(raiz),
        numeroCasas_(instrumento.getNumeroCasas()),
        limites_(limites),
        resultados_(resultados) {
    for (int nota : escala.getNotas()) notas_.push_back(nota);
    const auto afinacao = instrumento.getAfinacao();
    for (int corda = 0; instrumento.cordaUtilizavel(corda); ++corda) {
      afinacao_.push_back(afinacao[static_cast<size_t>(corda)]);
    }
  }

  void executar() {
    if (!notas_.empty()) posicionar(0, 0, 0);
  }

 private:
  int numeroCordas() const { return static_cast<int>(afinacao_.size()); }

  bool esgotada() const {
    return resultados_.size() >= limites_.exibicoes || passos_ >= limites_.passos;
  }

  void posicionar(size_t i, int inicio, int64_t anterior) {
    const int sentido = i > 0 && notas_[i - 1] >= notas_[i] ? -1 : 1;
    for (int corda = inicio; corda >= 0 && corda < numeroCordas(); corda += sentido) {
      ++passos_;
      if (i == 0) {
        tentarRaiz(corda);
      } else {
        tentar(i, corda, anterior + notas_[i] - notas_[i - 1]);
      }
      if (esgotada()) return;
    }
  }

  // The first note may be any occurrence of the root's pitch class on the string.
  void tentarRaiz(int corda) {
    const int64_t afinacao = afinacao_[static_cast<size_t>(corda)];
    for (int64_t casa = classe(raiz_ + notas_[0] - afinacao); casa <= numeroCasas_;
         casa += NUMERO_NOTAS) {
      ++passos_;
      colocar(0, corda, casa, afinacao + casa);
      if (esgotada()) return;
    }
  }

  void tentar(size_t i, int corda, int64_t nota) {
    const int64_t casa = nota - afinacao_[static_cast<size_t>(corda)];
    if (casa >= 0 && casa <= numeroCasas_) colocar(i, corda, casa, nota);
  }

  void colocar(size_t i, int corda, int64_t casa, int64_t nota) {
    caminho_.push_back({static_cast<int>(casa), corda});
    if (i + 1 == notas_.size()) {
      resultados_.push_back(caminho_);
    } else {
      posicionar(i + 1, corda, nota);
    }
    caminho_.pop_back();
  }

  std::vector<int64_t> notas_;
  std::vector<int64_t> afinacao_;
  int64_t raiz_;
  int64_t numeroCasas_;
  Limites limites_;
  std::vector<std::vector<CasaCordaEscala>>& resultados_;
  std::vector<CasaCordaEscala> caminho_;
  int64_t passos_ = 0;
};

GeradorEscalas::GeradorEscalas(const Textos& idioma, FonteInstrumento instrumento)
    : idioma_(idioma), instrumento_(std::move(instrumento)) {}

void GeradorEscalas::recusar(const Escala& escala, const std::string& tonica) const {
  throw NotFoundException(idioma_.getTexto("exception", "escalaImpossivel"),
                          escala.getNome() + tonica, "GeradorEscalas",
                          "obterPosicoesEscala(Escala, string)");
}

ColecaoPtr<EscalaExibicao> GeradorEscalas::obterPosicoesEscala(Escala escala,
                                                               const std::string& tonica) {
  resultados_.clear();
  const int raiz = indiceNotaEnarmonica(tonica, idioma_.getNomeIdiomaAtual());
  const InstrumentoCordas* instrumento = instrumento_();
  if (raiz < 0 || instrumento == nullptr) recusar(escala, tonica);
  return obterPosicoesEscala(escala, raiz, tonica, *instrumento);
}

ColecaoPtr<EscalaExibicao> GeradorEscalas::obterPosicoesEscala(
    const Escala& escala, int raiz, const std::string& tonica,
    const InstrumentoCordas& instrumento) {
  resultados_.clear();
  if (escala.getNotas().size() > static_cast<size_t>(MAXIMO_NOTAS)) recusar(escala, tonica);
  Busca(escala, raiz, instrumento, limites_, resultados_).executar();
  if (resultados_.empty()) recusar(escala, tonica);

  std::vector<EscalaExibicao> exibicoes;
  exibicoes.reserve(resultados_.size());
  for (const auto& caminho : resultados_) {
    std::vector<int> casas;
    std::vector<int> cordas;
    casas.reserve(caminho.size());
    cordas.reserve(caminho.size());
    for (const auto& [casa, corda] : caminho) {
      casas.push_back(casa);
      cordas.push_back(corda);
    }
    auto dedos = dedilhar(casas, cordas);
    exibicoes.emplace_back(std::move(casas), std::move(cordas), std::move(dedos),
                           maoDireita(static_cast<int>(caminho.size())),
                           instrumento.getNumeroCordas());
  }
  // Ascending cost; a stable sort so that the same request always lists the same way.
  std::stable_sort(exibicoes.begin(), exibicoes.end());
  ColecaoPtr<EscalaExibicao> colecao;
  for (const auto& exibicao : exibicoes) colecao.addElement(exibicao);
  return colecao;
}

int GeradorEscalas::custoTransicao(int a, int b, int p, int q, int c, int d) {
  // An open string has finger 5, and only an open string may.
  if ((a == 0 && p != DEDO_SOLTO) || (b == 0 && q != DEDO_SOLTO) || (a > 0 && p == DEDO_SOLTO) ||
      (b > 0 && q == DEDO_SOLTO)) {
    return PROIBIDO;
  }
  if (p == DEDO_SOLTO || q == DEDO_SOLTO) return 0;
  // Shifting the hand up from the little finger, or down from the index finger.
  if (p == 4 && a < b && c <= d) return q == 1 ? 3 : 4;
  if (p == 1 && a > b && c >= d) return q == 4 ? 3 : 4;
  if (c == d && a < b && q < p) return MESMA_CORDA_DEDO_ABAIXO;
  const int64_t distancia = std::llabs((static_cast<int64_t>(b) - a) - (q - p));
  const bool mesmoDedoPerto = c == d && q == p && std::llabs(static_cast<int64_t>(b) - a) <= 3;
  return static_cast<int>(std::min<int64_t>(distancia + (mesmoDedoPerto ? 2 : 0), PROIBIDO));
}

std::vector<int> GeradorEscalas::dedilhar(const std::vector<int>& casas,
                                          const std::vector<int>& cordas) {
  const size_t n = std::min(casas.size(), cordas.size());
  if (n == 0) return {};
  // One row of DEDOS cells per note; cell j - 1 is the cheapest way to reach the note with
  // finger j. Every display runs this, so the rows are one flat block.
  std::vector<Elemento> tabela(n * DEDOS, Elemento{-1, 0});
  for (size_t i = 1; i < n; ++i) {
    const int a = casas[i - 1];
    const int b = casas[i];
    const int c = cordas[i - 1];
    const int d = cordas[i];
    const Elemento* anterior = tabela.data() + (i - 1) * DEDOS;
    Elemento* atual = tabela.data() + i * DEDOS;
    for (int j = 1; j <= DEDOS; ++j) {
      Elemento melhor{-1, 0};
      for (int m = 1; m <= DEDOS; ++m) {
        const int64_t x = custoTransicao(a, b, m, j, c, d) + anterior[m - 1].custo;
        if (melhor.anterior == -1 || x < melhor.custo) melhor = {m, x};
      }
      atual[j - 1] = melhor;
    }
  }
  const Elemento* ultima = tabela.data() + (n - 1) * DEDOS;
  int dedo = 1;
  for (int j = 2; j <= DEDOS; ++j) {
    if (ultima[j - 1].custo < ultima[dedo - 1].custo) dedo = j;
  }
  std::vector<int> dedos(n);
  for (size_t i = n; i-- > 0;) {
    dedos[i] = dedo == DEDO_SOLTO ? 0 : dedo;
    dedo = tabela[i * DEDOS + static_cast<size_t>(dedo - 1)].anterior;
  }
  return dedos;
}

std::vector<int> GeradorEscalas::maoDireita(int numeroNotas) {
  std::vector<int> dedos(static_cast<size_t>(std::max(numeroNotas, 0)));
  for (size_t i = 0; i < dedos.size(); ++i) dedos[i] = 1 + static_cast<int>(i % 2);
  return dedos;
}

}  // namespace tessara
