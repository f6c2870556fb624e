#include "ouvir/NomeadorAcordes.h"

#include <array>

#include "chords/Especialista.h"
#include "chords/GrafiaNotas.h"
#include "ouvir/VocabularioAcordes.h"

namespace tessara {

namespace {

// The written-name index of each pitch class as a root: sharps for C# and F#, flats else.
constexpr std::array<int, 12> RAIZES = {0, 1, 3, 5, 6, 7, 8, 10, 12, 13, 15, 16};

// The bass as a note of the chord (Ab/Eb, not Ab/D#); a spelling the names do not have (E#,
// Cb) gives way to the plain one.
int grafiaDoBaixo(int32_t codigo, int baixo) {
  const std::string nome = GrafiaNotas::notaNoAcorde(codigo, baixo);
  for (int i = 0; i < Especialista::NUMERO_GRAFIAS; ++i) {
    if (Especialista::nomeGrafia(i) == nome) return i;
  }
  return RAIZES[static_cast<size_t>(baixo)];
}

}  // namespace

AcordeOuvido NomeadorAcordes::nomear(int raiz, const TipoAcorde& tipo, int baixo,
                                     Gramatica gramatica) {
  raiz = ((raiz % 12) + 12) % 12;
  baixo = ((baixo % 12) + 12) % 12;
  AcordeOuvido acorde;
  acorde.temAcorde = true;
  acorde.raiz = raiz;
  acorde.baixo = baixo;
  int32_t codigo = Especialista::setRaiz(tipo.codigo, RAIZES[static_cast<size_t>(raiz)]);
  if (baixo != raiz) {
    codigo = Especialista::setBaixo(codigo, grafiaDoBaixo(codigo, baixo));
  }
  acorde.nome = Especialista::nomear(codigo, gramatica);
  const size_t inicio = Especialista::nomeGrafia(Especialista::getRaiz(codigo)).size();
  const size_t barra = baixo != raiz ? acorde.nome.rfind('/') : std::string::npos;
  acorde.qualidade =
      acorde.nome.substr(inicio, barra == std::string::npos ? std::string::npos : barra - inicio);
  return acorde;
}

}  // namespace tessara
