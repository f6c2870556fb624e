#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AmbienteEscalas.h"
#include "foundations/Cp1252.h"
#include "foundations/NotFoundException.h"
#include "foundations/OutOfBoundsException.h"
#include "scales/GerenciadorEscalas.h"

namespace tessara {
namespace {

using Nomes = std::vector<std::string>;

const char* const kBase =
    "<colecaoEscala>"
    "<escala><nome>Major</nome><frequencia>0</frequencia><frequencia>2</frequencia>"
    "<frequencia>4</frequencia><frequencia>5</frequencia><frequencia>7</frequencia>"
    "<frequencia>9</frequencia><frequencia>11</frequencia><frequencia>12</frequencia></escala>"
    "<escala><nome>Octaves</nome><frequencia>0</frequencia><frequencia>12</frequencia>"
    "<frequencia>24</frequencia><frequencia>36</frequencia><frequencia>48</frequencia>"
    "<frequencia>60</frequencia></escala>"
    "<escala><nome>Fifths</nome><frequencia>0</frequencia><frequencia>7</frequencia></escala>"
    "</colecaoEscala>";

class GerenciadorEscalasTest : public ::testing::Test {
 protected:
  explicit GerenciadorEscalasTest(const char* conteudo = kBase)
      : base(ambiente.idiomas, ambiente.pasta.escrever("scales.xml", conteudo)),
        gerenciador(base, ambiente.gerador, ambiente.idiomas, ambiente.interacao) {
    gerenciador.setTonicaEscala("C");
  }

  teste::AmbienteEscalas ambiente;
  BaseEscalas base;
  GerenciadorEscalas gerenciador;
};

TEST_F(GerenciadorEscalasTest, NomesDasEscalasEDasTonicas) {
  EXPECT_EQ(gerenciador.getNomesEscalas(), (Nomes{"Major", "Octaves", "Fifths"}));
  EXPECT_EQ(gerenciador.getNomesTonicas(),
            (Nomes{"C", "C# or Db", "D", "D# or Eb", "E", "F", "F# or Gb", "G", "G# or Ab", "A",
                   "A# or Bb", "B"}));
  teste::AmbienteEscalas pt("pt");
  GerenciadorEscalas emPortugues(base, pt.gerador, pt.idiomas, pt.interacao);
  EXPECT_EQ(emPortugues.getNomesTonicas()[1], "C# ou Db");
  EXPECT_TRUE(ambiente.interacao.mensagens.empty());
}

// Without its scale base the program cannot go on.
TEST_F(GerenciadorEscalasTest, BaseAusente) {
  BaseEscalas ausente(ambiente.idiomas, ambiente.pasta / "missing.xml");
  GerenciadorEscalas semBase(ausente, ambiente.gerador, ambiente.idiomas, ambiente.interacao);
  EXPECT_TRUE(semBase.getNomesEscalas().empty());
  ASSERT_EQ(ambiente.interacao.mensagens.size(), 1u);
  const auto& mensagem = ambiente.interacao.mensagens[0];
  EXPECT_EQ(mensagem.texto, ambiente.texto("exception", "baseEscalasNaoEncontrada"));
  EXPECT_EQ(mensagem.titulo, "");
  EXPECT_EQ(mensagem.botoes, Interacao::Botoes::Ok);
  EXPECT_TRUE(ambiente.interacao.encerramento);
}

TEST_F(GerenciadorEscalasTest, ExibicoesGeradasQuandoPedidas) {
  gerenciador.setEscala("Major");
  EXPECT_EQ(gerenciador.getIndiceEscala(), 0);
  EXPECT_EQ(gerenciador.getEscalaAtual()->getNome(), "Major");
  EXPECT_EQ(gerenciador.size(), 0);
  EXPECT_EQ(gerenciador.proximaExibicao(), -1);

  const EscalaExibicao primeira = gerenciador.getEscalaExibicao();
  EXPECT_EQ(gerenciador.size(), 288);
  EXPECT_EQ(primeira.getCusto(), 306);
  EXPECT_EQ(primeira, *gerenciador.getElement(0));

  // The same root keeps the displays; another one drops them, and they are made again for it.
  gerenciador.setTonicaEscala("C");
  EXPECT_EQ(gerenciador.size(), 288);
  gerenciador.setTonicaEscala("A");
  EXPECT_EQ(gerenciador.size(), 0);
  EXPECT_EQ(gerenciador.getTonicaEscala(), "A");
  gerenciador.getEscalaExibicao();
  EXPECT_EQ(gerenciador.size(), 264);
}

TEST_F(GerenciadorEscalasTest, NavegacaoEntreExibicoes) {
  gerenciador.setEscalas(0);
  gerenciador.getEscalaExibicao();
  const int ultima = gerenciador.size() - 1;
  EXPECT_EQ(gerenciador.exibicaoAnterior(), -1);
  EXPECT_EQ(gerenciador.proximaExibicao(), 1);
  EXPECT_EQ(gerenciador.getEscalaExibicao(), *gerenciador.getElement(1));

  for (int fora : {ultima + 1, -1}) {
    gerenciador.setIndiceExibicao(fora);
    EXPECT_EQ(gerenciador.getIndiceExibicao(), 1) << fora;
  }
  gerenciador.setIndiceExibicao(ultima);
  EXPECT_EQ(gerenciador.proximaExibicao(), -1);
  EXPECT_EQ(gerenciador.getIndiceExibicao(), ultima);
  EXPECT_EQ(gerenciador.exibicaoAnterior(), ultima - 1);

  // The same scale again drops the displays but keeps the index; another one starts over.
  gerenciador.setEscalas(0);
  EXPECT_EQ(gerenciador.size(), 0);
  EXPECT_EQ(gerenciador.getIndiceExibicao(), ultima - 1);
  gerenciador.setEscalas(2);
  EXPECT_EQ(gerenciador.getIndiceExibicao(), 0);
}

// Deselecting keeps the displays and the index, so that the front end can come back to them.
TEST_F(GerenciadorEscalasTest, LimparEscala) {
  gerenciador.setEscalas(2);
  gerenciador.getEscalaExibicao();
  gerenciador.proximaExibicao();
  const int exibicoes = gerenciador.size();
  gerenciador.limparEscala();
  EXPECT_EQ(gerenciador.getIndiceEscala(), -1);
  EXPECT_FALSE(gerenciador.getEscalaAtual());
  EXPECT_EQ(gerenciador.size(), exibicoes);
  EXPECT_EQ(gerenciador.getIndiceExibicao(), 1);
  EXPECT_EQ(gerenciador.getEscalaExibicao(), *gerenciador.getElement(1));
}

TEST_F(GerenciadorEscalasTest, PosicoesForaDaBase) {
  struct Caso {
    const char* descricao;
    void (*chamar)(GerenciadorEscalas&);
    int indice;
  };
  const Caso casos[] = {
      {"past the end", [](GerenciadorEscalas& g) { g.setEscalas(3); }, 3},
      {"an unknown name", [](GerenciadorEscalas& g) { g.setEscala("Locrian"); }, 3},
      {"a name in another letter case", [](GerenciadorEscalas& g) { g.setEscala("major"); }, 3},
      {"a negative position other than none", [](GerenciadorEscalas& g) { g.setEscalas(-2); }, -2},
  };
  gerenciador.setEscalas(2);
  gerenciador.getEscalaExibicao();
  const int exibicoes = gerenciador.size();
  for (const auto& c : casos) {
    try {
      c.chamar(gerenciador);
      ADD_FAILURE() << c.descricao;
    } catch (const OutOfBoundsException& e) {
      EXPECT_EQ(e.getIndice(), c.indice) << c.descricao;
      EXPECT_EQ(e.getMensagem(), ambiente.texto("exception", "indiceInvalido"));
      EXPECT_EQ(e.getRastro(), Nomes{"GerenciadorEscalas::setEscalas(int)"});
    }
    // Nothing changed.
    EXPECT_EQ(gerenciador.getIndiceEscala(), 2) << c.descricao;
    EXPECT_EQ(gerenciador.size(), exibicoes) << c.descricao;
  }
}

// With no scale there are no displays; a scale that cannot be laid out leaves none either.
TEST_F(GerenciadorEscalasTest, SemExibicoes) {
  gerenciador.setEscalas(-1);
  EXPECT_FALSE(gerenciador.getEscalaAtual());
  EXPECT_THROW(gerenciador.getEscalaExibicao(), OutOfBoundsException);
  EXPECT_EQ(gerenciador.size(), 0);

  gerenciador.setEscala("Octaves");
  try {
    gerenciador.getEscalaExibicao();
    ADD_FAILURE() << "laid out";
  } catch (const NotFoundException& e) {
    EXPECT_EQ(e.getItem(), "OctavesC");
  }
  EXPECT_EQ(gerenciador.size(), 0);

  // No root chosen.
  gerenciador.setTonicaEscala("");
  gerenciador.setEscala("Major");
  EXPECT_THROW(gerenciador.getEscalaExibicao(), NotFoundException);
}

}  // namespace
}  // namespace tessara
