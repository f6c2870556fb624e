#include <gtest/gtest.h>

#include "PastaTemporaria.h"
#include "languages/TextosIdioma.h"

namespace tessara {
namespace {

TEST(TextosIdioma, SecoesEChaves) {
  const TextosIdioma t(
      "[EspecificacaoIdioma]\n"
      "nomeIdioma=English\n"
      "codAplicacao=Tessara3.0\n"
      "\n"
      "   \t \n"
      "[geral]\n"
      "nomeAplicacao=Tessara\n");
  EXPECT_EQ(t.getTexto("EspecificacaoIdioma", "nomeIdioma"), "English");
  EXPECT_EQ(t.getTexto("EspecificacaoIdioma", "codAplicacao"), "Tessara3.0");
  EXPECT_EQ(t.getTexto("geral", "nomeAplicacao"), "Tessara");
  EXPECT_EQ(t.getTexto("geral", "nomeIdioma"), "");
  EXPECT_EQ(t.getTexto("outra", "nomeAplicacao"), "");
  EXPECT_EQ(t.valor("geral", "inexistente"), nullptr);
  EXPECT_EQ(t.valor("inexistente", "nomeAplicacao"), nullptr);
}

TEST(TextosIdioma, CerquilhaViraQuebraDeLinha) {
  const TextosIdioma t("[fmAviso]\nmsg=Primeira#Segunda\nduas=##\n");
  EXPECT_EQ(t.getTexto("fmAviso", "msg"), "Primeira\r\nSegunda");
  EXPECT_EQ(t.getTexto("fmAviso", "duas"), "\r\n\r\n");
}

TEST(TextosIdioma, SecaoRepetidaSoAPrimeiraConta) {
  const TextosIdioma t(
      "[geral]\n"
      "a=primeira\n"
      "[outra]\n"
      "x=1\n"
      "[geral]\n"
      "a=segunda\n"
      "b=so na segunda\n");
  EXPECT_EQ(t.getTexto("geral", "a"), "primeira");
  EXPECT_EQ(t.getTexto("geral", "b"), "");
  EXPECT_EQ(t.getTexto("outra", "x"), "1");
}

TEST(TextosIdioma, PrimeiraEntradaDeUmaChaveVence) {
  const TextosIdioma t("[geral]\na=1\na=2\n");
  EXPECT_EQ(t.getTexto("geral", "a"), "1");
}

TEST(TextosIdioma, NomesDistinguemMaiusculas) {
  const TextosIdioma t("[geral]\nNomeAplicacao=Tessara\n[Fm]\nk=v\n");
  EXPECT_EQ(t.getTexto("geral", "nomeAplicacao"), "");
  EXPECT_EQ(t.getTexto("geral", "NomeAplicacao"), "Tessara");
  EXPECT_EQ(t.getTexto("Geral", "NomeAplicacao"), "");
  EXPECT_EQ(t.getTexto("fm", "k"), "");
  EXPECT_EQ(t.getTexto("Fm", "k"), "v");
}

TEST(TextosIdioma, ValorGuardaAteDoisBrancosFinais) {
  const TextosIdioma t(
      "[s]\n"
      "zero=abc\n"
      "um=abc \n"
      "dois=abc  \n"
      "cinco=abc     \n"
      "tab=abc\t\t\t\n"
      "meio=a  b \t c   \n"
      "inicio=   abc\n"
      "vazio=\n"
      "brancos=     \n"
      "um_branco= \n");
  EXPECT_EQ(t.getTexto("s", "zero"), "abc");
  EXPECT_EQ(t.getTexto("s", "um"), "abc ");
  EXPECT_EQ(t.getTexto("s", "dois"), "abc  ");
  EXPECT_EQ(t.getTexto("s", "cinco"), "abc  ");
  EXPECT_EQ(t.getTexto("s", "tab"), "abc\t\t");
  EXPECT_EQ(t.getTexto("s", "meio"), "a  b \t c  ");
  EXPECT_EQ(t.getTexto("s", "inicio"), "   abc");
  EXPECT_EQ(t.getTexto("s", "vazio"), "");
  ASSERT_NE(t.valor("s", "vazio"), nullptr);
  // The "=" is the line's last non-blank character: the two blanks after it are the value.
  EXPECT_EQ(t.getTexto("s", "brancos"), "  ");
  EXPECT_EQ(t.getTexto("s", "um_branco"), " ");
}

TEST(TextosIdioma, ChaveComoEstaNaLinha) {
  const TextosIdioma t(
      "[geral]\n"
      "  recuada=x\n"
      "\tcomTab=y\n"
      "espaco =z\n"
      "a=b=c\n");
  // A blank in front of a key is part of it, so the key cannot be looked up by its name.
  EXPECT_EQ(t.getTexto("geral", "recuada"), "");
  EXPECT_EQ(t.getTexto("geral", "  recuada"), "x");
  EXPECT_EQ(t.getTexto("geral", "comTab"), "");
  EXPECT_EQ(t.getTexto("geral", "espaco"), "");
  EXPECT_EQ(t.getTexto("geral", "espaco "), "z");
  EXPECT_EQ(t.getTexto("geral", "a"), "b=c");
}

TEST(TextosIdioma, CabecalhoDeSecao) {
  const TextosIdioma t(
      "  [recuada]  \n"
      "k=1\n"
      "[ espacos ]\n"
      "k=2\n"
      "[semFechar\n"
      "k=3\n"
      "[\n"
      "k=4\n");
  EXPECT_EQ(t.getTexto("recuada", "k"), "1");
  EXPECT_EQ(t.getTexto(" espacos ", "k"), "2");
  EXPECT_EQ(t.getTexto("espacos", "k"), "");
  // The closing bracket is assumed: the last character goes, whatever it is.
  EXPECT_EQ(t.getTexto("semFecha", "k"), "3");
  EXPECT_EQ(t.getTexto("", "k"), "4");
}

TEST(TextosIdioma, FinsDeLinhaCrLf) {
  const TextosIdioma t("[geral]\r\na=1\r\nb=2  \r\n\r\n[outra]\r\nc=3");
  EXPECT_EQ(t.getTexto("geral", "a"), "1");
  EXPECT_EQ(t.getTexto("geral", "b"), "2  ");
  EXPECT_EQ(t.getTexto("outra", "c"), "3");
}

TEST(TextosIdioma, LinhasSemLugar) {
  const TextosIdioma t("antes=1\n[geral]\nsemIgual\nsemIgual=2\n");
  EXPECT_EQ(t.getTexto("", "antes"), "");
  EXPECT_EQ(t.getTexto("geral", "antes"), "");
  EXPECT_EQ(t.getTexto("geral", "semIgual"), "2");
}

TEST(TextosIdioma, BytesCp1252PassamComoEstao) {
  const TextosIdioma t("[EspecificacaoIdioma]\nnomeIdioma=Portugu\xEAs (Brasil)\n");
  EXPECT_EQ(t.getTexto("EspecificacaoIdioma", "nomeIdioma"), "Portugu\xEAs (Brasil)");
}

TEST(TextosIdioma, ArquivoIlegivelNaoTemTextos) {
  teste::PastaTemporaria pasta;
  EXPECT_EQ(TextosIdioma::deArquivo(pasta / "nao-existe.idm").valor("geral", "a"), nullptr);
  const auto arquivo = pasta.escrever("en.idm", "[geral]\r\na=1#2\r\n");
  EXPECT_EQ(TextosIdioma::deArquivo(arquivo).getTexto("geral", "a"), "1\r\n2");
}

}  // namespace
}  // namespace tessara
