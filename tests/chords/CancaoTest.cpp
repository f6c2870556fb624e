#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AcordesTeste.h"
#include "chords/EscritorChordPro.h"
#include "chords/EscritorCifra.h"
#include "chords/LeitorCancao.h"
#include "chords/TransposicaoCancao.h"

namespace tessara {
namespace {

using teste::idiomaDa;
using teste::ingles;
using teste::portugues;
using P = LeitorCancao::Problema;

std::string paraChordPro(const std::string& texto, const IdiomaAcordes& idioma) {
  LeitorCancao leitor(idioma);
  return EscritorChordPro::escrever(leitor.ler(texto));
}

std::string paraTexto(const std::string& texto, const IdiomaAcordes& idioma) {
  LeitorCancao leitor(idioma);
  return EscritorCifra(idioma).escrever(leitor.ler(texto));
}

// Each case: a song as chords over lyrics (or as ChordPro), the ChordPro it gives, and the
// sheet that ChordPro gives back. Texts are UTF-8 here and CP1252 inside.
struct Caso {
  const char* nome;
  Gramatica gramatica;
  const char* entrada;
  const char* chordPro;
  const char* texto;
};

const Caso CASOS[] = {
    {"acentos contam uma coluna", Gramatica::Portugues,
     "G        D\nÉ a lua, coração\n",  //
     "[G]É a lua, [D]coração\n",        //
     "G        D\nÉ a lua, coração\n"},
    {"tabs ate a coluna multipla de 8", Gramatica::Portugues,
     "\tEm\tC\nQuando\teu canto\n",  //
     "Quando  [Em]eu canto[C]\n",    //
     "        Em      C\nQuando  eu canto\n"},
    {"acorde alem do fim da letra", Gramatica::Ingles,
     "C       G        Am\nOh yes\n",  //
     "[C]Oh yes  [G]         [Am]\n",  //
     "C       G        Am\nOh yes\n"},
    {"refrao", Gramatica::Ingles,
     "{soc}\n[Am]Hey [C]you\n{end_of_chorus}\n",  //
     "{soc}\n[Am]Hey [C]you\n{end_of_chorus}\n",  //
     "{soc}\nAm  C\nHey you\n{end_of_chorus}\n"},
    {"define, comentarios e diretiva desconhecida", Gramatica::Ingles,
     "{define: Am base-fret 1 frets x 0 2 2 1 0}\n{c:Slowly}\n# by ear\n{ x_foo :bar }\n",
     "{define: Am base-fret 1 frets x 0 2 2 1 0}\n{c: Slowly}\n# by ear\n{ x_foo :bar }\n",
     "{define: Am base-fret 1 frets x 0 2 2 1 0}\n{c: Slowly}\n# by ear\n{ x_foo :bar }\n"},
    {"tablatura como esta escrita", Gramatica::Ingles,
     "{sot}\ne|--0--[Am]--|\tC\n{eot}\n",  //
     "{sot}\ne|--0--[Am]--|\tC\n{eot}\n",  //
     "{sot}\ne|--0--[Am]--|\tC\n{eot}\n"},
    {"marca de repeticao vira anotacao", Gramatica::Portugues,
     "Am   C   (2x)\nla la la la la\n",  //
     "[Am]la la[C] la [*(2x)]la la\n",   //
     "Am   C   (2x)\nla la la la la\n"},
    {"acorde entre parenteses no fim da letra", Gramatica::Portugues,
     "Sorriu pra mim (Am)\n",    //
     "Sorriu pra mim [(Am)]\n",  //
     "               (Am)\nSorriu pra mim\n"},
    {"acordes sozinhos ficam no lugar", Gramatica::Portugues,
     "Intro: G  D/F#  C7M(9)   (x2)\n\nla la\n",        //
     "Intro: [G]  [D/F#]  [C7M(9)]   (x2)\n\nla la\n",  //
     "Intro: G  D/F#  C7M(9)   (x2)\n\nla la\n"},
    {"acordes sozinhos antes de letra sem acordes", Gramatica::Ingles,
     "[G] [D]\nla la\n",  //
     "[G] [D]\nla la\n",  //
     "[G] [D]\nla la\n"},
    {"acordes entre colchetes na letra", Gramatica::Portugues,
     "[G]Quando eu [D]canto\n",  //
     "[G]Quando eu [D]canto\n",  //
     "G         D\nQuando eu canto\n"},
    {"rotulo entre colchetes", Gramatica::Portugues,
     "[Refrão]\nAm   C/G\n",      //
     "[Refrão]\n[Am]   [C/G]\n",  //
     "[Refrão]\nAm   C/G\n"},
    {"acordes colados afastam a letra", Gramatica::Ingles,
     "[Am7][D]la\n",  //
     "[Am7][D]la\n",  //
     "Am7 D\n    la\n"},
    {"fins de linha CR LF e CR", Gramatica::Ingles,
     "C\r\nOh yes\rla\r\n",  //
     "[C]Oh yes\nla\n",      //
     "C\nOh yes\nla\n"},
};

TEST(Cancao, ConversaoNosDoisSentidos) {
  for (const auto& caso : CASOS) {
    SCOPED_TRACE(caso.nome);
    const IdiomaAcordes& idioma = idiomaDa(caso.gramatica);
    const std::string chordPro = paraChordPro(TXT(caso.entrada), idioma);
    EXPECT_EQ(cp1252::paraUtf8(chordPro), caso.chordPro);
    EXPECT_EQ(cp1252::paraUtf8(paraTexto(chordPro, idioma)), caso.texto);
  }
}

// Text, ChordPro, text, ChordPro: the two ChordPro texts are the same.
TEST(Cancao, IdaEVoltaEstavel) {
  const char* cancoes[] = {
      "{title: Sorriso}\n{key: G}\nIntro: G  D/F#  Em7  C7M(9)   (x2)\n\n"
      "G          D/F#\nEu te amo, é a lua sorriu pra mim\n"
      "\tEm\tC\nQuando\teu canto (Am)\n[Refrão]\nAm   C/G\n"
      "Em casa\nAm C\nA lua (G7)   \n| Am | C7 | x2\n",
      "[G]a[D]b[Em]\n{soc}\nC   G\n\tla\tla\n[Am][C] [D]\n{eoc}\n[*Rit.]la [G]la (C)\n",
  };
  for (const char* cancao : cancoes) {
    for (const auto* idioma : {&portugues(), &ingles()}) {
      const std::string chordPro = paraChordPro(TXT(cancao), *idioma);
      const std::string texto = paraTexto(chordPro, *idioma);
      EXPECT_EQ(paraChordPro(texto, *idioma), chordPro) << texto;
      EXPECT_EQ(paraTexto(chordPro, *idioma), texto);
    }
  }
}

// Lines that once read back otherwise: each form, read back, is written the same again.
TEST(Cancao, CadaFormaLidaDeNovoEscreveOMesmo) {
  const char* linhas[] = {
      "Intro: G  D/F#  C7M(9)   (2x)\n\tEm0(b5)\tC\n",  // brackets split "Em[D/F#]0(b5)"
      "GQuando eutre [fo: G  D/F  C7M   ]\n",           // chords inside a bracketed label
      "[{t: x}\n",                                      // a lone bracket hid a directive
      "(B7\t#InTom:E7\n",                               // "([B7]" would read as a label
      "[G]la [*x2    ]\n",                              // an annotation ending in blanks
      "[Am]Hello [Cmaj7/G]t|--0--[Am]--|\n",            // chords closer than their names
  };
  for (const char* linha : linhas) {
    for (const auto* idioma : {&portugues(), &ingles()}) {
      const std::string chordPro = paraChordPro(linha, *idioma);
      EXPECT_EQ(paraChordPro(chordPro, *idioma), chordPro) << linha;
      const std::string texto = paraTexto(linha, *idioma);
      EXPECT_EQ(paraTexto(texto, *idioma), texto) << linha;
    }
  }
}

TEST(Cancao, EntradaRuimCarregaOQuePodeEDizOQuePulou) {
  const std::string longa(10'000'000, 'a');
  struct CasoRuim {
    const char* nome;
    std::string entrada;
    const char* chordPro;
    std::vector<LeitorCancao::Aviso> avisos;
  };
  const CasoRuim casos[] = {
      {"colchete sem fim",
       "[Am letra\n[C]la]\n",
       "Am letra\n[C]la\n",
       {{1, P::ColcheteSemPar}, {2, P::ColcheteSemPar}}},
      {"chave sem fim", "{title: x\n", "{title: x\n", {{1, P::ChaveSemPar}}},
      {"diretiva desconhecida", "{album: A}\n", "{album: A}\n", {{1, P::DiretivaDesconhecida}}},
      {"define ilegivel",
       "{define: Am frets a b}\n",
       "{define: Am frets a b}\n",
       {{1, P::DefinicaoInvalida}}},
      {"NUL", std::string("[A\0m]la\n", 8), "[Am]la\n", {{1, P::CaracterNulo}}},
      {"linha de 10 MB", "[C]la\n" + longa + "\n[G]lo", "[C]la\n[G]lo\n", {{2, P::LinhaLonga}}},
      {"UTF-8 invalido", "[C]l\xFF\xFE\n", "[C]l\xFF\xFE\n", {}},
      {"tablatura sem fim", "{sot}\ne|--\n", "{sot}\ne|--\n", {{2, P::BlocoSemFim}}},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nome);
    LeitorCancao leitor(ingles());
    const Cancao cancao = leitor.ler(caso.entrada);
    EXPECT_EQ(EscritorChordPro::escrever(cancao), caso.chordPro);
    EXPECT_EQ(leitor.avisos(), caso.avisos);
  }
}

TEST(Cancao, DefinicoesGuardamAsCasasDoAcorde) {
  LeitorCancao leitor(ingles());
  const Cancao cancao = leitor.ler(
      "{define: D7 base-fret 3 frets x 3 2 3 1 x}\n"
      "{define: Am frets x 0 2 2 1 0 fingers x 0 2 3 1 0}\n{define: G frets}\n");
  const auto definicoes = cancao.definicoes();
  ASSERT_EQ(definicoes.size(), 2u);
  EXPECT_EQ(definicoes[0].nome, "D7");
  EXPECT_EQ(definicoes[0].casasAbsolutas(), (std::vector<int>{-1, 5, 4, 5, 3, -1}));
  EXPECT_EQ(definicoes[1].casasAbsolutas(), (std::vector<int>{-1, 0, 2, 2, 1, 0}));
  EXPECT_EQ(definicoes[1].dedos, (std::vector<int>{-1, 0, 2, 3, 1, 0}));
  EXPECT_EQ(leitor.avisos(), (std::vector<LeitorCancao::Aviso>{{3, P::DefinicaoInvalida}}));
}

TEST(Cancao, TransporMoveAcordesETomENadaMais) {
  LeitorCancao leitor(ingles());
  Cancao cancao = leitor.ler(
      "{title: Am}\n{key: Am}\n{define: Am frets x 0 2 2 1 0}\n"
      "[Am]Hey [*Am]you [C/G]there (E7)\n{sot}\n[Am]\n{eot}\n");
  TransposicaoCancao(ingles()).transpor(cancao, 2);
  EXPECT_EQ(EscritorChordPro::escrever(cancao),
            "{title: Am}\n{key: Bm}\n{define: Am frets x 0 2 2 1 0}\n"
            "[Bm]Hey [*Am]you [D/A]there [(F#7)]\n{sot}\n[Am]\n{eot}\n");
  TransposicaoCancao(ingles()).transpor(cancao, -14);
  EXPECT_EQ(cancao.valor("key"), "Am");
  EXPECT_EQ(cancao.acordes(ingles()), (std::vector<std::string>{"Am", "C/G", "E7"}));
}

TEST(Cancao, CapoMudaAsFormasEMantemOTom) {
  LeitorCancao leitor(portugues());
  Cancao cancao = leitor.ler("{title: x}\n{key: Am}\n{soc}\n[Am]la [E7]la\n");
  const TransposicaoCancao transposicao(portugues());
  transposicao.colocarCapo(cancao, 2);
  EXPECT_EQ(EscritorChordPro::escrever(cancao),
            "{title: x}\n{key: Am}\n{capo: 2}\n{soc}\n[Gm]la [D7]la\n");
  transposicao.colocarCapo(cancao, 0);
  EXPECT_EQ(EscritorChordPro::escrever(cancao), "{title: x}\n{key: Am}\n{soc}\n[Am]la [E7]la\n");
}

TEST(Cancao, ReconheceChordPro) {
  EXPECT_TRUE(LeitorCancao::ehChordPro("la\n  {title: x}  \n", ingles()));
  EXPECT_TRUE(LeitorCancao::ehChordPro("Oh [Am]yes\n", ingles()));
  EXPECT_FALSE(LeitorCancao::ehChordPro("Am  C\nOh yes\n[Intro]\n", ingles()));
  EXPECT_FALSE(LeitorCancao::ehChordPro("{title: x\n", ingles()));
}

// A song's title: its directive wherever it stands, else a first line of words; chords, a
// directive, a comment or a section label are no title.
TEST(Cancao, TituloDaDiretivaOuDaPrimeiraLinha) {
  const std::pair<const char*, const char*> casos[] = {
      {"[G]Hello\n{title: Wonderwall}\n", "Wonderwall"},
      {"{t: Short}\n", "Short"},
      {"\n\n  Wonderwall - Oasis  \nEm7  G\nToday is gonna be\n", "Wonderwall - Oasis"},
      {"Em7  G  D  A7sus4\nToday is gonna be\n", ""},
      {"Intro: C  G\n\nla la\n", ""},
      {"{comment: slowly}\nla la\n", ""},
      {"# a note\nla la\n", ""},
      {"", ""},
  };
  for (const auto& [folha, titulo] : casos) {
    EXPECT_EQ(LeitorCancao(ingles()).titulo(folha), titulo) << folha;
  }
}

}  // namespace
}  // namespace tessara
