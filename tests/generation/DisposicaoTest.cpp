#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "GeradorTeste.h"
#include "chords/Especialista.h"
#include "generation/GeradorInstrumentoCordas.h"
#include "instruments/InstrumentoCordas.h"
#include "model/Disposicao.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {
namespace {

using Posicao = PosicaoHarmonicaInstrumentoCordas;
using Vetor = std::vector<int>;

const InstrumentoCordas kViolao("Violao", "", 6, 12, 3, 24, {40, 45, 50, 55, 59, 64}, false);

// The sounding MIDI notes of frets on the guitar with a capo, lowest string first.
Vetor notas(const Vetor& casas, int capo = 0) {
  Vetor n;
  for (size_t s = 0; s < casas.size(); ++s) {
    if (casas[s] >= 0) n.push_back(kViolao.getAfinacao()[s] + capo + casas[s]);
  }
  return n;
}

// Pitch class (C = 0) of each of the chord's tones by role.
struct Tons {
  int raiz, terca, quinta, setima;
};

class DisposicaoTest : public teste::GeradorTeste {
 protected:
  DisposicaoTest() : GeradorTeste(kViolao) {}

  std::vector<Posicao> gerar(const std::string& nome, Disposicao disposicao, int capo = 0) {
    return lista(gerador.gerar(especialista.interpretar(nome), disposicao, capo));
  }
};

bool tem(const std::vector<Posicao>& posicoes, const Vetor& casas) {
  return std::any_of(posicoes.begin(), posicoes.end(),
                     [&](const Posicao& p) { return p.getCasas() == casas; });
}

// Each voicing on the guitar: a shape a player knows is among the results, and every result
// has the voicing's shape, checked from its notes.
TEST_F(DisposicaoTest, CadaDisposicaoNoViolao) {
  const struct {
    Disposicao disposicao;
    const char* acorde;
    Tons tons;
    Vetor conhecida;
  } casos[] = {
      {Disposicao::RAIZ, "G7", {7, 11, 2, 5}, {3, 2, 0, 0, 0, 1}},
      {Disposicao::INVERSOES, "C", {0, 4, 7, -1}, {3, 3, 2, 0, 1, 0}},       // C/G
      {Disposicao::INVERSOES, "G7", {7, 11, 2, 5}, {-1, 2, 0, 0, 0, 1}},     // G7/B
      {Disposicao::SEM_RAIZ, "C7(9)", {0, 4, 7, 10}, {-1, -1, 2, 3, 3, 3}},  // 3 b7 9 5
      {Disposicao::DROP2, "G7", {7, 11, 2, 5}, {3, 5, 3, 4, -1, -1}},
      {Disposicao::DROP2, "C7M", {0, 4, 7, 11}, {-1, 3, 5, 4, 5, -1}},
      {Disposicao::DROP3, "G7", {7, 11, 2, 5}, {-1, -1, 0, 4, 6, 3}},
      {Disposicao::SHELL, "G7", {7, 11, 2, 5}, {3, -1, 3, 4, -1, -1}},
      {Disposicao::SHELL, "C7M", {0, 4, 7, 11}, {-1, 3, 2, 4, -1, -1}},
  };
  for (const auto& caso : casos) {
    const std::string rotulo = std::string(caso.disposicao.nome()) + " " + caso.acorde;
    const auto posicoes = gerar(caso.acorde, caso.disposicao);
    ASSERT_FALSE(posicoes.empty()) << rotulo;
    EXPECT_TRUE(tem(posicoes, caso.conhecida)) << rotulo;
    for (const auto& p : posicoes) {
      const Vetor casas = p.getCasas();
      Vetor n = notas(casas);
      const int grave = n.front() % 12;
      std::set<int> classes;
      for (int nota : n) classes.insert(nota % 12);
      const auto primeira = std::find_if(casas.begin(), casas.end(), [](int c) { return c >= 0; });
      const auto ultima = std::find_if(casas.rbegin(), casas.rend(), [](int c) { return c >= 0; });
      const auto largura = (casas.rend() - ultima) - (primeira - casas.begin());
      switch (caso.disposicao.tipo()) {
        case Disposicao::RAIZ: EXPECT_EQ(grave, caso.tons.raiz) << rotulo; break;
        case Disposicao::INVERSOES:
          EXPECT_NE(grave, caso.tons.raiz) << rotulo;
          EXPECT_TRUE(grave == caso.tons.terca || grave == caso.tons.quinta ||
                      grave == caso.tons.setima)
              << rotulo;
          EXPECT_NE(p.getNome().find('/'), std::string::npos) << rotulo << " " << p.getNome();
          break;
        case Disposicao::SEM_RAIZ:
          EXPECT_EQ(classes.count(caso.tons.raiz), 0u) << rotulo;
          EXPECT_EQ(classes.count(caso.tons.terca), 1u) << rotulo;
          break;
        case Disposicao::DROP2:
        case Disposicao::DROP3: {
          ASSERT_EQ(n.size(), 4u) << rotulo;
          EXPECT_EQ(largura, 4) << rotulo << ": adjacent strings";
          std::sort(n.begin(), n.end());
          // The lowest voice an octave up closes the voicing within an octave, as the second
          // (drop 2) or third (drop 3) voice from the top.
          Vetor fechada = {n[1], n[2], n[3], n[0] + 12};
          std::sort(fechada.begin(), fechada.end());
          EXPECT_LT(fechada[3] - fechada[0], 12) << rotulo;
          const int voz = caso.disposicao == Disposicao::DROP2 ? 2 : 1;
          EXPECT_EQ(fechada[static_cast<size_t>(voz)], n[0] + 12) << rotulo;
          EXPECT_EQ(classes.size(), 4u) << rotulo;
          break;
        }
        case Disposicao::SHELL:
          EXPECT_EQ(n.size(), 3u) << rotulo;
          EXPECT_EQ(grave, caso.tons.raiz) << rotulo;
          EXPECT_EQ(classes, (std::set<int>{caso.tons.raiz, caso.tons.terca, caso.tons.setima}))
              << rotulo;
          EXPECT_LE(largura, 4) << rotulo;
          break;
      }
    }
  }
}

// A voicing the chord cannot take gives nothing rather than another voicing.
TEST_F(DisposicaoTest, DisposicaoQueOAcordeNaoAdmiteNaoDaNada) {
  const struct {
    Disposicao disposicao;
    const char* acorde;
  } casos[] = {{Disposicao::SEM_RAIZ, "G7"},
               {Disposicao::SEM_RAIZ, "C"},
               {Disposicao::SHELL, "C"},
               {Disposicao::SHELL, "C5"},
               {Disposicao::DROP2, "C"}};
  for (const auto& caso : casos) {
    EXPECT_TRUE(gerar(caso.acorde, caso.disposicao).empty())
        << caso.disposicao.nome() << " " << caso.acorde;
  }
}

// With a capo the guitar is shorter and higher: the shape counted from the capo, the notes
// at pitch, no fret past the last one; a capo past the last fret leaves nothing.
TEST_F(DisposicaoTest, CapoEncurtaOInstrumento) {
  const struct {
    const char* acorde;
    int capo;
    Vetor forma;  // the shape among the results
    std::set<int> classes;
  } casos[] = {{"D", 2, {-1, 3, 2, 0, 1, 0}, {2, 6, 9}},
               {"A", 5, {0, 2, 2, 1, 0, 0}, {9, 1, 4}},  // an E shape at the fifth fret
               {"F#m", 2, {0, 2, 2, 0, 0, 0}, {6, 9, 1}},
               {"C", 0, {-1, 3, 2, 0, 1, 0}, {0, 4, 7}}};
  for (const auto& caso : casos) {
    const auto posicoes = gerar(caso.acorde, Disposicao::RAIZ, caso.capo);
    EXPECT_TRUE(tem(posicoes, caso.forma)) << caso.acorde << " capo " << caso.capo;
    for (const auto& p : posicoes) {
      EXPECT_EQ(p.getNome(), caso.acorde);
      for (const int c : p.getCasas()) EXPECT_LE(c, 12 - caso.capo);
      for (const int nota : notas(p.getCasas(), caso.capo)) {
        EXPECT_EQ(caso.classes.count(nota % 12), 1u) << caso.acorde << " capo " << caso.capo;
      }
    }
  }
  const InstrumentoCordas curto("Curto", "", 6, 5, 3, 24, {40, 45, 50, 55, 59, 64}, false);
  atual = &curto;
  EXPECT_TRUE(tem(gerar("D", Disposicao::RAIZ, 2), {-1, 3, 2, 0, 1, 0}));  // three frets left
  EXPECT_TRUE(gerar("D", Disposicao::RAIZ, 6).empty());
  EXPECT_TRUE(gerar("E", Disposicao::RAIZ, -1).empty());
}

TEST(Disposicao, NomesLidosEEscritos) {
  for (int i = 0; i < Disposicao::NUMERO; ++i) {
    const Disposicao d(static_cast<Disposicao::Tipo>(i));
    EXPECT_EQ(Disposicao::ler(d.nome()), d);
  }
  for (const char* ruim : {"", "Root", "drop 2", "drop4", "rootless "}) {
    EXPECT_FALSE(Disposicao::ler(ruim).has_value()) << ruim;
  }
  EXPECT_EQ(Disposicao::nomesAceitos("|"), "root|inversions|rootless|drop2|drop3|shell");
}

}  // namespace
}  // namespace tessara
