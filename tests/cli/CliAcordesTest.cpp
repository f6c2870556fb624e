#include <gtest/gtest.h>

#include "ExecucaoCli.h"
#include "PastaTemporaria.h"
#include "Processo.h"
#include "TesteCli.h"

namespace tessara {
namespace {

using CliAcordes = teste::TesteCli;

TEST_F(CliAcordes, ParsePortugues) {
  const auto r = cli({"--lang", "pt", "parse", "C7(9)", "Cº", "Cm7(b5)", "C/E", "Db"});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida,
            "C7(9)\t0x00924000\tC\t3,6,9,12\t-\tC7(9)\n"
            "Cº\t0x01240000\tC\t2,5,8\t-\tCº(b5/6)\n"
            "Cm7(b5)\t0x01220000\tC\t2,5,9\t-\tCm7(b5)\n"
            "C/E\t0x00900007\tC\t3,6\tE\tC/E\n"
            "Db\t0x10900000\tDb\t3,6\t-\tDb\n");
  EXPECT_TRUE(r.erros.empty());
}

TEST_F(CliAcordes, ParseIngles) {
  const auto r = cli({"--lang", "en", "parse", "C9", "Csus4", "C6", "C(b13)", "Cadd9"});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida,
            "C9\t0x00924000\tC\t3,6,9,12\t-\tC7(9)\n"
            "Csus4\t0x00500000\tC\t4,6\t-\tCsus4\n"
            "C6\t0x00900080\tC\t3,6,19\t-\tC6\n"
            "C(b13)\t0x00800100\tC\t3,18\t-\tC(b13)\n"
            "Cadd9\t0x00904000\tC\t3,6,12\t-\tCadd9\n");
}

TEST_F(CliAcordes, ParseTrianguloEhSetimaMaior) {
  const auto r = cli({"--lang", "en", "parse", "C\u0394", "C\u03947"});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida,
            "C\u0394\t0x00910000\tC\t3,6,10\t-\tCmaj7\n"
            "C\u03947\t0x00910000\tC\t3,6,10\t-\tCmaj7\n");
}

TEST_F(CliAcordes, ParseAcordeDeQuintaNasDuasGramaticas) {
  for (const char* idioma : {"pt", "en"}) {
    const auto r = cli({"--lang", idioma, "parse", "C5"});
    EXPECT_EQ(r.status, 0) << idioma;
    EXPECT_EQ(r.saida, "C5\t0x00100000\tC\t6\t-\tC5\n") << idioma;
  }
}

TEST_F(CliAcordes, ParseRecusaNomeASomeOsOutrosContinuam) {
  const auto r = cli({"--lang", "pt", "parse", "Cmaj", "H", "b7/ab", "Cb", "C/E7"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.saida,
            "Cmaj\terror: syntax\n"
            "H\terror: unknown root\n"
            "b7/ab\t0x8092000D\tB\t3,6,9\tAb\tB7/Ab\n"  // root B sets the sign bit
            "Cb\terror: unknown root\n"
            "C/E7\terror: syntax\n");

  const auto semNomes = cli({"parse"});
  EXPECT_EQ(semNomes.status, 2);
  EXPECT_NE(semNomes.erros.find("usage: tessara-cli"), std::string::npos);
  const auto semIdioma = cli({"--lang", "xx", "parse", "C"});
  EXPECT_EQ(semIdioma.status, 2);
  EXPECT_TRUE(semIdioma.saida.empty());
  EXPECT_NE(semIdioma.erros.find("--lang: no language file for 'xx'; accepted values: en, pt-BR"),
            std::string::npos)
      << semIdioma.erros;
}

TEST_F(CliAcordes, TransposeParaCimaEParaBaixo) {
  const std::string folha = "Am   C/G\n[Am] letra\nEm casa\nEm C\n";
  auto r = cli({"--lang", "pt", "transpose", "1"}, folha);
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, "Bbm   Db/Ab\n[Bbm] letra\nEm casa\nFm Db\n");
  r = cli({"--lang", "pt", "transpose", "-1"}, folha);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.saida, "G#m   B/F#\n[G#m] letra\nEm casa\nD#m B\n");
  EXPECT_EQ(cli({"--lang", "pt", "transpose", "13"}, folha).saida,
            cli({"--lang", "pt", "transpose", "1"}, folha).saida);
  EXPECT_EQ(cli({"--lang", "pt", "transpose", "0"}, folha).saida, folha);
}

TEST_F(CliAcordes, TransposeDeixaMarcasDeRepeticaoEAfinacao) {
  const std::string folha = "G D Em C  (bis)\nAfina\xC3\xA7\xC3\xA3o: D A D G B E\nCapo: 2\n";
  const auto r = cli({"--lang", "pt", "transpose", "2"}, folha);
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, "A E F#m D  (bis)\nAfina\xC3\xA7\xC3\xA3o: D A D G B E\nCapo: 2\n");
}

// Bytes that are not UTF-8 (a Latin-1 sheet, a stray byte) go out as they came in, in text
// lines and chord lines alike.
TEST_F(CliAcordes, TransposeDeixaBytesQueNaoSaoUtf8) {
  const std::string folha = "Am  C \xff\nCora\xe7\xe3o \xe9 voc\xea [Am]\n\xc3\n";
  const auto r = cli({"--lang", "pt", "transpose", "2"}, folha);
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, "Bm  D \xff\nCora\xe7\xe3o \xe9 voc\xea [Bm]\n\xc3\n");
}

TEST_F(CliAcordes, TransposeGuardaFinsDeLinhaEAcentos) {
  const std::string folha = "Refrão: Dº  G7M\r\nCoração, é você\r\nD/F#\t(Bm)";
  const auto r = cli({"--lang", "pt", "transpose", "-2147483648"}, folha);
  EXPECT_EQ(r.status, 0) << r.erros;
  // -2147483648 steps are eight steps down.
  EXPECT_EQ(r.saida, "Refrão: Gbº  B7M\r\nCoração, é você\r\nGb/Bb\t(Ebm)");

  for (const char* ruim : {"um", "1.5", ""}) {
    const auto recusado = cli({"transpose", ruim}, folha);
    EXPECT_EQ(recusado.status, 2) << ruim;
    EXPECT_TRUE(recusado.saida.empty());
    EXPECT_NE(recusado.erros.find("must be a whole number"), std::string::npos) << ruim;
  }
  for (const char* grande : {"999999999999", "-2147483649", "+99999999999999999999999"}) {
    const auto recusado = cli({"transpose", grande}, folha);
    EXPECT_EQ(recusado.status, 2) << grande;
    EXPECT_NE(recusado.erros.find("STEPS is out of range: '" + std::string(grande) + "'"),
              std::string::npos)
        << recusado.erros;
  }
  EXPECT_EQ(cli({"transpose"}, folha).status, 2);
}

TEST_F(CliAcordes, ChordsListaOsAcordesDaFolha) {
  const std::string folha =
      "Intro: Am  C7(9)  (x2)\n"
      "Am        C\n"
      "letra Am\n"
      "[G]Canto e [Dº]danço\n"
      "(Bm7 E7)\n";
  const auto r = cli({"--lang", "pt", "chords"}, folha);
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, "Am\nC7(9)\nAm\nC\nG\nDº\nBm7\nE7\n");
  EXPECT_EQ(cli({"chords", "extra"}, folha).status, 2);
}

}  // namespace
}  // namespace tessara
