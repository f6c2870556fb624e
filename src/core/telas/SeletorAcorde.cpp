#include "telas/SeletorAcorde.h"

#include <algorithm>

#include "foundations/DException.h"
#include "model/Notas.h"

namespace tessara {

namespace {

// The qualities a guitarist looks for, in chord-book order: English, then Portuguese symbol.
// "dim" reads as the diminished seventh in both grammars, so the triad is written m(b5); the
// Portuguese "4" keeps the third, as its grammar reads it.
struct Qualidade {
  const char* ingles;
  const char* portugues;
};
constexpr Qualidade kQualidades[] = {
    {"", ""},           {"m", "m"},         {"7", "7"},         {"maj7", "7M"},
    {"m7", "m7"},       {"6", "6"},         {"m6", "m6"},       {"sus4", "4"},
    {"sus2", "sus2"},   {"7sus4", "7/4"},   {"9", "7(9)"},      {"add9", "(9)"},
    {"m9", "m7(9)"},    {"madd9", "m(9)"},  {"maj9", "7M(9)"},  {"m(b5)", "m(b5)"},
    {"dim7", "\xb0"},   {"m7b5", "m7(b5)"}, {"aug", "5+"},      {"7(#5)", "7(#5)"},
    {"7(b9)", "7(b9)"}, {"7(#9)", "7(#9)"}, {"7(13)", "7(13)"}, {"m(maj7)", "m7M"},
    {"5", "5"},
};

int classe(int n) { return ((n % NUMERO_NOTAS) + NUMERO_NOTAS) % NUMERO_NOTAS; }

// The pitch class of a written note name (C, C#, Db ... B); -1 for none.
int classeDoNome(const std::string& nome) {
  for (int c = 0; c < NUMERO_NOTAS; ++c) {
    if (nome == nomeNota(c) || nome == nomeNotaBemol(c)) return c;
  }
  return -1;
}

}  // namespace

SeletorAcorde::SeletorAcorde(Gramatica gramatica, Analisador analisar)
    : gramatica_(gramatica), analisar_(std::move(analisar)) {
  for (const Qualidade& q : kQualidades) {
    simbolos_.emplace_back(gramatica == Gramatica::Portugues ? q.portugues : q.ingles);
    graus_.push_back(analisar_("C" + simbolos_.back()).graus);
  }
}

const std::array<const char*, SeletorAcorde::NUMERO_RAIZES>& SeletorAcorde::getRaizes() {
  static constexpr std::array<const char*, NUMERO_RAIZES> raizes = {
      "C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
  return raizes;
}

std::string SeletorAcorde::nome(const Escolha& escolha) const {
  const bool qualidadeValida = escolha.qualidade >= 0 && escolha.qualidade < getNumeroQualidades();
  std::string texto = getRaizes()[static_cast<size_t>(classe(escolha.raiz))];
  texto += simbolos_[static_cast<size_t>(qualidadeValida ? escolha.qualidade : MAIOR)];
  if (escolha.baixo >= 0 && escolha.baixo < NUMERO_RAIZES) {
    texto += std::string("/") + getRaizes()[static_cast<size_t>(escolha.baixo)];
  }
  return texto;
}

std::optional<SeletorAcorde::Escolha> SeletorAcorde::ler(std::string_view nome) const {
  AnaliseAcorde analise;
  try {
    analise = analisar_(std::string(nome));
  } catch (const DException&) {
    return std::nullopt;
  }
  const auto achada = std::find(graus_.begin(), graus_.end(), analise.graus);
  if (achada == graus_.end()) return std::nullopt;
  Escolha escolha;
  escolha.raiz = classeDoNome(analise.raiz);
  escolha.qualidade = static_cast<int>(achada - graus_.begin());
  escolha.baixo = analise.baixo.empty() ? SEM_BAIXO : classeDoNome(analise.baixo);
  if (escolha.raiz < 0) return std::nullopt;
  return escolha;
}

}  // namespace tessara
