#include "chords/FolhaCifra.h"

#include <algorithm>
#include <cstdint>

#include "chords/Especialista.h"
#include "chords/GrafiaNotas.h"
#include "foundations/Texto.h"
#include "model/Notas.h"

namespace tessara {

namespace {

using Trecho = FolhaCifra::Trecho;

enum class TipoPalavra { Acorde, DeLado, Texto };

bool ehBrancoLinha(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

bool ehDelimitador(char c) { return ehBrancoLinha(c) || c == '[' || c == ']'; }

// ASCII letters and the letters of CP1252 (accented capitals and small letters, Š, Œ, Ž...),
// so that a lyric word such as "É" counts as a word of text.
bool ehLetra(char c) {
  const auto u = static_cast<unsigned char>(c);
  if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) return true;
  if (u >= 0xC0) return u != 0xD7 && u != 0xF7;  // × and ÷
  return u == 0x8A || u == 0x8C || u == 0x8E || u == 0x9A || u == 0x9C || u == 0x9E || u == 0x9F;
}

bool ehDigito(char c) { return c >= '0' && c <= '9'; }

// CP1252 small letters for comparing words: ASCII and the accented capitals.
char minuscula(char c) {
  const auto u = static_cast<unsigned char>(c);
  if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) {
    return static_cast<char>(u + 0x20);
  }
  return c;
}

bool ehUmaDas(std::string_view palavra, std::initializer_list<std::string_view> lista) {
  return std::any_of(lista.begin(), lista.end(), [palavra](std::string_view outra) {
    return std::equal(palavra.begin(), palavra.end(), outra.begin(), outra.end(),
                      [](char a, char b) { return minuscula(a) == minuscula(b); });
  });
}

// "x2", "2x", "bis", "repete": how sheets mark a repeat beside the chords.
bool ehMarcaRepeticao(std::string_view palavra) {
  const auto vezes = [](char c) { return c == 'x' || c == 'X'; };
  if (palavra.size() >= 2 && vezes(palavra.front()) &&
      std::all_of(palavra.begin() + 1, palavra.end(), ehDigito)) {
    return true;
  }
  if (palavra.size() >= 2 && vezes(palavra.back()) &&
      std::all_of(palavra.begin(), palavra.end() - 1, ehDigito)) {
    return true;
  }
  return ehUmaDas(palavra, {"bis", "repete", "repeat", "repetir"});
}

// Lines that name the strings or the capo: their notes are not chords to move.
bool ehRotuloSemAcordes(std::string_view rotulo) {
  return ehUmaDas(rotulo, {"Afina\xE7\xE3o", "Afinacao", "Tuning", "Capo", "Capotraste"});
}

// The word without the parentheses around it: all opening ones in front, and closing ones at
// the end as long as they close nothing inside the word ("C7(9))" keeps its "(9)").
std::string_view semParenteses(std::string_view palavra) {
  while (!palavra.empty() && palavra.front() == '(') palavra.remove_prefix(1);
  const auto abertos = std::count(palavra.begin(), palavra.end(), '(');
  auto fechados = std::count(palavra.begin(), palavra.end(), ')');
  while (!palavra.empty() && palavra.back() == ')' && fechados > abertos) {
    palavra.remove_suffix(1);
    --fechados;
  }
  return palavra;
}

TipoPalavra tipo(std::string_view nucleo, const IdiomaAcordes& idioma) {
  if (nucleo.empty() || !ehLetra(nucleo.front()) || ehMarcaRepeticao(nucleo) ||
      texto::iguaisSemCaixa(nucleo, "N.C.")) {
    return TipoPalavra::DeLado;
  }
  return Especialista::ehNomeDeAcorde(nucleo, idioma) ? TipoPalavra::Acorde : TipoPalavra::Texto;
}

// The words of one line and what they are.
class AnaliseLinha {
 public:
  AnaliseLinha(std::string_view linha, const IdiomaAcordes& idioma)
      : linha_(linha), idioma_(idioma) {
    const size_t inicio = inicioDepoisDoRotulo();
    if (inicio == std::string_view::npos) return;
    percorrer(inicio, inicioComentarioFinal(inicio));
  }

  bool linhaAcordes() const { return !temTexto_; }

  // What is a chord on this line: every chord of a chord line, the bracketed ones of a text line.
  std::vector<Trecho> acordes() const {
    std::vector<Trecho> trechos;
    for (const auto& a : acordes_) {
      if (!temTexto_ || a.entreColchetes) trechos.push_back(a.trecho);
    }
    return trechos;
  }

 private:
  struct AcordeNaLinha {
    Trecho trecho;
    bool entreColchetes;
  };

  size_t pularBrancos(size_t p) const {
    while (p < linha_.size() && ehBrancoLinha(linha_[p])) ++p;
    return p;
  }

  size_t fimPalavra(size_t p) const {
    while (p < linha_.size() && !ehDelimitador(linha_[p])) ++p;
    return p;
  }

  TipoPalavra tipoEm(size_t inicio, size_t fim) const {
    return tipo(semParenteses(linha_.substr(inicio, fim - inicio)), idioma_);
  }

  // Where a parenthesised group that ends the line starts, when none of its words is a chord
  // ("(3 vezes)", "(fim)"): a comment beside the chords. The line's end otherwise. A group
  // joined to the word before it is that word's own ending ("C7(9)"), never a comment.
  size_t inicioComentarioFinal(size_t inicio) const {
    size_t fim = linha_.size();
    while (fim > inicio && ehBrancoLinha(linha_[fim - 1])) --fim;
    if (fim == inicio || linha_[fim - 1] != ')') return linha_.size();
    int profundidade = 0;
    size_t abre = fim;
    while (abre > inicio) {
      --abre;
      if (linha_[abre] == ')') ++profundidade;
      if (linha_[abre] == '(' && --profundidade == 0) break;
    }
    if (profundidade != 0 || linha_[abre] != '(') return linha_.size();
    if (abre > inicio && !ehDelimitador(linha_[abre - 1])) return linha_.size();
    for (size_t p = abre; p < fim;) {
      if (ehDelimitador(linha_[p])) {
        ++p;
        continue;
      }
      const size_t fimP = std::min(fimPalavra(p), fim);
      if (tipoEm(p, fimP) == TipoPalavra::Acorde) return linha_.size();
      p = fimP;
    }
    return abre;
  }

  // Where the words start once a label that opens the line is set aside: a first bracketed
  // group holding a word of text, or everything up to the first ":" when the first word is
  // not a chord. Nothing (npos) after a tuning or capo label.
  size_t inicioDepoisDoRotulo() const {
    const size_t inicio = pularBrancos(0);
    if (inicio < linha_.size() && linha_[inicio] == '[') {
      const size_t fecha = std::min(linha_.find(']', inicio), linha_.size());
      for (size_t p = inicio + 1; p < fecha;) {
        if (ehDelimitador(linha_[p])) {
          ++p;
          continue;
        }
        const size_t fim = std::min(fimPalavra(p), fecha);
        if (tipoEm(p, fim) == TipoPalavra::Texto) return fecha;
        p = fim;
      }
      return inicio;
    }
    const size_t doisPontos = linha_.find(':', inicio);
    if (doisPontos == std::string_view::npos) return inicio;
    if (tipoEm(inicio, fimPalavra(inicio)) == TipoPalavra::Acorde) return inicio;
    if (ehRotuloSemAcordes(texto::aparar(linha_.substr(inicio, doisPontos - inicio)))) {
      return std::string_view::npos;
    }
    return doisPontos + 1;
  }

  void percorrer(size_t p, size_t ate) {
    bool entreColchetes = false;
    while (p < ate) {
      const char c = linha_[p];
      if (ehDelimitador(c)) {
        if (c == '[') entreColchetes = true;
        if (c == ']') entreColchetes = false;
        ++p;
        continue;
      }
      const size_t fim = std::min(fimPalavra(p), ate);
      const std::string_view palavra = linha_.substr(p, fim - p);
      const std::string_view nucleo = semParenteses(palavra);
      const TipoPalavra t = tipo(nucleo, idioma_);
      if (t == TipoPalavra::Texto) temTexto_ = true;
      if (t == TipoPalavra::Acorde) {
        const size_t inicioNucleo = p + static_cast<size_t>(nucleo.data() - palavra.data());
        acordes_.push_back({{inicioNucleo, nucleo.size()}, entreColchetes});
      }
      p = fim;
    }
  }

  std::string_view linha_;
  const IdiomaAcordes& idioma_;
  bool temTexto_ = false;
  std::vector<AcordeNaLinha> acordes_;
};

// Calls `fazer`(line, line end) for each line of the text; the line end is LF, CR LF, CR or,
// on the last line, nothing.
template <typename F>
void paraCadaLinha(std::string_view texto, F fazer) {
  size_t inicio = 0;
  while (inicio < texto.size()) {
    size_t fim = texto.find_first_of("\r\n", inicio);
    if (fim == std::string_view::npos) fim = texto.size();
    size_t depois = fim;
    if (depois < texto.size()) depois += texto.compare(depois, 2, "\r\n") == 0 ? 2 : 1;
    fazer(texto.substr(inicio, fim - inicio), texto.substr(fim, depois - fim));
    inicio = depois;
  }
}

}  // namespace

std::string FolhaCifra::textoColado(std::string_view texto) {
  std::string resultado;
  resultado.reserve(texto.size());
  for (const char c : texto) {
    if (c == '\t') {
      resultado += "  ";
    } else {
      resultado += c;
    }
  }
  return resultado;
}

bool FolhaCifra::ehLinhaAcordes(std::string_view linha, const IdiomaAcordes& idioma) {
  return AnaliseLinha(linha, idioma).linhaAcordes();
}

FolhaCifra::Movimento FolhaCifra::movimento(int semitons) {
  const int64_t tamanho = semitons < 0 ? -static_cast<int64_t>(semitons) : semitons;
  const int passos = tamanho == 0 ? 0 : static_cast<int>(1 + (tamanho - 1) % 12);
  return {passos, semitons < 0 ? Especialista::ABAIXO : Especialista::ACIMA};
}

std::vector<Trecho> FolhaCifra::trechosLinhaAcordes(std::string_view linha,
                                                    const IdiomaAcordes& idioma) {
  const AnaliseLinha analise(linha, idioma);
  return analise.linhaAcordes() ? analise.acordes() : std::vector<Trecho>{};
}

std::string_view FolhaCifra::acordeDaPalavra(std::string_view palavra,
                                             const IdiomaAcordes& idioma) {
  const std::string_view nucleo = semParenteses(palavra);
  return tipo(nucleo, idioma) == TipoPalavra::Acorde ? nucleo : std::string_view();
}

std::vector<std::string> FolhaCifra::acordes(std::string_view texto, const IdiomaAcordes& idioma) {
  std::vector<std::string> nomes;
  paraCadaLinha(texto, [&](std::string_view linha, std::string_view) {
    for (const Trecho& t : AnaliseLinha(linha, idioma).acordes()) {
      nomes.emplace_back(linha.substr(t.inicio, t.tamanho));
    }
  });
  return nomes;
}

namespace {

// One line of a sheet with its end and where its chords are.
struct LinhaCifra {
  std::string_view linha;
  std::string_view fimLinha;
  std::vector<Trecho> acordes;
};

std::vector<LinhaCifra> linhasDaCifra(std::string_view texto, const IdiomaAcordes& idioma) {
  std::vector<LinhaCifra> linhas;
  paraCadaLinha(texto, [&](std::string_view linha, std::string_view fimLinha) {
    linhas.push_back({linha, fimLinha, AnaliseLinha(linha, idioma).acordes()});
  });
  return linhas;
}

// The key a key line ("Tom: G", "Key: Am") names, else the one the chords fit best.
int tomDasLinhas(const std::vector<LinhaCifra>& linhas, const IdiomaAcordes& idioma) {
  std::vector<int32_t> codigos;
  for (const LinhaCifra& l : linhas) {
    const std::string aparada = texto::aparar(l.linha);
    const size_t doisPontos = aparada.find(':');
    const bool linhaDoTom =
        doisPontos != std::string_view::npos &&
        ehUmaDas(texto::aparar(aparada.substr(0, doisPontos)), {"Tom", "Key", "Tonalidade"});
    for (const Trecho& t : l.acordes) {
      const int32_t codigo = Especialista::interpretar(l.linha.substr(t.inicio, t.tamanho), idioma);
      if (linhaDoTom) return GrafiaNotas::tomDosAcordes({codigo});
      codigos.push_back(codigo);
    }
  }
  return GrafiaNotas::tomDosAcordes(codigos);
}

}  // namespace

int FolhaCifra::tomDaCifra(std::string_view texto, const IdiomaAcordes& idioma) {
  return tomDasLinhas(linhasDaCifra(texto, idioma), idioma);
}

std::string FolhaCifra::transporCifra(std::string_view texto, int passos, int direcao,
                                      const IdiomaAcordes& idioma) {
  if (passos <= 0 || (direcao != Especialista::ACIMA && direcao != Especialista::ABAIXO)) {
    return std::string(texto);
  }
  // Every chord is spelled as the key the song lands in spells it (C up five: F, Bb; down
  // one: B, F#), on the key's own side when it could be written either way.
  const int semitons = (direcao == Especialista::ACIMA ? 1 : -1) * (passos % NUMERO_NOTAS);
  const std::vector<LinhaCifra> linhas = linhasDaCifra(texto, idioma);
  const int tom = tomDasLinhas(linhas, idioma);
  const auto grafias =
      GrafiaNotas::grafiasDoTom(((tom + semitons) % NUMERO_NOTAS + NUMERO_NOTAS) % NUMERO_NOTAS,
                                direcao == Especialista::ABAIXO);
  std::string resultado;
  resultado.reserve(texto.size() + texto.size() / 8);
  for (const LinhaCifra& l : linhas) {
    size_t copiado = 0;
    for (const Trecho& t : l.acordes) {
      resultado.append(l.linha.substr(copiado, t.inicio - copiado));
      resultado += Especialista::transporNoTom(l.linha.substr(t.inicio, t.tamanho), semitons,
                                               grafias, idioma);
      copiado = t.inicio + t.tamanho;
    }
    resultado.append(l.linha.substr(copiado));
    resultado.append(l.fimLinha);
  }
  return resultado;
}

}  // namespace tessara
