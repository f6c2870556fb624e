#include "ouvir/VocabularioAcordes.h"

#include "chords/Especialista.h"

namespace tessara {

namespace {

// Dim is "m(b5)": this grammar reads "dim" as the diminished seventh.
constexpr const char* SUFIXOS[] = {"",     "m",    "7", "maj7", "m7", "m(b5)", "dim7", "aug",
                                   "sus2", "sus4", "6", "m6",   "9",  "m7b5",  "add9"};

// The semitones above the root a degree flag stands for.
int semitonsDoGrau(int grau) { return grau < 11 ? grau + 1 : grau + 2; }

TipoAcorde lerTipo(const char* sufixo) {
  const IdiomaAcordes ingles{Gramatica::Ingles, ""};
  TipoAcorde tipo;
  tipo.sufixo = sufixo;
  tipo.codigo = Especialista::interpretar(std::string("C") + sufixo, ingles);
  tipo.mascara = 1;
  tipo.baixos = 1;
  for (int grau = 0; grau < Especialista::NUMERO_GRAUS; ++grau) {
    if (!Especialista::temGrau(tipo.codigo, grau)) continue;
    const int semitons = semitonsDoGrau(grau);
    tipo.mascara |= static_cast<uint16_t>(1u << (semitons % 12));
    // A ninth or thirteenth in the bass is another chord; the sixth of a sixth chord is not.
    if (semitons < 12 || semitons == 21)
      tipo.baixos |= static_cast<uint16_t>(1u << (semitons % 12));
  }
  return tipo;
}

}  // namespace

const std::vector<TipoAcorde>& VocabularioAcordes::tipos() {
  static const std::vector<TipoAcorde> lista = [] {
    std::vector<TipoAcorde> t;
    for (const char* s : SUFIXOS) t.push_back(lerTipo(s));
    return t;
  }();
  return lista;
}

uint16_t VocabularioAcordes::mascaraDoCodigo(int32_t codigo) {
  uint16_t mascara = 1;
  for (int grau = 0; grau < Especialista::NUMERO_GRAUS; ++grau) {
    if (Especialista::temGrau(codigo, grau)) {
      mascara |= static_cast<uint16_t>(1u << (semitonsDoGrau(grau) % 12));
    }
  }
  return mascara;
}

uint16_t VocabularioAcordes::classes(const TipoAcorde& tipo, int raiz) {
  const unsigned r = static_cast<unsigned>(((raiz % 12) + 12) % 12);
  const unsigned m = tipo.mascara;
  return static_cast<uint16_t>(((m << r) | (m >> (12 - r))) & 0xFFFu);
}

}  // namespace tessara
