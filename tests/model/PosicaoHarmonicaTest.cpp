#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "foundations/ColecaoPtr.h"
#include "foundations/OutOfBoundsException.h"
#include "model/Acorde.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace tessara {
namespace {

using Posicao = PosicaoHarmonicaInstrumentoCordas;
using Vetor = std::vector<int>;

const Vetor kNenhumDedo(6, 0);

uint64_t bit(int n) { return uint64_t{1} << n; }

TEST(PosicaoHarmonica, ChaveEmpacotaCasasEDedos) {
  // x32010 with no fingers: fret fields 0,4,3,1,2,1 from bit 0, finger fields of 1 from bit
  // 48 every 3 bits; the last one starts at bit 63 and makes the key negative.
  const Posicao c("C", {-1, 3, 2, 0, 1, 0}, kNenhumDedo);
  const uint64_t casas = 0x0 | 0x4 << 4 | 0x3 << 8 | 0x1 << 12 | 0x2 << 16 | 0x1 << 20;
  const uint64_t dedos = bit(48) | bit(51) | bit(54) | bit(57) | bit(60) | bit(63);
  EXPECT_EQ(c.getChave(), static_cast<int64_t>(casas | dedos));
  EXPECT_LT(c.getChave(), 0);

  // With four strings the finger fields start at bit 40.
  const Posicao cavaco({0, 2, 1, -1}, {0, 2, 1, 6});
  EXPECT_EQ(static_cast<uint64_t>(cavaco.getChave()),
            (0x1u | 0x3u << 4 | 0x2u << 8) | 1 * bit(40) | 3 * bit(43) | 2 * bit(46) | 7 * bit(49));
}

TEST(PosicaoHarmonica, ChaveTransbordaESinal) {
  // Fields are ORed, not masked: fret 15 fills the next string's field as an open string would.
  EXPECT_EQ(Posicao({15, -1}, {0, 0}), Posicao({-1, 0}, {0, 0}));
  // A fret below -1 is taken as a 64-bit negative number and sets every higher bit.
  EXPECT_EQ(Posicao::calcularChave({-2, 0}, {0, 0}), -1);
  // Many strings: fields shifted past bit 63 are lost, not wrapped.
  const Vetor vinte(20, 0);
  EXPECT_EQ(Posicao::calcularChave(vinte, vinte),
            Posicao::calcularChave(Vetor(16, 0), Vetor(16, 0)));
}

TEST(PosicaoHarmonica, OrdemPelaChaveComSinal) {
  // Fingers decide first; a 6-string key with bit 63 set is negative and comes first.
  const Posicao negativa({0, 0, 0, 0, 0, 0}, kNenhumDedo);
  const Posicao dedo1({0, 0, 0, 0, 1, 0}, {0, 0, 0, 0, 1, 6});
  const Posicao casaAlta({0, 0, 0, 0, 9, 0}, {0, 0, 0, 0, 1, 6});
  EXPECT_TRUE(negativa < dedo1);
  EXPECT_TRUE(dedo1 < casaAlta);
  EXPECT_FALSE(casaAlta < dedo1);

  ColecaoPtr<PosicaoHarmonica> posicoes;
  posicoes.addElement(&casaAlta);
  posicoes.addElement(&dedo1);
  posicoes.addElement(&negativa);
  posicoes.sort();
  EXPECT_EQ(posicoes.getElement(0)->getChave(), negativa.getChave());
  EXPECT_EQ(posicoes.getElement(2)->getChave(), casaAlta.getChave());
  EXPECT_EQ(posicoes.findElement(&dedo1)->getChave(), dedo1.getChave());
}

TEST(PosicaoHarmonica, ConstrucaoAbafaEConfereTamanhos) {
  const Posicao p({0, 2, 2}, {0, 1, 6});
  EXPECT_EQ(p.getCasas(), (Vetor{0, 2, -1}));
  EXPECT_EQ(p.getDedos(), (Vetor{0, 1, 6}));
  EXPECT_EQ(p.getNome(), "");
  EXPECT_EQ(p.getCordaTonica(), -1);
  EXPECT_EQ(p.getCasaTonica(), -1);

  try {
    Posicao("C", {0, 1}, {0});
    FAIL() << "vectors of different lengths were accepted";
  } catch (const OutOfBoundsException& e) {
    EXPECT_EQ(e.getMensagem(), "O tamanho dos parametros precisam ser iguais");
    EXPECT_EQ(e.getIndice(), -1);
    EXPECT_EQ(e.getRastro(),
              std::vector<std::string>{"PosicaoHarmonicaInstrumentoCordas::ConstrutorInterno"});
  }
}

TEST(PosicaoHarmonica, IgualdadePelaChaveSemNomes) {
  Posicao c("C", {-1, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0});
  Posicao outroNome("Am7/C", {-1, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0});
  outroNome.setCodigo(12345);
  EXPECT_TRUE(c == outroNome);
  EXPECT_FALSE(c < outroNome);
  EXPECT_FALSE(outroNome < c);

  // Never equal to a chord that is not a fingering, even with the same code.
  const Acorde acorde("C");
  EXPECT_FALSE(c == acorde);
  EXPECT_TRUE(c != acorde);
}

TEST(PosicaoHarmonica, CloneEAtribuicao) {
  Posicao original("G", {3, 2, 0, 0, 0, 3}, {2, 1, 0, 0, 0, 3});
  original.setCodigo(77);
  original.setTonica(0, 3);
  const auto clone = original.clonar();
  const auto& copia = dynamic_cast<const Posicao&>(*clone);
  EXPECT_EQ(copia.getNome(), "G");
  EXPECT_EQ(copia.getCodigo(), 77);
  EXPECT_EQ(copia.getCasas(), original.getCasas());
  EXPECT_EQ(copia.getDedos(), original.getDedos());
  EXPECT_EQ(copia.getChave(), original.getChave());
  EXPECT_EQ(copia.getCordaTonica(), 0);
  EXPECT_EQ(copia.getCasaTonica(), 3);
  original.abafarCorda(5);
  EXPECT_EQ(copia.getCasas()[5], 3);

  // From a plain chord only the name and the code are taken.
  Acorde acorde("Em");
  acorde.setCodigo(9);
  Posicao destino({0, 2}, {0, 2});
  const auto chave = destino.getChave();
  destino.atribuir(acorde);
  EXPECT_EQ(destino.getNome(), "Em");
  EXPECT_EQ(destino.getCodigo(), 9);
  EXPECT_EQ(destino.getCasas(), (Vetor{0, 2}));
  EXPECT_EQ(destino.getChave(), chave);
}

TEST(PosicaoHarmonica, EdicaoRecalculaAChave) {
  Posicao p({0, 0, 0, 0}, {0, 0, 0, 0});
  p.setNota(5, 2);
  EXPECT_EQ(p.getChave(), Posicao({0, 0, 5, 0}, {0, 0, 0, 0}).getChave());
  EXPECT_TRUE(p.existeNota(5, 2));
  EXPECT_FALSE(p.existeNota(4, 2));

  p.abafarCorda(2);
  EXPECT_EQ(p.getCasas(), (Vetor{0, 0, -1, 0}));
  EXPECT_EQ(p.getDedos(), (Vetor{0, 0, 6, 0}));
  EXPECT_FALSE(p.existeNota(-1, 2));  // a muted string holds no note, whatever its fret

  p.setDedos({1, 2, 3, 4});
  EXPECT_EQ(p.getCasas(), (Vetor{0, 0, -1, 0}));
  EXPECT_EQ(p.getChave(), Posicao::calcularChave({0, 0, -1, 0}, {1, 2, 3, 4}));
}

TEST(PosicaoHarmonica, IndicesDeCordaInvalidos) {
  struct Caso {
    int corda;
    const char* operacao;
    const char* mensagem;
  };
  const Caso casos[] = {{4, "setNota", "Indice invalido 4"},
                        {-1, "setNota", "Indice invalido -1"},
                        {4, "abafarCorda", "Indice invalido 4"},
                        {7, "existeNota", "Indice invalido7"},
                        {-2, "existeNota", "Indice invalido-2"}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(std::string(caso.operacao) + " " + std::to_string(caso.corda));
    Posicao p({0, 2, 2, 1}, {0, 2, 3, 1});
    const auto chave = p.getChave();
    try {
      const std::string operacao = caso.operacao;
      if (operacao == "setNota") p.setNota(3, caso.corda);
      if (operacao == "abafarCorda") p.abafarCorda(caso.corda);
      if (operacao == "existeNota") p.existeNota(3, caso.corda);
      ADD_FAILURE() << "no exception";
    } catch (const OutOfBoundsException& e) {
      EXPECT_EQ(e.getMensagem(), caso.mensagem);
      EXPECT_EQ(e.getIndice(), caso.corda);
      EXPECT_EQ(e.getRastro(),
                std::vector<std::string>{"PosicaoHarmonicaInstrumentoCordas::setNota(int ,int)"});
    }
    EXPECT_EQ(p.getChave(), chave);
    EXPECT_EQ(p.getCasas(), (Vetor{0, 2, 2, 1}));
  }
}

TEST(PosicaoHarmonica, NotasDasCordas) {
  const Vetor violao = {40, 45, 50, 55, 59, 64};
  const Posicao p({-1, 12, 13, 0, 1, 5}, {0, 4, 4, 0, 1, 6});
  EXPECT_EQ(p.getNotas(violao, 12), (Vetor{-1, 57, -1, 55, 60, -1}));
  EXPECT_EQ(p.getNotas(violao, 13), (Vetor{-1, 57, 63, 55, 60, -1}));

  // A damaged instrument: strings without a tuning entry do not sound, and a note that
  // cannot be a number does not either.
  EXPECT_EQ(p.getNotas({40, 45, 50}, 13), (Vetor{-1, 57, 63, -1, -1, -1}));
  EXPECT_EQ(Posicao({0, 1}, {0, 1}).getNotas({2147483647, 2147483647}, 12),
            (Vetor{2147483647, -1}));
}

}  // namespace
}  // namespace tessara
