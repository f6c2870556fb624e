#include <gtest/gtest.h>

#include "foundations/Cp1252.h"
#include "foundations/DataFormatException.h"
#include "foundations/FatalException.h"
#include "foundations/FileNotFoundException.h"
#include "foundations/IllegalArgumentException.h"
#include "foundations/OutOfBoundsException.h"
#include "foundations/RaizNaoEncontradaException.h"
#include "foundations/XMLParseException.h"

namespace tessara {
namespace {

TEST(Excecoes, MensagemCompletaAcrescentaRastroComLfCr) {
  const DException e("M", "A", "b()");
  EXPECT_EQ(e.getMensagemCompleta(), "M\n\rA::b()");
  EXPECT_STREQ(e.what(), "M");
  ASSERT_EQ(e.getRastro().size(), 1u);
}

TEST(Excecoes, RastroAcrescentadoVemEmOrdem) {
  DException e("M", "A", "b()");
  e.adicionarRastro("C", "d(int)");
  EXPECT_EQ(e.getMensagemCompleta(), "M\n\rA::b()\n\rC::d(int)");
}

TEST(Excecoes, SemRastroAMensagemCompletaEhAMensagem) {
  EXPECT_EQ(DataFormatException("C#m7(").getMensagemCompleta(), "C#m7(");
  const RaizNaoEncontradaException raiz("H");
  EXPECT_EQ(raiz.getMensagemCompleta(), raiz.getMensagem());
}

TEST(Excecoes, XmlParseMostraSoAMensagem) {
  const XMLParseException e("erro (afinacao)", "afinacao", "XMLInstrumentoParser",
                            "getInstrumento");
  EXPECT_EQ(e.getMensagemCompleta(), "erro (afinacao)");
  EXPECT_EQ(e.getDetalhe(), "afinacao");
  EXPECT_EQ(e.getRastro().size(), 1u);
}

TEST(Excecoes, NotFoundVazia) {
  const NotFoundException e;
  EXPECT_STREQ(e.what(), "");
  EXPECT_EQ(e.getItem(), "");
  EXPECT_TRUE(e.getRastro().empty());
}

TEST(Excecoes, RaizNaoEncontradaPrefixaOTexto) {
  const RaizNaoEncontradaException e("X");
  EXPECT_EQ(e.getMensagem(), TXT("Não foi encontrada raiz para o acorde: X"));
}

TEST(Excecoes, CamposProprios) {
  const OutOfBoundsException fora("m", -7, "ColecaoPtr<T>", "getElement(int)");
  EXPECT_EQ(fora.getIndice(), -7);
  const IllegalArgumentException arg("m", "NULL", "C", "f()");
  EXPECT_EQ(arg.getArgumento(), "NULL");
  const FileNotFoundException arquivo("m 'x.xml'", "x.xml", "C", "f()");
  EXPECT_EQ(arquivo.getItem(), "x.xml");
}

TEST(Excecoes, SaoApanhadasPelaClasseBase) {
  auto lancar = [] {
    throw FileNotFoundException("sem arquivo", "a.bin", "BaseAcordes", "carregarBase(string)");
  };
  try {
    lancar();
    FAIL();
  } catch (const NotFoundException& e) {
    EXPECT_EQ(e.getMensagemCompleta(), "sem arquivo\n\rBaseAcordes::carregarBase(string)");
  }
  EXPECT_THROW(throw FatalException("midi", "SaidaMIDI", "SaidaMIDI()"), DException);
}

}  // namespace
}  // namespace tessara
