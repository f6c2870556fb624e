#include "chords/GrafiaNotas.h"

#include <algorithm>
#include <cstdlib>

#include "chords/Especialista.h"
#include "model/Notas.h"

namespace tessara {

namespace {

using E = Especialista;

constexpr int NUMERO_LETRAS = 7;
constexpr std::array<int, NUMERO_LETRAS> kNaturais = {0, 2, 4, 5, 7, 9, 11};  // C D E F G A B
constexpr const char* kLetras = "CDEFGAB";
constexpr int TERCA_MENOR = 3;
constexpr int TERCA_MAIOR = 4;

int modulo12(int n) { return ((n % NUMERO_NOTAS) + NUMERO_NOTAS) % NUMERO_NOTAS; }

// A degree of the chord code: the letters and semitones above the root, and its English label.
struct Grau {
  int grau;
  int letras;
  int semitons;
  const char* rotulo;
};

// Chord tones first, so a pitch class that two degrees share is named as the plainer one.
constexpr Grau kGraus[] = {
    {2, 2, 3, "b3"},  {3, 2, 4, "3"},    {6, 4, 7, "5"},   {5, 4, 6, "b5"},
    {7, 4, 8, "#5"},  {9, 6, 10, "b7"},  {10, 6, 11, "7"}, {4, 3, 5, "4"},
    {8, 5, 9, "6"},   {12, 1, 2, "9"},   {11, 1, 1, "b9"}, {13, 1, 3, "#9"},
    {15, 3, 5, "11"}, {16, 3, 6, "#11"}, {19, 5, 9, "13"}, {18, 5, 8, "b13"}};
// The diminished seventh is a seventh: its letter is the root's plus six (C: Bbb).
constexpr Grau kSetimaDiminuta = {8, 6, 9, "bb7"};

constexpr std::array<const char*, NUMERO_NOTAS> kIntervalosIngleses = {
    "R", "b9", "9", "b3", "3", "4", "b5", "5", "#5", "6", "b7", "7"};

struct Nota {
  int letra;     // 0..6, C to B
  int acidente;  // semitones off the natural letter, -2..2
};

std::string escrever(const Nota& n) {
  static const char* acidentes[] = {"bb", "b", "", "#", "##"};
  return std::string(1, kLetras[n.letra]) + acidentes[n.acidente + 2];
}

// The note of that letter that sounds the pitch class; its accidental may pass +-2.
Nota naLetra(int letra, int classe) {
  letra = ((letra % NUMERO_LETRAS) + NUMERO_LETRAS) % NUMERO_LETRAS;
  int acidente = modulo12(classe - kNaturais[static_cast<size_t>(letra)]);
  if (acidente > NUMERO_NOTAS / 2) acidente -= NUMERO_NOTAS;
  return {letra, acidente};
}

Nota daGrafia(int grafia) {
  const std::string& nome = E::nomeGrafia(grafia);
  const int letra = static_cast<int>(std::string_view(kLetras).find(nome.front()));
  return {letra, nome.size() < 2 ? 0 : nome[1] == '#' ? 1 : -1};
}

std::string nomeDoLado(int classe, bool bemol) {
  return bemol ? nomeNotaBemol(modulo12(classe)) : nomeNota(modulo12(classe));
}

const Grau* grauDaClasse(int32_t codigo, int semitons) {
  if (E::temGrau(codigo, 8) && E::temGrau(codigo, 2) && E::temGrau(codigo, 5) &&
      !E::temGrau(codigo, 9) && !E::temGrau(codigo, 10) && semitons == kSetimaDiminuta.semitons) {
    return &kSetimaDiminuta;
  }
  for (const Grau& g : kGraus) {
    if (g.semitons == semitons && E::temGrau(codigo, g.grau)) return &g;
  }
  return nullptr;
}

constexpr std::array<int, NUMERO_NOTAS> kGrafiaBemol = {0, 2, 3, 5, 6, 7, 9, 10, 12, 13, 15, 16};

// Each note of a seven-note scale on the letters from the tonic's; the tonic is spelled as
// the one of its two names that leaves fewer accidentals, the flat one first on a tie when
// asked.
std::vector<Nota> heptatonica(int tonica, const std::vector<int>& semitons, bool bemoisNoEmpate) {
  const int sustenido = E::grafiaDaClasse(tonica);
  const int bemol = kGrafiaBemol[static_cast<size_t>(modulo12(tonica))];
  std::vector<Nota> melhor;
  int menorCusto = 0;
  for (const int grafia :
       {bemoisNoEmpate ? bemol : sustenido, bemoisNoEmpate ? sustenido : bemol}) {
    const int letra = daGrafia(grafia).letra;
    std::vector<Nota> notas;
    int custo = 0;
    for (size_t i = 0; i < semitons.size(); ++i) {
      notas.push_back(naLetra(letra + static_cast<int>(i), tonica + semitons[i]));
      const int fora = std::abs(notas.back().acidente);
      custo += fora > 2 ? 100 : fora;  // a triple accidental is no spelling
    }
    if (melhor.empty() || custo < menorCusto) {
      melhor = std::move(notas);
      menorCusto = custo;
    }
  }
  return melhor;
}

bool temBemol(const std::vector<Nota>& notas) {
  return std::any_of(notas.begin(), notas.end(), [](const Nota& n) { return n.acidente < 0; });
}

const std::vector<int> kMaior = {0, 2, 4, 5, 7, 9, 11};
const std::vector<int> kMenorNatural = {0, 2, 3, 5, 7, 8, 10};

// A scale's intervals by semitones, where the spelling gives no degree (a chromatic note).
constexpr std::array<const char*, NUMERO_NOTAS> kIntervalosEscalaIngles = {
    "R", "b2", "2", "b3", "3", "4", "b5", "5", "b6", "6", "b7", "7"};
constexpr std::array<const char*, NUMERO_NOTAS> kIntervalosEscalaPortugues = {
    "T", "b2", "2", "3m", "3M", "4", "b5", "5", "b6", "6", "7", "7M"};

int letraDoNome(const std::string& nome) {
  return nome.empty() ? 0 : static_cast<int>(std::string_view(kLetras).find(nome.front()));
}

// The degree (0 = the tonic's letter) and the semitones off the major scale's note of it.
std::string rotuloGrau(int grau, int desvio, int semitons, Gramatica gramatica) {
  const bool portugues = gramatica == Gramatica::Portugues;
  if (std::abs(desvio) > 2 || (grau == 0 && desvio != 0)) {
    const auto& tabela = portugues ? kIntervalosEscalaPortugues : kIntervalosEscalaIngles;
    return tabela[static_cast<size_t>(modulo12(semitons))];
  }
  if (grau == 0) return portugues ? "T" : "R";
  if (portugues && (grau == 2 || grau == 6) && (desvio == 0 || desvio == -1)) {
    if (grau == 2) return desvio == 0 ? "3M" : "3m";
    return desvio == 0 ? "7M" : "7";
  }
  static const char* acidentes[] = {"bb", "b", "", "#", "##"};
  return acidentes[desvio + 2] + std::to_string(grau + 1);
}

}  // namespace

std::string GrafiaNotas::notaNoAcorde(int32_t codigo, int classe) {
  const int raiz = E::getRaiz(codigo);
  if (E::classeGrafia(raiz) < 0) return nomeNota(modulo12(classe));
  const int semitons = modulo12(classe - E::classeGrafia(raiz));
  const Nota nota = daGrafia(raiz);
  if (semitons == 0) return E::nomeGrafia(raiz);
  if (const Grau* g = grauDaClasse(codigo, semitons)) {
    const Nota n = naLetra(nota.letra + g->letras, classe);
    if (std::abs(n.acidente) <= 2) return escrever(n);
  }
  return nomeDoLado(classe, nota.acidente < 0 || E::nomeGrafia(raiz) == "F");
}

std::string GrafiaNotas::intervaloNoAcorde(int32_t codigo, int classe, Gramatica gramatica) {
  const int semitons = modulo12(classe - E::getClasseRaiz(codigo));
  if (gramatica == Gramatica::Portugues) return nomeIntervalo(semitons);
  if (semitons == 0) return kIntervalosIngleses[0];
  // Degrees count above the octave only where the chord names them so.
  if (const Grau* g = grauDaClasse(codigo, semitons)) {
    const bool semSetima = !E::temGrau(codigo, 9) && !E::temGrau(codigo, 10);
    return g->grau == 19 && semSetima ? "6" : g->rotulo;  // C6's A is its sixth
  }
  return kIntervalosIngleses[static_cast<size_t>(semitons)];
}

std::vector<std::string> GrafiaNotas::notasDaEscala(int tonica, const std::vector<int>& semitons) {
  // The octave and any repeat are the same note again.
  std::vector<int> classes;
  for (const int s : semitons) {
    if (std::find(classes.begin(), classes.end(), modulo12(s)) == classes.end()) {
      classes.push_back(modulo12(s));
    }
  }
  const std::vector<std::string> nomesClasses = notasDistintas(tonica, classes);
  std::vector<std::string> nomes;
  for (const int s : semitons) {
    const auto achada = std::find(classes.begin(), classes.end(), modulo12(s));
    nomes.push_back(nomesClasses[static_cast<size_t>(achada - classes.begin())]);
  }
  return nomes;
}

std::vector<std::string> GrafiaNotas::intervalosDaEscala(int tonica,
                                                         const std::vector<int>& semitons,
                                                         Gramatica gramatica) {
  const std::vector<std::string> nomes = notasDaEscala(tonica, semitons);
  const auto doTonica =
      std::find_if(semitons.begin(), semitons.end(), [](int s) { return modulo12(s) == 0; });
  const int letraTonica =
      doTonica == semitons.end()
          ? letraDoNome(nomeNota(tonica))
          : letraDoNome(nomes[static_cast<size_t>(doTonica - semitons.begin())]);
  std::vector<std::string> rotulos;
  for (size_t i = 0; i < semitons.size(); ++i) {
    const int grau =
        ((letraDoNome(nomes[i]) - letraTonica) % NUMERO_LETRAS + NUMERO_LETRAS) % NUMERO_LETRAS;
    int desvio = modulo12(semitons[i]) - kMaior[static_cast<size_t>(grau)];
    if (desvio > NUMERO_NOTAS / 2) desvio -= NUMERO_NOTAS;
    if (desvio < -NUMERO_NOTAS / 2) desvio += NUMERO_NOTAS;
    rotulos.push_back(rotuloGrau(grau, desvio, semitons[i], gramatica));
  }
  return rotulos;
}

std::vector<std::string> GrafiaNotas::notasDistintas(int tonica, const std::vector<int>& semitons) {
  std::vector<std::string> nomes;
  if (semitons.size() == NUMERO_LETRAS) {
    for (const Nota& n : heptatonica(tonica, semitons, false)) nomes.push_back(escrever(n));
    return nomes;
  }
  const auto tem = [&semitons](int s) {
    return std::find(semitons.begin(), semitons.end(), s) != semitons.end();
  };
  const bool menor = tem(TERCA_MENOR) && !tem(TERCA_MAIOR);
  const std::vector<int>& referencia = menor ? kMenorNatural : kMaior;
  const std::vector<Nota> tom = heptatonica(tonica, referencia, false);
  for (const int s : semitons) {
    const auto achada = std::find(referencia.begin(), referencia.end(), modulo12(s));
    nomes.push_back(achada != referencia.end()
                        ? escrever(tom[static_cast<size_t>(achada - referencia.begin())])
                        : nomeDoLado(tonica + s, temBemol(tom)));
  }
  return nomes;
}

GrafiaNotas::Rotulos GrafiaNotas::rotulosDasNotas(int32_t codigo, const std::vector<int>& notas,
                                                  Gramatica gramatica) {
  Rotulos rotulos;
  for (const int nota : notas) {
    rotulos.notas.push_back(nota < 0 ? "" : notaNoAcorde(codigo, nota));
    rotulos.intervalos.push_back(nota < 0 ? "" : intervaloNoAcorde(codigo, nota, gramatica));
  }
  return rotulos;
}

std::array<int, 12> GrafiaNotas::grafiasDoTom(int tom, bool bemoisNoEmpate) {
  const std::vector<Nota> escala = heptatonica(tom, kMaior, bemoisNoEmpate);
  const bool bemol = temBemol(escala);
  std::array<int, 12> grafias{};
  for (int classe = 0; classe < NUMERO_NOTAS; ++classe) {
    grafias[static_cast<size_t>(classe)] =
        bemol ? kGrafiaBemol[static_cast<size_t>(classe)] : E::grafiaDaClasse(classe);
  }
  for (const Nota& n : escala) {
    // E#, B#, Cb and Fb have no written name: those keep the key's side.
    const std::string nome = escrever(n);
    for (int g = 0; g < E::NUMERO_GRAFIAS; ++g) {
      if (E::nomeGrafia(g) == nome) grafias[static_cast<size_t>(E::classeGrafia(g))] = g;
    }
  }
  return grafias;
}

int GrafiaNotas::tomDosAcordes(const std::vector<int32_t>& codigos) {
  // Semitones above the key's tonic of its chords and their quality: 0 major, 1 minor,
  // 2 diminished.
  static constexpr std::array<int, NUMERO_NOTAS> kQualidade = {0,  -1, 1,  -1, 1,  0,
                                                               -1, 0,  -1, 1,  -1, 2};
  const auto qualidade = [](int32_t c) {
    if (!E::temGrau(c, 2)) return 0;
    return E::temGrau(c, 5) && !E::temGrau(c, 6) ? 2 : 1;
  };
  const auto tomDe = [&](int32_t c) {
    return modulo12(E::getClasseRaiz(c) + (qualidade(c) == 1 ? TERCA_MENOR : 0));
  };
  int melhor = codigos.empty() ? 0 : tomDe(codigos.front());
  int melhorPontos = -1;
  for (int k = 0; k < NUMERO_NOTAS; ++k) {
    int pontos = 0;
    for (const int32_t c : codigos) {
      const int esperada = kQualidade[static_cast<size_t>(modulo12(E::getClasseRaiz(c) - k))];
      if (esperada >= 0) pontos += esperada == qualidade(c) ? 2 : 1;
    }
    const bool primeiro = !codigos.empty() && k == tomDe(codigos.front());
    if (pontos > melhorPontos || (pontos == melhorPontos && primeiro)) {
      melhor = k;
      melhorPontos = pontos;
    }
  }
  return melhor;
}

}  // namespace tessara
