#include <gtest/gtest.h>

#include <malloc.h>

#include <algorithm>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "GeradorTeste.h"
#include "chords/Especialista.h"
#include "generation/BuscaPosicoes.h"
#include "generation/Fingering.h"
#include "generation/GeradorInstrumentoCordas.h"
#include "instruments/InstrumentoCordas.h"
#include "model/Notas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {
namespace {

using Posicao = PosicaoHarmonicaInstrumentoCordas;
using Vetor = std::vector<int>;

InstrumentoCordas instrumento(int cordas, Vetor afinacao, int distancia = 3, int casas = 12) {
  return InstrumentoCordas("teste", "", cordas, casas, distancia, 24, std::move(afinacao), false);
}

const InstrumentoCordas kViolao = instrumento(6, {40, 45, 50, 55, 59, 64});
const InstrumentoCordas kCavaquinho = instrumento(4, {50, 55, 59, 64}, 4);
const InstrumentoCordas kCincoCordas = instrumento(5, {43, 50, 55, 59, 62});

// What the search must give, written the plain way: the whole candidate list built string by
// string, then each filter over the list, then the cheapest finger arrangement.
class Referencia {
 public:
  Referencia(const InstrumentoCordas& i, const TonsAcorde& t)
      : inst_(i), tons_(t), n_(i.getNumeroCordas()), casas_(i.getNumeroCasas()) {}

  std::vector<std::pair<Vetor, Vetor>> posicoes() const {
    std::vector<std::pair<Vetor, Vetor>> resultado;
    if (n_ < 4) return resultado;
    for (const Vetor& c : candidatos()) {
      if (dedosNecessarios(c) > 4 || !notasAceitas(c) || !padraoAceito(c)) continue;
      const Fingering f(c, casas_);
      if (!f.getArranjos().empty()) resultado.emplace_back(c, f.getArranjos().front());
    }
    return resultado;
  }

 private:
  int classe(int corda, int casa) const { return classeNota(inst_.getAfinacao()[corda] + casa); }
  bool tom(int c) const {
    const auto& t = tons_.tensoes;
    return c == tons_.raiz || c == tons_.terca || c == tons_.quinta || c == tons_.baixo ||
           c == tons_.setima || std::find(t.begin(), t.end(), c) != t.end();
  }

  std::vector<Vetor> candidatos() const {
    std::vector<Vetor> todos;
    for (int d = n_ - 1; d >= 0; --d) {
      std::vector<Vetor> lista;
      for (int f = 0; f <= casas_; ++f) {
        if (classe(d, f) != tons_.baixo) continue;
        Vetor r(n_, casas_ + 1);
        std::fill(r.begin(), r.begin() + d, -1);
        r[d] = f;
        lista.push_back(r);
      }
      for (int s = d + 1; s < n_; ++s) {
        std::vector<Vetor> nova;
        for (const Vetor& r : lista) {
          int alta = -1, baixa = casas_ + 1;
          for (int v : r) {
            if (v >= 1 && v <= casas_) alta = std::max(alta, v), baixa = std::min(baixa, v);
          }
          const int lo = std::max(0, alta - inst_.getDistancia());
          const int hi = std::min(casas_, baixa + inst_.getDistancia());
          const auto com = [&](int v) {
            Vetor copia = r;
            copia[s] = v;
            nova.push_back(copia);
          };
          com(-1);
          if (lo > 0 && tom(classe(s, 0))) com(0);
          for (int f = lo; f <= hi; ++f) {
            if (tom(classe(s, f))) com(f);
          }
        }
        lista = nova;
      }
      todos.insert(todos.end(), lista.begin(), lista.end());
    }
    return todos;
  }

  int dedosNecessarios(const Vetor& c) const {
    int m = casas_ + 1;
    for (int v : c) {
      if (v >= 1) m = std::min(m, v);
    }
    bool aberta = false, contada = false;
    int dedos = 0;
    for (int s = n_ - 1; s >= 0; --s) {
      if (c[s] == 0) {
        aberta = true;
      } else if (c[s] > 0 && c[s] != m) {
        ++dedos;
      } else if (c[s] == m && (!contada || aberta)) {
        ++dedos;
        contada = true;
      }
    }
    return dedos;
  }

  bool notasAceitas(const Vetor& c) const {
    int r = 0, t = 0, q = 0, s7 = 0, soando = 0;
    std::vector<int> tensoes(tons_.tensoes.size(), 0);
    for (int s = 0; s < n_; ++s) {
      if (c[s] < 0) continue;
      ++soando;
      const int k = classe(s, c[s]);
      r += k == tons_.raiz;
      // A missing third or fifth is the root: its strings count as the root's only.
      t += k == tons_.terca && tons_.terca != tons_.raiz;
      q += k == tons_.quinta && tons_.quinta != tons_.raiz;
      s7 += k == tons_.setima;
      for (size_t i = 0; i < tensoes.size(); ++i) tensoes[i] += k == tons_.tensoes[i];
    }
    int distintas = (r > 0) + (t > 0 || (tons_.terca == tons_.raiz && r > 0)) +
                    (q > 0 || (tons_.quinta == tons_.raiz && r > 0)) + (s7 > 0);
    for (int n : tensoes) {
      if (n == 0 || n > 1) return false;
      ++distintas;
    }
    return soando >= (tons_.soRaizEQuinta() ? 3 : 4) && distintas >= 3 && r <= 3 && t <= 2 &&
           q <= 2 && s7 <= 1 && r > 0 && (tons_.setima == 0 || s7 > 0);
  }

  bool padraoAceito(const Vetor& c) const {
    std::vector<std::string> padroes = {"xxoooo", "xoxooo", "oxxooo", "xoooox",
                                        "oxooox", "ooooxx", "oooooo", "xooooo"};
    if (tons_.soRaizEQuinta()) padroes.insert(padroes.end(), {"oooxxx", "xoooxx", "xxooox"});
    for (std::string p : padroes) {
      bool igual = true;
      for (int k = 0; k < n_; ++k) igual = igual && ((c[k] < 0) == (p[k] == 'x'));
      if (igual) return true;
    }
    return false;
  }

  const InstrumentoCordas& inst_;
  const TonsAcorde& tons_;
  int n_;
  int casas_;
};

class GeradorTest : public teste::GeradorTeste {
 protected:
  GeradorTest() : GeradorTeste(kViolao) {}

  std::vector<Posicao> gerar(const InstrumentoCordas& i, const std::string& nome) {
    atual = &i;
    return lista(gerador.gerar(especialista.interpretar(nome)));
  }
};

int soando(const Vetor& casas) {
  return static_cast<int>(std::count_if(casas.begin(), casas.end(), [](int c) { return c >= 0; }));
}

int corda(const Vetor& casas) {  // the lowest sounding string
  return static_cast<int>(std::find_if(casas.begin(), casas.end(), [](int c) { return c >= 0; }) -
                          casas.begin());
}

TEST_F(GeradorTest, DoMaiorNoViolao) {
  const auto posicoes = gerar(kViolao, "C");
  ASSERT_FALSE(posicoes.empty());
  const auto c = std::find_if(posicoes.begin(), posicoes.end(), [](const Posicao& p) {
    return p.getCasas() == Vetor{-1, 3, 2, 0, 1, 0};
  });
  ASSERT_NE(c, posicoes.end());
  EXPECT_EQ(c->getDedos(), (Vetor{0, 3, 2, 0, 1, 0}));
  EXPECT_EQ(c->getNome(), "C");

  std::set<int64_t> chaves;
  for (const auto& p : posicoes) {
    const Vetor casas = p.getCasas();
    Vetor pressionadas;
    std::copy_if(casas.begin(), casas.end(), std::back_inserter(pressionadas),
                 [](int f) { return f >= 1; });
    if (!pressionadas.empty()) {
      const auto [menor, maior] = std::minmax_element(pressionadas.begin(), pressionadas.end());
      EXPECT_LE(*maior - *menor, 3);
    }
    EXPECT_GE(soando(casas), 4);
    for (size_t s = 0; s < casas.size(); ++s) {
      if (casas[s] < 0) continue;
      const int classe = (kViolao.getAfinacao()[s] + casas[s]) % 12;
      EXPECT_TRUE(classe == 0 || classe == 4 || classe == 7);
    }
    EXPECT_TRUE(chaves.insert(p.getChave()).second) << "repeated fingering";
  }
}

// Root and fifth alone may sound on three strings, the others silent as a power chord is
// played; a chord with a third never does. A suspended chord may double its root three times.
TEST_F(GeradorTest, AcordeDeQuintaEmTresCordas) {
  const auto tem = [](const std::vector<Posicao>& posicoes, const Vetor& casas) {
    return std::any_of(posicoes.begin(), posicoes.end(),
                       [&](const Posicao& p) { return p.getCasas() == casas; });
  };
  const auto quintas = gerar(kViolao, "E5");
  EXPECT_TRUE(tem(quintas, {0, 2, 2, -1, -1, -1}));
  EXPECT_TRUE(tem(gerar(kViolao, "A5"), {-1, 0, 2, 2, -1, -1}));
  EXPECT_TRUE(tem(gerar(kViolao, "D5"), {-1, -1, 0, 2, 3, -1}));
  for (const auto& p : quintas) EXPECT_GE(soando(p.getCasas()), 3);
  for (const auto& p : gerar(kViolao, "E")) EXPECT_GE(soando(p.getCasas()), 4);
  EXPECT_FALSE(tem(gerar(kViolao, "Em"), {0, 2, 2, -1, -1, -1}));
  EXPECT_TRUE(tem(gerar(kViolao, "Esus4"), {0, 2, 2, 2, 0, 0}));
}

TEST_F(GeradorTest, OrdemDaBusca) {
  // Bass on the highest strings first (those give fewer than four strings and no result),
  // then downwards; for one bass string the bass fret rises.
  const auto posicoes = gerar(kViolao, "G7");
  ASSERT_GT(posicoes.size(), 1u);
  EXPECT_LE(corda(posicoes.front().getCasas()), 2);
  for (size_t i = 1; i < posicoes.size(); ++i) {
    const Vetor a = posicoes[i - 1].getCasas();
    const Vetor b = posicoes[i].getCasas();
    ASSERT_GE(corda(a), corda(b));
    if (corda(a) == corda(b)) {
      EXPECT_LE(a[corda(a)], b[corda(b)]);
    }
  }
}

TEST_F(GeradorTest, BaixoSeparadoSoaNaCordaMaisGrave) {
  const auto posicoes = gerar(kViolao, "C/E");
  ASSERT_FALSE(posicoes.empty());
  for (const auto& p : posicoes) {
    const Vetor casas = p.getCasas();
    const int s = corda(casas);
    EXPECT_EQ((kViolao.getAfinacao()[s] + casas[s]) % 12, 4);
  }
}

TEST_F(GeradorTest, QuatroCordasTocamTodas) {
  const auto posicoes = gerar(kCavaquinho, "G");
  ASSERT_FALSE(posicoes.empty());
  for (const auto& p : posicoes) EXPECT_EQ(soando(p.getCasas()), 4);
  EXPECT_TRUE(gerar(instrumento(3, {55, 59, 64}), "G").empty());
}

TEST_F(GeradorTest, AfinacaoIncompletaNaoTocaACordaQueFalta) {
  // A damaged instrument: six strings, five tuned. The sixth is never played.
  const auto posicoes = gerar(instrumento(6, {40, 45, 50, 55, 59}), "Em");
  ASSERT_FALSE(posicoes.empty());
  for (const auto& p : posicoes) EXPECT_EQ(p.getCasas()[5], -1);
}

// Values no real instrument has: nothing is played, at once, without overflow or deep recursion.
TEST_F(GeradorTest, InstrumentoForaDosLimitesNaoToca) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  const Vetor violao = kViolao.getAfinacao();
  const InstrumentoCordas casos[] = {
      instrumento(150000, {40}),
      instrumento(13, Vetor(13, 40)),
      instrumento(6, violao, 3, kMax),
      instrumento(6, violao, 3, 1000000),
      instrumento(6, violao, 3, 37),
      instrumento(6, violao, kMax),
      instrumento(6, violao, kMin),
      instrumento(6, violao, 13),
      instrumento(6, {40, 45, 50, 55, 59, 128}),
      instrumento(6, {40, 45, 50, 55, 59, -1}),
      instrumento(6, {40, 45, 50, 55, 59, kMax}),
  };
  for (const auto& i : casos) {
    EXPECT_TRUE(gerar(i, "C").empty())
        << i.getNumeroCordas() << " " << i.getNumeroCasas() << " " << i.getDistancia();
  }
}

// The widest instruments allowed hold billions of candidates: the search stops after its steps
// with what it found by then.
TEST_F(GeradorTest, InstrumentosMaisLargosParamNosPassos) {
  using I = InstrumentoCordas;
  Vetor doze;
  for (int s = 0; s < I::MAXIMO_CORDAS; ++s) doze.push_back(40 + 5 * (s % 6));
  const auto dozeCordas = instrumento(I::MAXIMO_CORDAS, doze, I::MAXIMO_DISTANCIA, I::MAXIMO_CASAS);
  const auto seisCordas =
      instrumento(6, kViolao.getAfinacao(), I::MAXIMO_DISTANCIA, I::MAXIMO_CASAS);
  ASSERT_TRUE(dozeCordas.dentroDosLimites());
  for (const char* nome : {"C", "C7(9)", "Cdim"}) {
    gerar(dozeCordas, nome);
    EXPECT_FALSE(gerar(seisCordas, nome).empty()) << nome;
  }
}

// Instruments wider than the muting patterns: the search finds sounding fingerings of common
// chords and finishes within its steps.
TEST_F(GeradorTest, InstrumentosLargosTocamDentroDosPassos) {
  const InstrumentoCordas casos[] = {
      instrumento(7, {35, 40, 45, 50, 55, 59, 64}, 3, 22),
      instrumento(8, {30, 35, 40, 45, 50, 55, 59, 64}, 3, 24),
      instrumento(10, {40, 52, 45, 57, 50, 62, 55, 55, 59, 59}, 3, 12),
      instrumento(12, {40, 52, 45, 57, 50, 62, 55, 67, 59, 59, 64, 64}, 3, 12),
  };
  for (const auto& i : casos) {
    for (const char* nome : {"C", "G", "D", "Am", "Em", "E7", "G7", "Dm7"}) {
      const auto posicoes = gerar(i, nome);
      const auto cordas = std::to_string(i.getNumeroCordas()) + " strings, " + nome;
      EXPECT_FALSE(posicoes.empty()) << cordas;
      EXPECT_LE(gerador.passosUsados(), BuscaPosicoes::LIMITE_PASSOS) << cordas;
      for (const auto& p : posicoes) ASSERT_GE(soando(p.getCasas()), 4) << cordas;
    }
  }
}

// A lower step limit stops sooner and keeps the start of the same search.
TEST_F(GeradorTest, LimiteMenorGuardaOComecoDaMesmaBusca) {
  const auto todas = gerar(kViolao, "C");
  gerador.definirLimitePassos(gerador.passosUsados() / 2);
  const auto algumas = gerar(kViolao, "C");
  ASSERT_FALSE(algumas.empty());
  ASSERT_LT(algumas.size(), todas.size());
  for (size_t i = 0; i < algumas.size(); ++i) {
    EXPECT_EQ(algumas[i].getCasas(), todas[i].getCasas()) << i;
  }
}

TEST_F(GeradorTest, AcordeSemPosicao) {
  // Seven different tones cannot sound on four strings.
  EXPECT_TRUE(gerar(kCavaquinho, "C7(b9/#11/13)").empty());
}

// The search must give exactly the plain search's results, in the same order.
TEST_F(GeradorTest, IgualABuscaLiteral) {
  const char* acordes[] = {"C",       "Am",       "G7",        "C7(9)",  "Cdim",   "C/E",
                           "Bb7(#9)", "F#m7(b5)", "C5",        "D4",     "A7M(9)", "Eb6(9)",
                           "B7(b13)", "Dm7M",     "E7(#5/b9)", "G(9/11)"};
  for (const InstrumentoCordas* i : {&kViolao, &kCavaquinho, &kCincoCordas}) {
    for (const char* nome : acordes) {
      const TonsAcorde tons = GeradorInstrumentoCordas::decodificar(especialista.interpretar(nome));
      const auto esperado = Referencia(*i, tons).posicoes();
      const auto obtido = gerar(*i, nome);
      ASSERT_EQ(obtido.size(), esperado.size()) << nome << " on " << i->getNumeroCordas();
      for (size_t k = 0; k < obtido.size(); ++k) {
        EXPECT_EQ(obtido[k].getCasas(), esperado[k].first) << nome << " #" << k;
        EXPECT_EQ(obtido[k].getDedos(), esperado[k].second) << nome << " #" << k;
      }
    }
  }
}

struct CasoTons {
  const char* nome;
  TonsAcorde tons;
};

const CasoTons kTons[] = {
    {"C", {12, 4, 7, 0, 12, {}}},
    {"Cm7", {12, 3, 7, 10, 12, {}}},
    {"C7(9)", {12, 4, 7, 10, 12, {2}}},
    // The diminished seventh stands in the seventh's place and is a tension as well.
    {"Cdim", {12, 3, 6, 9, 12, {9}}},
    {"C6", {12, 4, 7, 9, 12, {9}}},
    {"C5", {12, 12, 7, 0, 12, {}}},
    {"Dsus2", {2, 2, 9, 0, 2, {4}}},
    {"C/E", {12, 4, 7, 0, 4, {}}},
    {"A7(#5/b9)", {9, 1, 5, 7, 9, {10}}},
    {"Bb7(b13)", {10, 2, 5, 8, 10, {6}}},
    // Seven tensions: none is dropped.
    {"C7(add4/6/b9/#9/#11/b13/13)", {12, 4, 7, 10, 12, {5, 9, 1, 3, 6, 8, 9}}},
};

TEST_F(GeradorTest, DecodificaOsTonsDoCodigo) {
  for (const auto& caso : kTons) {
    const TonsAcorde t = GeradorInstrumentoCordas::decodificar(especialista.interpretar(caso.nome));
    EXPECT_EQ(t.raiz, caso.tons.raiz) << caso.nome;
    EXPECT_EQ(t.terca, caso.tons.terca) << caso.nome;
    EXPECT_EQ(t.quinta, caso.tons.quinta) << caso.nome;
    EXPECT_EQ(t.setima, caso.tons.setima) << caso.nome;
    EXPECT_EQ(t.baixo, caso.tons.baixo) << caso.nome;
    EXPECT_EQ(t.tensoes, caso.tons.tensoes) << caso.nome;
  }
  // A root that is no written name: no tones, no fingerings.
  EXPECT_EQ(GeradorInstrumentoCordas::decodificar(Especialista::setRaiz(0, 20)).raiz, 0);
  EXPECT_EQ(gerador.gerar(Especialista::setRaiz(0, 20)).size(), 0);
}

TEST_F(GeradorTest, NomeDoCodigoNoIdiomaAtual) {
  const auto posicoes = gerar(kViolao, "C7M");
  ASSERT_FALSE(posicoes.empty());
  EXPECT_EQ(posicoes.front().getNome(), "C7M");
}

// Nothing is kept from one chord to the next but buffers sized by the instrument.
TEST_F(GeradorTest, MemoriaNaoCresceComAsGeracoes) {
  const char* nomes[] = {"C", "Am7(9)", "E7(9/13)", "F#m7(b5)", "Bb6(9)"};
  std::vector<int32_t> codigos;
  for (const char* nome : nomes) codigos.push_back(especialista.interpretar(nome));
  const auto gerarTodos = [&] {
    for (const int32_t c : codigos) {
      for (const InstrumentoCordas* i : {&kViolao, &kCavaquinho}) {
        atual = i;
        EXPECT_GT(gerador.gerar(c).size(), 0) << c;
      }
    }
  };
  gerarTodos();
  const size_t antes = mallinfo2().uordblks;
  if (antes == 0) GTEST_SKIP() << "the allocator in use does not report its use";
  for (int vez = 0; vez < 200; ++vez) gerarTodos();  // two thousand generations
  EXPECT_LT(mallinfo2().uordblks, antes + 64 * 1024);
}

TEST(RestricaoAcordes, ValoresDeConstrucao) {
  const RestricaoAcordes r;
  EXPECT_EQ(r.getMaximoRepeticoes(3), -1);
  EXPECT_EQ(r.getMinimoCordas(), 4);
  EXPECT_EQ(r.getModoAbafamento(), 3);
  EXPECT_EQ(r.getPadroes().size(), 8u);
}

}  // namespace
}  // namespace tessara
