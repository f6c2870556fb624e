#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AcordesTeste.h"
#include "chords/FolhaCifra.h"

namespace tessara {
namespace {

using teste::ingles;
using teste::portugues;
constexpr int ACIMA = Especialista::ACIMA;
constexpr int ABAIXO = Especialista::ABAIXO;

std::string acima(const std::string& texto, const IdiomaAcordes& idioma = portugues()) {
  return FolhaCifra::transporCifra(texto, 1, ACIMA, idioma);
}

TEST(FolhaCifra, LinhasDeAcordesELinhasDeTexto) {
  struct Caso {
    const char* linha;
    bool acordes;
  };
  const Caso casos[] = {
      {"Am   C/G", true},
      {"Em C", true},
      {"Em", true},
      {"", true},
      {"  \t ", true},
      {"(Bm7 E7)", true},
      {"Intro: Am C", true},
      {"Tom: A", true},
      {"Refr√£o (2x):", true},
      {"Parte A: Am", true},
      {"[Refr√£o]", true},
      {"[Intro] Am  C", true},
      {"| Am | C7 | x2", true},
      {"Am - C (2x)", true},
      {"N.C.", true},
      {"Am, C", true},
      {"[Am] letra", false},
      {"Em casa", false},
      {"Eu te amo", false},
      {"Sorriu e a lua", false},
      {"√â", false},
      {"[Am]Eu te amo", false},
      {"[Primeira parte] letra", false},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(FolhaCifra::ehLinhaAcordes(TXT(caso.linha), portugues()), caso.acordes) << caso.linha;
  }
  EXPECT_TRUE(FolhaCifra::ehLinhaAcordes("Asus4 D/F#", ingles()));
  EXPECT_FALSE(FolhaCifra::ehLinhaAcordes("A day in the life", ingles()));
}

TEST(FolhaCifra, TransposicaoLinhaALinha) {
  struct Caso {
    const char* antes;
    const char* acima;
    const char* abaixo;
  };
  const Caso casos[] = {
      {"Am   C/G", "Bbm   Db/Ab", "G#m   B/F#"},
      {"[Am] letra", "[Bbm] letra", "[G#m] letra"},
      {"Em casa", "Em casa", "Em casa"},
      {"Em C", "Fm Db", "Ebm B"},
      {"Em", "Fm", "Ebm"},
      {"Eu te amo", "Eu te amo", "Eu te amo"},
      {"Sorriu e a lua", "Sorriu e a lua", "Sorriu e a lua"},
      {"(Bm7 E7)", "(Cm7 F7)", "(Bbm7 Eb7)"},
      {"(Am)", "(Bbm)", "(G#m)"},
      {"Tom: A", "Tom: Bb", "Tom: Ab"},
      {"Intro: Am C", "Intro: Bbm Db", "Intro: G#m B"},
      {"[Refr√£o] G  (C7(9))  x2", "[Refr√£o] Ab  (Db7(9))  x2", "[Refr√£o] Gb  (B7(9))  x2"},
      {"| G  D/F# |", "| Ab  Eb/G |", "| Gb  Db/F |"},
      {"[G]Quando eu [D]canto", "[Ab]Quando eu [Eb]canto", "[Gb]Quando eu [Db]canto"},
      {"Fonte: http://cifras", "Fonte: http://cifras", "Fonte: http://cifras"},
      // Repeat marks and a closing comment leave a chord line a chord line.
      {"G D Em C  (bis)", "Ab Eb Fm Db  (bis)", "Gb Db Ebm B  (bis)"},
      {"G D bis", "Ab Eb bis", "Gb Db bis"},
      {"G D 2x", "Ab Eb 2x", "Gb Db 2x"},
      {"G D 3X", "Ab Eb 3X", "Gb Db 3X"},
      {"G D (repete)", "Ab Eb (repete)", "Gb Db (repete)"},
      {"G D (3 vezes)", "Ab Eb (3 vezes)", "Gb Db (3 vezes)"},
      {"G D (repeat)", "Ab Eb (repeat)", "Gb Db (repeat)"},
      {"G D (fim)", "Ab Eb (fim)", "Gb Db (fim)"},
      {"G (D)", "Ab (Eb)", "Gb (Db)"},
      {"Eu te amo (bis)", "Eu te amo (bis)", "Eu te amo (bis)"},
      {"G D (3 vezes) Em", "G D (3 vezes) Em", "G D (3 vezes) Em"},
      // The notes of a tuning or capo line are not chords.
      {"AfinaÁ„o: D A D G B E", "AfinaÁ„o: D A D G B E", "AfinaÁ„o: D A D G B E"},
      {"AFINA«√O: Eb Ab Db Gb Bb Eb", "AFINA«√O: Eb Ab Db Gb Bb Eb", "AFINA«√O: Eb Ab Db Gb Bb Eb"},
      {"Tuning: D A D G B E", "Tuning: D A D G B E", "Tuning: D A D G B E"},
      {"Capo: 2", "Capo: 2", "Capo: 2"},
      {"Capotraste: C", "Capotraste: C", "Capotraste: C"},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(acima(TXT(caso.antes)), TXT(caso.acima));
    EXPECT_EQ(FolhaCifra::transporCifra(TXT(caso.antes), 1, ABAIXO, portugues()), TXT(caso.abaixo));
  }
}

// A sheet as it is pasted from a chord site: labels, a chord line over each lyric line,
// chords inside the lyrics, bar marks, repeats, CR LF line ends and no final line end.
const char* const kFolha =
    "Tom: G\r\n"
    "Intro: G  D/F#  Em7  C7M(9)   (x2)\r\n"
    "\r\n"
    "[Primeira Parte]\r\n"
    "G          D/F#\r\n"
    "Eu te amo, e a lua\r\n"
    "Em7              C\r\n"
    "Sorriu e a noite chegou\r\n"
    "| G  D | Em  C |\r\n"
    "[Refr√£o]\r\n"
    "[G]Quando eu [D]canto, [Em]voc√™ [C]dan√ßa\r\n"
    "(Bm7 E7)\r\n"
    "N.C.\r\n"
    "Refr√£o (2x): C  D\r\n"
    "E a vida √© bela\r\n"
    "Em";

TEST(FolhaCifra, FolhaInteiraSoMudaOsAcordes) {
  const char* const esperado =
      "Tom: Ab\r\n"
      "Intro: Ab  Eb/G  Fm7  Db7M(9)   (x2)\r\n"
      "\r\n"
      "[Primeira Parte]\r\n"
      "Ab          Eb/G\r\n"
      "Eu te amo, e a lua\r\n"
      "Fm7              Db\r\n"
      "Sorriu e a noite chegou\r\n"
      "| Ab  Eb | Fm  Db |\r\n"
      "[Refr√£o]\r\n"
      "[Ab]Quando eu [Eb]canto, [Fm]voc√™ [Db]dan√ßa\r\n"
      "(Cm7 F7)\r\n"
      "N.C.\r\n"
      "Refr√£o (2x): Db  Eb\r\n"
      "E a vida √© bela\r\n"
      "Fm";
  EXPECT_EQ(acima(TXT(kFolha)), TXT(esperado));
  // Twelve steps up give the same sounds, spelled by the same key.
  EXPECT_EQ(FolhaCifra::transporCifra(TXT(kFolha), 12, ACIMA, portugues()),
            FolhaCifra::transporCifra(TXT(kFolha), 24, ACIMA, portugues()));
  EXPECT_EQ(FolhaCifra::transporCifra(TXT(kFolha), 0, ACIMA, portugues()), TXT(kFolha));
}

TEST(FolhaCifra, AcordesDaFolhaEmOrdem) {
  const std::vector<std::string> esperados = {
      "G",  "G", "D/F#", "Em7", "C7M(9)", "G", "D/F#", "Em7", "C", "G", "D",
      "Em", "C", "G",    "D",   "Em",     "C", "Bm7",  "E7",  "C", "D", "Em"};
  EXPECT_EQ(FolhaCifra::acordes(TXT(kFolha), portugues()), esperados);
  EXPECT_EQ(FolhaCifra::acordes("Am C\nletra Am\n", portugues()),
            (std::vector<std::string>{"Am", "C"}));
  // A list in parentheses that ends the line belongs to its chord.
  EXPECT_EQ(FolhaCifra::acordes("Am  C7(9)\nG  B(#7#5)\nD7(9) (fim)\n", portugues()),
            (std::vector<std::string>{"Am", "C7(9)", "G", "B(#7#5)", "D7(9)"}));
}

TEST(FolhaCifra, FinsDeLinhaBrancosETabulacoesIntactos) {
  EXPECT_EQ(acima("Am\tC \r\nletra\rEm\n\n  G7  "), "Bbm\tDb \r\nletra\rFm\n\n  Ab7  ");
  EXPECT_EQ(acima("\n\r\n\r"), "\n\r\n\r");
  EXPECT_EQ(acima(""), "");
  EXPECT_EQ(FolhaCifra::textoColado("C\tG\t\tAm\n\t"), "C  G    Am\n  ");
}

TEST(FolhaCifra, LetraInglesa) {
  const std::string folha = "A        E/G#\nI will be there\nDo a dance\nAsus4  A\n";
  EXPECT_EQ(acima(folha, ingles()), "Bb        F/A\nI will be there\nDo a dance\nBbsus4  Bb\n");
}

}  // namespace
}  // namespace tessara
