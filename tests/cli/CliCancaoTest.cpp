#include <gtest/gtest.h>

#include "ExecucaoCli.h"
#include "PastaTemporaria.h"
#include "Processo.h"
#include "TesteCli.h"

namespace tessara {
namespace {

class CliCancao : public teste::TesteCli {
 protected:
  std::string arquivo(const std::string& nome, const std::string& conteudo) const {
    return pasta.escrever(nome, conteudo).string();
  }

  teste::PastaTemporaria pasta;
};

const std::string CIFRA_PT =
    "Tom: G\n"
    "Intro: G  D/F#  C7M(9)   (2x)\n"
    "\n"
    "G          D/F#\n"
    "Eu te amo, é a lua\n"
    "\tEm7(b5)\tC\n"
    "Quando\teu canto (Am)\n";

TEST_F(CliCancao, CifraEmPortuguesParaChordProEDeVolta) {
  const auto r = cli({"--lang", "pt", "sheet", "--to", "chordpro", arquivo("a.txt", CIFRA_PT)});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida,
            "Tom: [G]\n"
            "Intro: [G]  [D/F#]  [C7M(9)]   (2x)\n"
            "\n"
            "[G]Eu te amo, [D/F#]é a lua\n"
            "Quando  [Em7(b5)]eu canto[C]  [(Am)]\n");
  EXPECT_TRUE(r.erros.empty()) << r.erros;

  // Without --to a song comes out in the form it went in; columns survive the trip.
  const auto volta = cli({"--lang", "pt", "sheet", "--to", "text", arquivo("a.cho", r.saida)});
  EXPECT_EQ(volta.saida,
            "Tom: G\n"
            "Intro: G  D/F#  C7M(9)   (2x)\n"
            "\n"
            "G          D/F#\n"
            "Eu te amo, é a lua\n"
            "        Em7(b5) C (Am)\n"
            "Quando  eu canto\n");
  EXPECT_EQ(cli({"--lang", "pt", "sheet", "-"}, volta.saida).saida, volta.saida);
}

const std::string CHORDPRO_EN =
    "{title: Morning}\n"
    "{key: Am}\n"
    "{define: Am base-fret 1 frets x 0 2 2 1 0}\n"
    "{soc}\n"
    "[Am]Hello [Cmaj7/G]there, my [E7sus4]friend\n"
    "{eoc}\n"
    "{sot}\n"
    "e|--0--[Am]--|\n"
    "{eot}\n";

TEST_F(CliCancao, ChordProEmInglesTranspostoComCapoParaTexto) {
  const auto r = cli({"--lang", "en", "sheet", "--transpose", "2", "--capo", "2", "--to", "text",
                      arquivo("b.cho", CHORDPRO_EN)});
  EXPECT_EQ(r.status, 0) << r.erros;
  // Two up and a capo on 2: the same shapes, the key up two.
  EXPECT_EQ(r.saida,
            "{title: Morning}\n"
            "{key: Bm}\n"
            "{capo: 2}\n"
            "{define: Am base-fret 1 frets x 0 2 2 1 0}\n"
            "{soc}\n"
            "Am    Cmaj7/G   E7sus4\n"
            "Hello there, my friend\n"
            "{eoc}\n"
            "{sot}\n"
            "e|--0--[Am]--|\n"
            "{eot}\n");
  const auto abaixo = cli({"--lang", "en", "sheet", "--transpose", "-1", "-"}, CHORDPRO_EN);
  EXPECT_NE(abaixo.saida.find("{key: Abm}\n"), std::string::npos) << abaixo.saida;
  EXPECT_NE(abaixo.saida.find("[Abm]Hello [Bmaj7/Gb]there, my [Eb7sus4]friend\n"),
            std::string::npos);
}

TEST_F(CliCancao, ChordsETransposeAceitamChordPro) {
  const auto acordes = cli({"--lang", "en", "chords"}, CHORDPRO_EN);
  EXPECT_EQ(acordes.status, 0) << acordes.erros;
  EXPECT_EQ(acordes.saida, "Am\nCmaj7/G\nE7sus4\n");
  const auto transposta = cli({"--lang", "en", "transpose", "1"}, CHORDPRO_EN);
  EXPECT_EQ(transposta.status, 0) << transposta.erros;
  EXPECT_NE(transposta.saida.find("{key: A#m}\n"), std::string::npos) << transposta.saida;
  EXPECT_NE(transposta.saida.find("e|--0--[Am]--|\n"), std::string::npos);
}

TEST_F(CliCancao, EntradaRuimCarregaOQuePodeENomeiaAsLinhas) {
  const std::string ruim = std::string("[C]la\n{album: X}\n[G\0]lo\n", 24) +
                           std::string(10'000'000, 'a') + "\n[Am]l\xE1 [D\n";
  const auto r = cli({"--lang", "en", "sheet", "--to", "chordpro", arquivo("ruim.cho", ruim)});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, "[C]la\n{album: X}\n[G]lo\n[Am]lá D\n");
  EXPECT_EQ(r.erros,
            "tessara-cli: sheet: line 5: not UTF-8, the text is read as Windows-1252\n"
            "tessara-cli: sheet: line 2: unknown directive, kept as written\n"
            "tessara-cli: sheet: line 3: NUL bytes left out\n"
            "tessara-cli: sheet: line 4: longer than 4096 bytes, left out\n"
            "tessara-cli: sheet: line 5: square bracket without its pair, left out\n");
}

TEST_F(CliCancao, ArgumentosRecusados) {
  const std::string a = arquivo("a.cho", "[C]la\n");
  struct Caso {
    std::vector<std::string> argumentos;
    int status;
    const char* mensagem;
  };
  const Caso casos[] = {
      {{"sheet", "--to", "pdf", a},
       2,
       "--to: 'pdf' is not accepted; accepted values: chordpro, text"},
      {{"sheet", a, "--to"}, 2, "--to needs a value: chordpro, text"},
      {{"sheet", "--capo", "13", a},
       2,
       "--capo: '13' is not accepted; accepted values: a fret from 0 to 12"},
      {{"sheet", "--transpose", "up", a}, 2, "--transpose: 'up' is not accepted"},
      {{"sheet"}, 2, "missing FILE"},
      {{"sheet", a, a}, 2, "unexpected argument"},
      {{"sheet", (pasta / "nenhum.cho").string()}, 1, "cannot read"},
      {{"sheet", pasta.caminho().string()}, 1, "cannot read"},
  };
  for (const auto& caso : casos) {
    auto argumentos = caso.argumentos;
    argumentos.insert(argumentos.begin(), {"--lang", "en"});
    const auto r = cli(argumentos);
    EXPECT_EQ(r.status, caso.status) << caso.mensagem;
    EXPECT_NE(r.erros.find(caso.mensagem), std::string::npos) << r.erros;
    EXPECT_EQ(r.erros.find("usage: tessara-cli") != std::string::npos, caso.status == 2) << r.erros;
    EXPECT_TRUE(r.saida.empty()) << r.saida;
  }
  const auto ajuda = cli({"sheet", "--help"});
  EXPECT_EQ(ajuda.status, 0);
  EXPECT_NE(ajuda.saida.find("sheet [--to chordpro|text] [--transpose N] [--capo N] FILE|-"),
            std::string::npos);
}

}  // namespace
}  // namespace tessara
