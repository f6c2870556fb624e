#include <gtest/gtest.h>

#include "foundations/Cp1252.h"
#include "foundations/LeitorIni.h"
#include "foundations/Texto.h"

namespace tessara {
namespace {

TEST(Cp1252, IdaEVoltaPorUtf8) {
  const std::string utf8 = "Violão Padrão º ° ø € – “x”";
  const std::string cp = cp1252::deUtf8(utf8);
  EXPECT_EQ(cp, "Viol\xE3o Padr\xE3o \xBA \xB0 \xF8 \x80 \x96 \x93x\x94");
  EXPECT_EQ(cp1252::paraUtf8(cp), utf8);
}

TEST(Cp1252, TodoByteSobreviveAIdaEVolta) {
  std::string todos;
  for (int b = 1; b < 256; ++b) todos += static_cast<char>(b);
  EXPECT_EQ(cp1252::deUtf8(cp1252::paraUtf8(todos)), todos);
}

TEST(Cp1252, EntradaForaDoCodigoOuMalFormada) {
  EXPECT_EQ(cp1252::deUtf8("a\xE2\x86\x92z"), "a?z");  // an arrow has no CP1252 code
  EXPECT_EQ(cp1252::deUtf8("C\xCE\x94"
                           "7 C\xE2\x96\xB3"),
            "C^7 C^");                                        // the chord triangle
  EXPECT_EQ(cp1252::deUtf8("\xE3o"), "\xE3o");                // 8-bit text passes through
  EXPECT_EQ(cp1252::deUtf8("\xC3"), "\xC3");                  // truncated sequence
  EXPECT_EQ(cp1252::deUtf8("\xED\xA0\x80"), "\xED\xA0\x80");  // surrogate is not a character
}

TEST(Texto, Inteiro) {
  EXPECT_EQ(texto::inteiro("42"), 42);
  EXPECT_EQ(texto::inteiro("-7"), -7);
  EXPECT_EQ(texto::inteiro("+7"), 7);
  for (const char* ruim : {"", "+", "-", "++1", "1 ", " 1", "1.5", "abc", "2147483648"}) {
    EXPECT_FALSE(texto::inteiro(ruim)) << ruim;
  }
}

TEST(LeitorIni, NomesSemCaixaValoresAparadosPrimeiraSecaoVence) {
  const LeitorIni ini(
      "solto=1\n[Geral]\r\n  Chave =  valor com espacos  \r\nchave=segunda\n"
      "semIgual\n[geral]\noutra=x\n[vazia]\n");
  EXPECT_EQ(ini.valor("GERAL", "chave"), "valor com espacos");
  EXPECT_FALSE(ini.valor("geral", "outra"));  // lives in the second [geral]
  EXPECT_FALSE(ini.valor("geral", "solto"));
  EXPECT_EQ(ini.ler("vazia", "x", "padrao"), "padrao");
  EXPECT_EQ(LeitorIni::deArquivo("/nao/existe.ini").ler("a", "b", "c"), "c");
}

}  // namespace
}  // namespace tessara
