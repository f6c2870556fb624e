#include "chords/TabelaTokens.h"

#include <cstdlib>

#include "chords/Especialista.h"

namespace tessara {

// A group of tokens sharing one action: degrees set (+g) or cleared (-g), left to right.
// Degree 0 never appears in an action, so the sign is enough.
struct TabelaTokens::Grupo {
  std::vector<std::string_view> tokens;
  std::vector<int> acoes;
  bool separador = false;
  std::vector<int> implicitos = {};
  bool soNoFim = false;
};

namespace {

bool ehSeparador(char c) {
  return c == '(' || c == ')' || c == '.' || c == ',' || c == '|' || c == '/' || c == '\\';
}

}  // namespace

int32_t TabelaTokens::Token::aplicar(int32_t codigo) const {
  // The implied degrees only where nothing before names the chord's upper part: "6/9",
  // "maj7(9)", "7(11)" and the diminished chord keep what they have.
  if (implicitos != 0 && (codigo & MASCARA_SUPERIOR) == 0) codigo |= implicitos;
  return (codigo & ~desligar) | ligar;
}

const TabelaTokens& TabelaTokens::de(Gramatica gramatica) {
  // Token lists that both grammars share. "º" (0xBA), "°" (0xB0) and "ø" (0xF8) are the
  // single CP1252 bytes the names hold.
  static const std::vector<std::string_view> separadores = {"(", ")", ".", ",", "|", "/", "\\"};
  static const std::vector<std::string_view> quintaDiminuta = {"b5", "5b", "-5", "5-"};
  static const std::vector<std::string_view> quintaAumentada = {"+5",   "5+",   "5#", "#5",
                                                                "aug5", "5aug", "aug"};
  // "7#" and "7+" before a fifth, ninth or eleventh raise that tension over a minor seventh.
  static const std::vector<std::string_view> setimaQuintaAumentada = {"7#5", "7+5"};
  static const std::vector<std::string_view> setimaNonaAumentada = {"7#9", "7+9"};
  static const std::vector<std::string_view> setimaDecimaPrimeiraAumentada = {"7#11", "7+11"};
  static const std::vector<std::string_view> setimaMaior = {"7M", "M7", "7+",   "+7",
                                                            "7#", "#7", "7maj", "maj7"};
  static const std::vector<std::string_view> setima = {"7", "dom7"};
  static const std::vector<std::string_view> nonaMenor = {"b9", "9b", "-9", "9-"};
  static const std::vector<std::string_view> nonaAumentada = {"#9", "9#", "M9", "9M", "9+"};
  static const std::vector<std::string_view> decimaPrimeiraAumentada = {"11#", "#11", "11+", "+11"};
  static const std::vector<std::string_view> decimaTerceiraMenor = {"13b", "b13", "13-", "-13"};
  // A "7" after the sign names the diminished seventh the sign already holds; "7M" after it
  // is still the major seventh. ("\x37" is "7", written so to end the escape before it.)
  static const std::vector<std::string_view> diminutoSetimaMaior = {"o7M", "\xBA\x37M",
                                                                    "\xB0\x37M"};
  static const std::vector<std::string_view> diminuto = {"dim7",     "dim",  "o7",       "o",
                                                         "\xBA\x37", "\xBA", "\xB0\x37", "\xB0"};
  static const std::vector<std::string_view> meioDiminuto = {"half-dim", "\xF8"};

  static const std::vector<std::string_view> setimaMaiorIngles = {"7M",   "M7",   "7#", "#7",
                                                                  "7maj", "maj7", "^7", "^"};
  static const std::vector<std::string_view> setimaAumentada = {"7+", "+7"};
  // A fourth beside the third; "(11)" is the other way to write it.
  static const Grupo quartaAcrescentada = {{"add4"}, {+4}};
  static const Grupo decimaPrimeiraAcrescentada = {{"add11"}, {+15}};
  static const Grupo maiorNona = {{"maj9"}, {+10, +12}};
  static const Grupo maiorDecimaPrimeira = {{"maj11"}, {+10, +12, +15}};
  static const Grupo maiorDecimaTerceira = {{"maj13"}, {+10, +12, +19}};

  // Brazilian charts write the suspended fourth "4" (C4, C7/4, C4/7).
  static const TabelaTokens portugues({
      {{"sus9", "sus2"}, {+12, -3}},
      {{"4", "sus4", "sus"}, {+4, -3}},
      quartaAcrescentada,
      decimaPrimeiraAcrescentada,
      {quintaDiminuta, {-6, +5}},
      {{"omit5"}, {-6}},
      {quintaAumentada, {-6, +7}},
      {{"5"}, {-3}},
      {{"6"}, {+8}},
      {setimaQuintaAumentada, {+9, -6, +7}},
      {setimaNonaAumentada, {+9, +13}},
      {setimaDecimaPrimeiraAumentada, {+9, +16}},
      maiorNona,
      maiorDecimaPrimeira,
      maiorDecimaTerceira,
      {setimaMaior, {+10}},
      {setima, {+9}},
      {nonaMenor, {+11}},
      {nonaAumentada, {+13}},
      {{"9", "add9", "2"}, {+12}},
      {decimaPrimeiraAumentada, {+16}},
      {{"11"}, {+15}},
      {decimaTerceiraMenor, {+18}},
      {{"13"}, {+19}},
      {diminutoSetimaMaior, {+8, -3, +2, -6, +5, +10}},
      {diminuto, {+8, -3, +2, -6, +5}},
      {meioDiminuto, {-3, +2, -6, +5, +9}},
      {{"+"}, {-6, +7}, false, {}, true},
      {separadores, {}, true},
  });
  // English charts: "9", "11" and "13" alone are dominant chords, "7+" the augmented seventh
  // and the triangle (read as "^", which CP1252 holds) the major seventh.
  static const TabelaTokens ingles({
      {{"4"}, {+4, +9}},
      quartaAcrescentada,
      decimaPrimeiraAcrescentada,
      {{"sus9", "sus2"}, {+12, -3}},
      {{"sus4", "sus"}, {+4, -3}},
      {quintaDiminuta, {-6, +5}},
      {{"omit5"}, {-6}},
      {quintaAumentada, {-6, +7}},
      {{"5"}, {-3}},
      {{"6"}, {+19}},
      {setimaQuintaAumentada, {+9, -6, +7}},
      {setimaNonaAumentada, {+9, +13}},
      {setimaDecimaPrimeiraAumentada, {+9, +16}},
      {setimaAumentada, {+9, -6, +7}},
      maiorNona,
      maiorDecimaPrimeira,
      maiorDecimaTerceira,
      {setimaMaiorIngles, {+10}},
      {setima, {+9}},
      {nonaMenor, {+11}},
      {nonaAumentada, {+13}},
      {{"9"}, {+12}, false, {9}},
      {{"add9", "2"}, {+12}},
      {decimaPrimeiraAumentada, {+16}},
      {{"11"}, {+15}, false, {9, 12}},
      {decimaTerceiraMenor, {-6, +18}},
      {{"13"}, {+19}, false, {9, 12}},
      {diminutoSetimaMaior, {+8, -3, +2, -6, +5, +10}},
      {diminuto, {+8, -3, +2, -6, +5}},
      {meioDiminuto, {-3, +2, -6, +5, +9}},
      {{"+"}, {-6, +7}, false, {}, true},
      {separadores, {}, true},
  });
  return gramatica == Gramatica::Portugues ? portugues : ingles;
}

TabelaTokens::TabelaTokens(const std::vector<Grupo>& grupos) {
  for (const auto& grupo : grupos) {
    // The actions folded into two masks; no group names a degree twice, so order is kept.
    int32_t desligar = 0;
    int32_t ligar = 0;
    for (const int acao : grupo.acoes) {
      const int32_t bit = Especialista::setGrau(0, std::abs(acao), true);
      if (acao > 0) {
        ligar |= bit;
        desligar &= ~bit;
      } else {
        desligar |= bit;
        ligar &= ~bit;
      }
    }
    int32_t implicitos = 0;
    for (const int grau : grupo.implicitos) {
      implicitos = Especialista::setGrau(implicitos, grau, true);
    }
    for (const auto texto : grupo.tokens) {
      porInicial_[static_cast<unsigned char>(texto.front())].push_back(
          static_cast<uint16_t>(tokens_.size()));
      tokens_.push_back({texto, desligar, ligar, grupo.separador, implicitos, grupo.soNoFim});
    }
  }
}

const TabelaTokens::Token* TabelaTokens::procurar(std::string_view nome, size_t posicao) const {
  if (posicao >= nome.size()) return nullptr;
  const std::string_view resto = nome.substr(posicao);
  for (const uint16_t i : porInicial_[static_cast<unsigned char>(resto.front())]) {
    const Token& token = tokens_[i];
    if (!resto.starts_with(token.texto)) continue;
    const size_t fim = token.texto.size();
    if (token.soNoFim && fim < resto.size() && !ehSeparador(resto[fim])) continue;
    return &token;
  }
  return nullptr;
}

}  // namespace tessara
