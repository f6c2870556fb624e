#include <gtest/gtest.h>

#include <string>

#include "chords/Especialista.h"
#include "ouvir/NomeadorAcordes.h"
#include "ouvir/VocabularioAcordes.h"

namespace tessara {
namespace {

const TipoAcorde& tipo(const std::string& sufixo) {
  for (const TipoAcorde& t : VocabularioAcordes::tipos()) {
    if (t.sufixo == sufixo) return t;
  }
  throw std::invalid_argument(sufixo);
}

// Names come out as the chord parser writes them, in the grammar asked for, and read back as
// the chord heard.
TEST(NomeadorAcordes, NomesNaGramaticaPedidaQueOInterpretadorLe) {
  struct Caso {
    int raiz;
    const char* sufixo;
    int baixo;
    Gramatica gramatica;
    const char* nome;
    const char* qualidade;
  };
  const Caso casos[] = {
      {0, "", 4, Gramatica::Ingles, "C/E", ""},
      {9, "m7", 9, Gramatica::Ingles, "Am7", "m7"},
      {0, "maj7", 0, Gramatica::Ingles, "Cmaj7", "maj7"},
      {0, "maj7", 0, Gramatica::Portugues, "C7M", "7M"},
      {3, "", 10, Gramatica::Ingles, "Eb/Bb", ""},
      {8, "m", 3, Gramatica::Portugues, "Abm/Eb", "m"},
      {6, "7", 6, Gramatica::Ingles, "F#7", "7"},
      {10, "sus4", 10, Gramatica::Ingles, "Bbsus4", "sus4"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    const AcordeOuvido a = NomeadorAcordes::nomear(c.raiz, tipo(c.sufixo), c.baixo, c.gramatica);
    EXPECT_TRUE(a.temAcorde);
    EXPECT_EQ(a.nome, c.nome);
    EXPECT_EQ(a.qualidade, c.qualidade);
    EXPECT_EQ(a.raiz, c.raiz);
    EXPECT_EQ(a.baixo, c.baixo);
  }
  // Every kind on every root and bass reads back as the same chord.
  for (const TipoAcorde& t : VocabularioAcordes::tipos()) {
    for (int raiz = 0; raiz < 12; ++raiz) {
      for (int i = 0; i < 12; ++i) {
        if ((t.baixos & (1u << i)) == 0) continue;
        for (Gramatica g : {Gramatica::Ingles, Gramatica::Portugues}) {
          const AcordeOuvido a = NomeadorAcordes::nomear(raiz, t, raiz + i, g);
          SCOPED_TRACE(a.nome);
          const int32_t codigo = Especialista::interpretar(a.nome, IdiomaAcordes{g, ""});
          EXPECT_EQ(Especialista::getClasseRaiz(codigo), raiz);
          EXPECT_EQ(VocabularioAcordes::mascaraDoCodigo(codigo), t.mascara);
          const int baixo = Especialista::getBaixo(codigo);
          EXPECT_EQ(baixo < 0 ? raiz : Especialista::classeGrafia(baixo), (raiz + i) % 12);
        }
      }
    }
  }
}

}  // namespace
}  // namespace tessara
