#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "AmbienteEscalas.h"
#include "foundations/Cp1252.h"
#include "foundations/FileNotFoundException.h"
#include "foundations/XMLParseException.h"

namespace tessara {
namespace {

using Lista = std::vector<int>;
using Nomes = std::vector<std::string>;

const char* const kTres =
    "<colecaoEscala>\r\n"
    "\t<escala>\r\n\t\t<nome>  Major   pentatonic\r\n</nome>\r\n"
    "\t\t<frequencia>0</frequencia><frequencia> 2 </frequencia><frequencia>4</frequencia>"
    "<frequencia>7</frequencia><frequencia>9</frequencia><frequencia>12</frequencia>\r\n"
    "\t</escala>\r\n"
    "\t<escala><nome>Blues</nome><frequencia>0</frequencia><frequencia>3</frequencia></escala>\r\n"
    "\t<escala><nome>Down</nome><frequencia>12</frequencia><frequencia>-1</frequencia></escala>\r\n"
    "</colecaoEscala>\r\n";

class BaseEscalasTest : public ::testing::Test {
 protected:
  BaseEscalas base(const std::string& conteudo) {
    return BaseEscalas(ambiente.idiomas, ambiente.pasta.escrever("scales.xml", conteudo));
  }

  teste::AmbienteEscalas ambiente;
};

TEST_F(BaseEscalasTest, TresEscalas) {
  auto b = base(kTres);
  EXPECT_EQ(b.getNomesEscalas(), (Nomes{"Major pentatonic", "Blues", "Down"}));
  EXPECT_EQ(b.numeroEscalas(), 3);
  const Lista esperadas[] = {{0, 2, 4, 7, 9, 12}, {0, 3}, {12, -1}};
  for (int i = 0; i < 3; ++i) {
    const auto escala = b.getEscala(i);
    ASSERT_TRUE(escala) << i;
    EXPECT_EQ(escala->getNome(), b.getNomesEscalas()[static_cast<size_t>(i)]);
    EXPECT_EQ(escala->getNotas(), esperadas[i]);
  }
  EXPECT_FALSE(b.getEscala(3));
  EXPECT_FALSE(b.getEscala(-1));
  EXPECT_EQ(b.indiceEscala("Blues"), 1);
  EXPECT_EQ(b.indiceEscala("blues"), 3);
  EXPECT_EQ(b.indiceEscala("Locrian"), 3);
}

// The scanner's rules hold: 8-bit text without a declaration, UTF-8 when declared, entities;
// other parts and unknown elements pass unnoticed.
TEST_F(BaseEscalasTest, TextosEPartesIgnoradas) {
  auto b = base(
      "<!-- scales --><colecaoEscala><escala><nome>Maior (j\xF4nio)</nome><autor>x</autor>"
      "<frequencia>0</frequencia><![CDATA[7]]><frequencia>12</frequencia></escala>"
      "<escala><nome>R&amp;B</nome><frequencia>0</frequencia></escala></colecaoEscala>");
  EXPECT_EQ(b.getNomesEscalas(), (Nomes{TXT("Maior (jônio)"), "R&B"}));
  EXPECT_EQ(b.getEscala(0)->getNotas(), (Lista{0, 12}));

  auto utf8 = base(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><c><escala><nome>Cromática</nome>"
      "<frequencia>0</frequencia></escala></c>");
  EXPECT_EQ(utf8.getEscala(0)->getNome(), TXT("Cromática"));
}

// A scale without a name borrows the previous one's and adds no name: from there on names
// and positions disagree.
TEST_F(BaseEscalasTest, EscalaSemNome) {
  auto b = base(
      "<c><escala><nome>A</nome><frequencia>0</frequencia></escala>"
      "<escala><frequencia>5</frequencia></escala>"
      "<escala><nome>C</nome><frequencia>7</frequencia></escala></c>");
  EXPECT_EQ(b.getNomesEscalas(), (Nomes{"A", "C"}));
  EXPECT_EQ(b.getEscala(1)->getNome(), "A");
  EXPECT_EQ(b.getEscala(1)->getNotas(), Lista{5});
  EXPECT_EQ(b.getEscala(2)->getNome(), "C");
  EXPECT_EQ(b.indiceEscala("C"), 1);
}

// Offsets count only inside a scale; a nested `escala` opens nothing, and its end tag ends
// the scale (the outer end tag then ends a second, empty one).
TEST_F(BaseEscalasTest, EstruturaInesperada) {
  auto b = base(
      "<c><frequencia>99</frequencia><escala><nome>A</nome><frequencia>0</frequencia>"
      "<escala><frequencia>4</frequencia></escala><frequencia>7</frequencia></escala></c>");
  EXPECT_EQ(b.getNomesEscalas(), Nomes{"A"});
  EXPECT_EQ(b.getEscala(0)->getNotas(), (Lista{0, 4}));
  EXPECT_EQ(b.getEscala(1)->getNome(), "A");
  EXPECT_TRUE(b.getEscala(1)->getNotas().empty());
  EXPECT_FALSE(b.getEscala(2));
}

TEST_F(BaseEscalasTest, DeslocamentoInvalido) {
  // A bad offset refuses its own scale only.
  auto b = base(
      "<c><escala><nome>A</nome><frequencia>0</frequencia></escala>"
      "<escala><nome>B</nome><frequencia>two</frequencia><frequencia>7</frequencia></escala>"
      "<escala><nome>C</nome><frequencia>4</frequencia></escala></c>");
  EXPECT_EQ(b.getNomesEscalas(), (Nomes{"A", "B", "C"}));
  EXPECT_EQ(b.getEscala(0)->getNotas(), Lista{0});
  EXPECT_EQ(b.getEscala(2)->getNotas(), Lista{4});
  try {
    b.getEscala(1);
    ADD_FAILURE() << "read";
  } catch (const XMLParseException& e) {
    EXPECT_EQ(e.getMensagem(), ambiente.texto("exception", "parseError") + "frequencia)");
    EXPECT_EQ(e.getDetalhe(), "frequencia");
    EXPECT_EQ(e.getRastro(), Nomes{"BaseEscalas::getEscala"});
  }
  EXPECT_THROW(base("<c><escala><frequencia>99999999999</frequencia></escala></c>").getEscala(0),
               XMLParseException);
  EXPECT_THROW(base("<c><escala><frequencia></frequencia><frequencia>1.5</frequencia></escala>"
                    "</c>")
                   .getEscala(0),
               XMLParseException);
}

TEST_F(BaseEscalasTest, ArquivoAusente) {
  const auto caminho = ambiente.pasta / "missing.xml";
  BaseEscalas b(ambiente.idiomas, caminho);
  const std::string mensagem =
      ambiente.texto("exception", "baseEscalasNaoEncontrada") + caminho.string() + "'";
  struct Caso {
    const char* metodo;
    void (*chamar)(BaseEscalas&);
  };
  const Caso casos[] = {
      {"getNomesEscalas", [](BaseEscalas& x) { x.getNomesEscalas(); }},
      {"getNomesEscalas", [](BaseEscalas& x) { x.numeroEscalas(); }},
      {"getNomesEscalas", [](BaseEscalas& x) { x.indiceEscala("A"); }},
      {"getEscala", [](BaseEscalas& x) { x.getEscala(0); }},
  };
  for (const auto& c : casos) {
    try {
      c.chamar(b);
      ADD_FAILURE() << c.metodo;
    } catch (const FileNotFoundException& e) {
      EXPECT_EQ(e.getMensagem(), mensagem);
      EXPECT_EQ(e.getItem(), caminho.string());
      EXPECT_EQ(e.getRastro(), Nomes{std::string("BaseEscalas::") + c.metodo});
    }
  }
  // A folder is no scale base either.
  EXPECT_THROW(BaseEscalas(ambiente.idiomas, ambiente.pasta.caminho()).getNomesEscalas(),
               FileNotFoundException);
}

TEST_F(BaseEscalasTest, ArquivoVazioOuSemEscalas) {
  for (const char* conteudo : {"", "<colecaoEscala/>", "not xml at all", "<escala"}) {
    auto b = base(conteudo);
    EXPECT_TRUE(b.getNomesEscalas().empty()) << conteudo;
    EXPECT_FALSE(b.getEscala(0)) << conteudo;
  }
}

}  // namespace
}  // namespace tessara
