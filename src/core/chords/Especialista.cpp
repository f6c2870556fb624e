#include "chords/Especialista.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "chords/TabelaTokens.h"
#include "foundations/DataFormatException.h"
#include "foundations/RaizNaoEncontradaException.h"
#include "foundations/Texto.h"
#include "foundations/Textos.h"
#include "model/Notas.h"

namespace tessara {

namespace {

const std::array<std::string, Especialista::NUMERO_GRAFIAS> kGrafias = {
    "C", "C#", "Db", "D", "D#", "Eb", "E", "F", "F#", "Gb", "G", "G#", "Ab", "A", "A#", "Bb", "B"};
constexpr std::array<int, Especialista::NUMERO_GRAFIAS> kClasses = {0, 1, 1, 2, 3, 3,  4,  5, 6,
                                                                    6, 7, 8, 8, 9, 10, 10, 11};
constexpr std::array<int, NUMERO_NOTAS> kGrafiaSustenido = {0, 1,  3,  4,  6,  7,
                                                            8, 10, 11, 13, 14, 16};

// One step up (sharps) and one step down (flats) from each written name.
constexpr std::array<int, Especialista::NUMERO_GRAFIAS> kAcima = {1,  3,  3,  4,  6,  6,  7,  8, 10,
                                                                  10, 11, 13, 13, 14, 16, 16, 0};
constexpr std::array<int, Especialista::NUMERO_GRAFIAS> kAbaixo = {16, 0, 0,  2,  3,  3,  5,  6, 7,
                                                                   7,  9, 10, 10, 12, 13, 13, 15};

// Where each degree is stored: a second, tenth, twelfth or fourteenth folds onto the ninth,
// third, fifth or seventh; the others are themselves.
constexpr std::array<int, Especialista::NUMERO_GRAUS> kGrauGuardado = {
    11, 12, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 3, 15, 16, 6, 18, 19, 9, 10};

int32_t bitGrau(int grau) { return static_cast<int32_t>(1u << (26 - grau)); }

bool acidente(char c) { return c == '#' || c == 'b'; }

// The written name equal to the text ignoring case, or -1; no exception, because the parser
// tries this after every separator.
int procurarRaiz(std::string_view texto) {
  if (texto.empty() || texto.size() > 2) return -1;
  for (int i = 0; i < Especialista::NUMERO_GRAFIAS; ++i) {
    if (texto::iguaisSemCaixa(texto, kGrafias[static_cast<size_t>(i)])) return i;
  }
  return -1;
}

// The length of the minor mark that starts the text after the root, 0 when there is none.
// English charts also write "mi" and "-" ("C-7"); "-5" stays the flat fifth.
size_t marcaDeMenor(std::string_view resto, Gramatica gramatica) {
  if (resto.starts_with("maj")) return 0;  // the letters belong to "maj7" and its kin
  if (resto.starts_with("min")) return 3;
  if (gramatica == Gramatica::Ingles) {
    if (resto.starts_with("mi")) return 2;
    if (resto.starts_with("-") && !resto.starts_with("-5")) return 1;
  }
  return resto.starts_with("m") ? 1 : 0;
}

struct Analise {
  enum class Falha { Nenhuma, Raiz, Token };
  Falha falha = Falha::Nenhuma;
  int32_t codigo = 0;
  size_t inicioBaixo = std::string_view::npos;  // where the bass's name starts, if there is one
  size_t fimRaiz = 0;
};

// Root, minor test, then tokens until the end; a separator followed by nothing but a note
// name ends the name with that bass. A refusal is returned, not raised: a chord sheet asks
// this of every word of its lyrics.
Analise analisarSemExcecao(std::string_view nome, const IdiomaAcordes& idioma) {
  Analise analise;
  size_t p = nome.size() > 1 && acidente(nome[1]) ? 2 : 1;
  analise.fimRaiz = std::min(p, nome.size());
  const int raiz = procurarRaiz(nome.substr(0, analise.fimRaiz));
  if (raiz < 0) {
    analise.falha = Analise::Falha::Raiz;
    return analise;
  }
  int32_t codigo = Especialista::setRaiz(0, raiz) | bitGrau(6) | bitGrau(3);

  const size_t menor = marcaDeMenor(nome.substr(analise.fimRaiz), idioma.gramatica);
  if (menor > 0) codigo = (codigo & ~bitGrau(3)) | bitGrau(2);
  p += menor;

  const TabelaTokens& tabela = TabelaTokens::de(idioma.gramatica);
  while (p < nome.size()) {
    const TabelaTokens::Token* token = tabela.procurar(nome, p);
    if (token == nullptr) {
      analise.falha = Analise::Falha::Token;
      return analise;
    }
    p += token->texto.size();
    codigo = token->aplicar(codigo);
    if (token->separador) {
      const int baixo = procurarRaiz(nome.substr(p));
      if (baixo >= 0) {
        analise.inicioBaixo = p;
        codigo = Especialista::setBaixo(codigo, baixo);
        break;
      }
    }
  }
  analise.codigo = codigo;
  return analise;
}

Analise analisar(std::string_view nome, const IdiomaAcordes& idioma) {
  Analise analise = analisarSemExcecao(nome, idioma);
  switch (analise.falha) {
    case Analise::Falha::Raiz:
      Especialista::lerRaiz(nome.substr(0, analise.fimRaiz), idioma);  // raises with the text
      break;
    case Analise::Falha::Token: throw DataFormatException(std::string(nome));
    case Analise::Falha::Nenhuma: break;
  }
  return analise;
}

int32_t trocarGrau(int32_t codigo, int de, int para) {
  return (codigo & ~bitGrau(de)) | bitGrau(para);
}

// Close voicings sound degree pairs that no chord name can hold (both thirds, a fifth beside
// an altered one); read them as players name them, so the name shown reads back the same.
int32_t comoOsMusicosNomeiam(int32_t codigo, Gramatica gramatica) {
  auto tem = [&codigo](int grau) { return Especialista::temGrau(codigo, grau); };
  if (tem(2) && tem(3)) codigo = trocarGrau(codigo, 2, 13);  // the minor third is the #9
  if (tem(5) && tem(6)) codigo = trocarGrau(codigo, 5, 16);  // the b5 is the #11
  if (tem(7) && tem(6)) codigo = trocarGrau(codigo, 7, 18);  // the #5 is the b13
  if (gramatica == Gramatica::Ingles) {
    // English names have no sixth of their own outside the diminished chord: "6" is the 13,
    // and a flat thirteenth leaves out the fifth.
    if (tem(8) && !(tem(2) && tem(5))) codigo = trocarGrau(codigo, 8, 19);
    if (tem(18)) codigo &= ~bitGrau(6);
  }
  return codigo;
}

// The name is built by appending parts; the parenthesised list separates its items with "/".
class Nomeador {
 public:
  Nomeador(int32_t codigo, Gramatica gramatica)
      : codigo_(codigo), ingles_(gramatica == Gramatica::Ingles) {}

  std::string nome() {
    nome_ = Especialista::nomeGrafia(Especialista::getRaiz(codigo_));
    const bool terca = tem(2) || tem(3);
    diminuto_ = tem(2) && tem(5) && tem(8);
    if (tem(2)) nome_ += diminuto_ ? (ingles_ ? "dim7" : "\xBA") : "m";  // "º"
    superior_ = diminuto_;
    // English charts put the sixth before "sus" and "add" ("G6sus4", "C6(9)").
    if (sextaInglesa() && (terca || tem(4) || tem(12))) {
      nome_ += "6";
      sextaEscrita_ = superior_ = true;
    }
    const Antes antes = ingles_ ? antesDaSetimaIngles(terca) : antesDaSetimaPortugues(terca);
    // Without any third the name says so with "5" after the root; a "7" straight after it
    // would read as "57", so the sevenths move into the list.
    if (antes.semTerca) {
      nome_ += "5";
    } else if (!diminuto_) {
      setimas(antes.algoAntes);
    }
    listar(antes, terca);
    if (aberto_) nome_ += ")";
    const int baixo = Especialista::getBaixo(codigo_);
    if (baixo >= 0) nome_ += "/" + Especialista::nomeGrafia(baixo);
    return std::move(nome_);
  }

 private:
  struct Antes {
    bool algoAntes = false;    // something stands before the seventh: it is written "/7"
    bool nonaNomeada = false;  // "sus2" or "add9" already named the ninth
    bool semTerca = false;     // the "5" mark is needed
  };

  bool tem(int grau) const { return Especialista::temGrau(codigo_, grau); }
  // A sixth, seventh or thirteenth: the English "9", "11" and "13" imply no seventh after it.
  bool parteSuperior() const { return (codigo_ & TabelaTokens::Token::MASCARA_SUPERIOR) != 0; }
  // The English "6" is the thirteenth without a seventh; it implies nothing.
  bool sextaInglesa() const { return ingles_ && tem(19) && !tem(8) && !tem(9) && !tem(10); }
  const char* setimaMaior() const { return ingles_ ? "maj7" : "7M"; }

  // Brazilian charts: "4" is the suspended fourth; beside a third it is "add4", in the list.
  Antes antesDaSetimaPortugues(bool terca) {
    Antes antes;
    if (tem(4) && !terca) {
      nome_ += "4";
      antes.algoAntes = true;
    }
    antes.semTerca = !terca && !tem(4);
    return antes;
  }

  // "sus" only for a chord without a third; "4" also reads as the minor seventh.
  Antes antesDaSetimaIngles(bool terca) {
    Antes antes;
    if (tem(4)) {
      nome_ += !terca ? "sus4" : tem(9) ? "4" : "add4";
      superior_ = superior_ || (terca && tem(9));
      antes.algoAntes = true;
    } else if (tem(12) && (!terca || !parteSuperior())) {
      nome_ += !terca ? "sus2" : "add9";
      antes.algoAntes = true;
      antes.nonaNomeada = true;
    }
    antes.semTerca = !terca && !tem(4) && !tem(12);
    return antes;
  }

  void setimas(bool algoAntes) {
    if (!tem(9) && !tem(10)) return;
    if (algoAntes) nome_ += '/';
    if (tem(9)) {
      nome_ += '7';
      if (tem(10)) nome_.append("/").append(setimaMaior());
    } else {
      nome_ += setimaMaior();
    }
    superior_ = superior_ || tem(9) || tem(10);
    // English charts write the half-diminished chord "m7b5".
    if (ingles_ && tem(5) && nome_.ends_with("m7")) {
      nome_ += "b5";
      quintaEscrita_ = true;
    }
  }

  void item(const char* texto) {
    nome_ += aberto_ ? "/" : "(";
    aberto_ = true;
    nome_ += texto;
  }

  void setimasNaLista() {
    if (tem(9)) item("7");
    if (tem(10)) item(setimaMaior());
    if (!diminuto_ && sextaInglesa()) {
      item("6");
      sextaEscrita_ = true;
    }
    superior_ = superior_ || tem(9) || tem(10) || sextaEscrita_;
  }

  void listar(const Antes& antes, bool terca) {
    // A "7" right after "º" would read as the diminished seventh itself.
    if (diminuto_ || antes.semTerca) setimasNaLista();
    if (!ingles_ && terca && tem(4)) item("add4");
    if (tem(5) && !quintaEscrita_ && !(ingles_ && diminuto_)) item("b5");
    if (tem(7)) item("#5");
    // The English "6" reads as the thirteenth; there "dim7" alone says the diminished seventh.
    if (tem(8) && !ingles_) item("6");
    if (tem(12)) {
      if (!ingles_ || superior_) {
        item("9");
      } else if (!antes.nonaNomeada) {
        item("add9");  // the English "9" would add the seventh
      }
    }
    if (tem(13)) item("#9");
    if (tem(11)) item("b9");
    if (tem(15)) item(!ingles_ || superior_ ? "11" : "add11");
    if (tem(16)) item("#11");
    if (tem(19) && !sextaEscrita_) item(!ingles_ || superior_ ? "13" : "6");
    const bool decimaTerceiraMenorSemQuinta = ingles_ && tem(18);  // English "b13" drops the fifth
    if (tem(18) && (!ingles_ || !tem(6))) item("b13");
    if (!tem(5) && !tem(6) && !tem(7) && !decimaTerceiraMenorSemQuinta) item("omit5");
  }

  int32_t codigo_;
  bool ingles_;
  bool aberto_ = false;
  bool diminuto_ = false;
  bool superior_ = false;       // a degree that stops the English implied seventh is written
  bool sextaEscrita_ = false;   // the English thirteenth already written as "6"
  bool quintaEscrita_ = false;  // the flat fifth already written in "m7b5"
  std::string nome_;
};

}  // namespace

IdiomaAcordes Especialista::idiomaAtual() const { return IdiomaAcordes::de(idiomas_); }

const std::string& Especialista::nomeGrafia(int indice) {
  static const std::string vazio;
  if (indice < 0 || indice >= NUMERO_GRAFIAS) return vazio;
  return kGrafias[static_cast<size_t>(indice)];
}

int Especialista::classeGrafia(int indice) {
  if (indice < 0 || indice >= NUMERO_GRAFIAS) return -1;
  return kClasses[static_cast<size_t>(indice)];
}

int Especialista::grafiaDaClasse(int classe) {
  return kGrafiaSustenido[static_cast<size_t>(((classe % NUMERO_NOTAS) + NUMERO_NOTAS) %
                                              NUMERO_NOTAS)];
}

bool Especialista::temGrau(int32_t codigo, int grau) {
  if (grau < 0 || grau >= NUMERO_GRAUS) return false;
  return (codigo & bitGrau(grau)) != 0;
}

int32_t Especialista::setRaiz(int32_t codigo, int raiz) {
  return static_cast<int32_t>(static_cast<uint32_t>(codigo) |
                              (static_cast<uint32_t>(raiz & 31) << 27));
}

int32_t Especialista::setBaixo(int32_t codigo, int baixo) { return codigo | ((baixo + 1) & 31); }

int32_t Especialista::setGrau(int32_t codigo, int grau, bool ligado) {
  if (grau < 0 || grau >= NUMERO_GRAUS) return codigo;
  const int32_t bit = bitGrau(kGrauGuardado[static_cast<size_t>(grau)]);
  return ligado ? (codigo | bit) : (codigo & ~bit);
}

int Especialista::lerRaiz(std::string_view texto, const IdiomaAcordes& idioma) {
  const int raiz = procurarRaiz(texto);
  if (raiz < 0) throw RaizNaoEncontradaException(idioma.textoRaizInvalida + std::string(texto));
  return raiz;
}

int32_t Especialista::interpretar(std::string_view nome, const IdiomaAcordes& idioma) {
  return analisar(nome, idioma).codigo;
}

bool Especialista::ehNomeDeAcorde(std::string_view nome, const IdiomaAcordes& idioma) {
  return analisarSemExcecao(nome, idioma).falha == Analise::Falha::Nenhuma;
}

std::string Especialista::nomear(int32_t codigo, Gramatica gramatica) {
  return Nomeador(codigo, gramatica).nome();
}

int32_t Especialista::codigoDasNotas(std::span<const int> notas, int raiz,
                                     const IdiomaAcordes& idioma) {
  if (raiz < 0) throw RaizNaoEncontradaException(idioma.textoRaizInvalida);
  // 64 bits: the differences below cannot overflow whatever the notes are.
  const int64_t r0 = raiz;
  int64_t r = r0;
  int64_t grave = -1;
  int32_t codigo = 0;
  for (const int nota : notas) {
    if (nota < 0) continue;  // a silent string
    const int64_t n = nota;
    if (grave < 0) {
      grave = n;
      // The root taken down by octaves to the lowest note or below it.
      if (r > grave) r -= ((r - grave + 11) / 12) * 12;
    }
    const int64_t d = std::llabs((n > r0 ? r0 : r) - n);
    int64_t k = d > 24 ? (d % 12) + 12 : d % 24;
    if (k == 0 || k == 12) continue;  // unison or octave
    if (k > 12) --k;
    --k;
    // Fifteen semitones are an augmented ninth only above a major third; eighteen an
    // augmented eleventh only above some fifth.
    if (k == 13 && !temGrau(codigo, 3)) k = 2;
    if (k == 16 && !temGrau(codigo, 6) && !temGrau(codigo, 5) && !temGrau(codigo, 7)) k = 5;
    codigo = setGrau(codigo, static_cast<int>(k), true);
  }
  // Players leave the perfect fifth out freely; a chord without an altered one is named as if
  // it were there. A lone root stays as it is.
  if (codigo != 0 && !temGrau(codigo, 5) && !temGrau(codigo, 6) && !temGrau(codigo, 7)) {
    codigo = setGrau(codigo, 6, true);
  }
  codigo = comoOsMusicosNomeiam(codigo, idioma.gramatica);
  const int raizEscrita = grafiaDaClasse(static_cast<int>(r % NUMERO_NOTAS));
  codigo = setRaiz(codigo, raizEscrita);
  if (grave >= 0) {
    const int baixo = grafiaDaClasse(static_cast<int>(grave % NUMERO_NOTAS));
    if (baixo != raizEscrita) codigo = setBaixo(codigo, baixo);
  }
  return codigo;
}

std::string Especialista::nomePoucasNotas(std::span<const int> notas, int raiz,
                                          Gramatica gramatica) {
  // Interval names by semitones above the root.
  static const std::array<const char*, NUMERO_NOTAS> ingles = {"",   "m2", "M2", "m3", "M3", "P4",
                                                               "TT", "P5", "m6", "M6", "m7", "M7"};
  static const std::array<const char*, NUMERO_NOTAS> portugues = {
      "", "2m", "2M", "3m", "3M", "4J", "4aum", "5J", "6m", "6M", "7m", "7M"};
  constexpr int QUINTA = 7;
  if (raiz < 0) return "";
  const int classeRaiz = raiz % NUMERO_NOTAS;
  int outra = -1;
  for (const int nota : notas) {
    if (nota < 0 || nota % NUMERO_NOTAS == classeRaiz) continue;
    if (outra >= 0 && nota % NUMERO_NOTAS != outra) return "";  // three pitch classes
    outra = nota % NUMERO_NOTAS;
  }
  const std::string nomeRaiz = nomeGrafia(grafiaDaClasse(classeRaiz));
  if (outra < 0) return nomeRaiz;
  const int intervalo = (outra - classeRaiz + NUMERO_NOTAS) % NUMERO_NOTAS;
  if (intervalo == QUINTA) return "";
  const auto& nomes = gramatica == Gramatica::Portugues ? portugues : ingles;
  return nomeRaiz + "-" + nomeGrafia(grafiaDaClasse(outra)) + " (" +
         nomes[static_cast<size_t>(intervalo)] + ")";
}

int Especialista::custoLeitura(int32_t codigo) {
  const auto tem = [codigo](int grau) { return temGrau(codigo, grau); };
  int extras = 0;
  for (int grau = 0; grau < NUMERO_GRAUS; ++grau) extras += tem(grau);
  const bool menor = tem(2) && !tem(3);
  const bool maior = tem(3) && !tem(2);
  if (tem(2) || tem(3)) --extras;
  const bool quintaSimples = (tem(6) && !tem(5) && !tem(7)) ||
                             (menor && tem(5) && !tem(6) && !tem(7)) ||
                             (maior && tem(7) && !tem(5) && !tem(6));
  if (quintaSimples) --extras;
  if (tem(9) || tem(10)) {
    --extras;
  } else if (menor && tem(5) && tem(8)) {
    --extras;  // the diminished seventh
  }
  int custo = 2 * extras;
  if (!tem(2) && !tem(3)) custo += 4;
  if (getBaixo(codigo) >= 0) custo += 1;
  return custo;
}

std::vector<int32_t> Especialista::leituras(std::span<const int> notas,
                                            const IdiomaAcordes& idioma) {
  std::vector<int32_t> codigos;
  std::vector<int> classesVistas;
  for (const int nota : notas) {
    if (nota < 0) continue;
    const int classe = nota % NUMERO_NOTAS;
    if (std::find(classesVistas.begin(), classesVistas.end(), classe) != classesVistas.end()) {
      continue;
    }
    classesVistas.push_back(classe);
    // The lowest note of that class is the root.
    int raiz = nota;
    for (const int outra : notas) {
      if (outra >= 0 && outra % NUMERO_NOTAS == classe) raiz = std::min(raiz, outra);
    }
    codigos.push_back(codigoDasNotas(notas, raiz, idioma));
  }
  std::stable_sort(codigos.begin(), codigos.end(),
                   [](int32_t a, int32_t b) { return custoLeitura(a) < custoLeitura(b); });
  return codigos;
}

std::string Especialista::transpor(std::string_view nome, int passos, int direcao,
                                   const IdiomaAcordes& idioma) {
  const Analise analise = analisar(nome, idioma);
  int raiz = getRaiz(analise.codigo);
  int baixo = getBaixo(analise.codigo);
  if (passos > 0 && (direcao == ACIMA || direcao == ABAIXO)) {
    const auto& proximo = direcao == ACIMA ? kAcima : kAbaixo;
    // After the first step every name is in a cycle of twelve.
    const int efetivos = 1 + (passos - 1) % NUMERO_NOTAS;
    for (int i = 0; i < efetivos; ++i) {
      raiz = proximo[static_cast<size_t>(raiz)];
      if (baixo >= 0) baixo = proximo[static_cast<size_t>(baixo)];
    }
  }
  return reescrever(nome, analise.fimRaiz, analise.inicioBaixo, raiz, baixo);
}

std::string Especialista::transporNoTom(std::string_view nome, int semitons,
                                        const std::array<int, NUMERO_NOTAS>& grafias,
                                        const IdiomaAcordes& idioma) {
  const Analise analise = analisar(nome, idioma);
  const auto mover = [&](int grafia) {
    const int classe =
        ((classeGrafia(grafia) + semitons) % NUMERO_NOTAS + NUMERO_NOTAS) % NUMERO_NOTAS;
    return grafias[static_cast<size_t>(classe)];
  };
  const int baixo = getBaixo(analise.codigo);
  return reescrever(nome, analise.fimRaiz, analise.inicioBaixo, mover(getRaiz(analise.codigo)),
                    baixo >= 0 ? mover(baixo) : -1);
}

std::string Especialista::reescrever(std::string_view nome, size_t fimRaiz, size_t inicioBaixo,
                                     int raiz, int baixo) {
  // Everything but the root and the bass stays exactly as written. The bass is rewritten
  // where the parser found it, after whichever separator.
  const size_t fimSufixo = baixo >= 0 ? inicioBaixo : nome.size();
  std::string_view sufixo = nome.substr(fimRaiz, fimSufixo - fimRaiz);
  std::string resultado = nomeGrafia(raiz);
  // A suffix led by "#" or "b" would join a one-letter root into another one ("Dbb5" up one
  // is not "Db5"): it goes in parentheses, with the bass's separator kept after them.
  const bool colaria = resultado.size() == 1 && !sufixo.empty() && acidente(sufixo.front());
  if (colaria) {
    const std::string_view separadorBaixo = baixo >= 0 ? sufixo.substr(sufixo.size() - 1) : "";
    sufixo.remove_suffix(separadorBaixo.size());
    resultado.append("(").append(sufixo).append(")").append(separadorBaixo);
  } else {
    resultado.append(sufixo);
  }
  if (baixo >= 0) resultado += nomeGrafia(baixo);
  return resultado;
}

}  // namespace tessara
