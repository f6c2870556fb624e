#include "chords/LeitorCancao.h"

#include <algorithm>

#include "chords/EscritorChordPro.h"
#include "chords/FolhaCifra.h"
#include "foundations/Texto.h"

namespace tessara {

namespace {

bool ehBrancoLinha(char c) { return c == ' ' || c == '\t'; }

std::string_view aparada(std::string_view linha) {
  while (!linha.empty() && texto::ehBranco(linha.front())) linha.remove_prefix(1);
  while (!linha.empty() && texto::ehBranco(linha.back())) linha.remove_suffix(1);
  return linha;
}

bool ehLinhaDiretiva(std::string_view a) {
  return a.size() >= 2 && a.front() == '{' && a.back() == '}';
}

bool ehComentario(std::string_view a) { return !a.empty() && a.front() == '#'; }

// What stands in square brackets in the lyrics: a chord, an annotation ("*"), or nothing
// (the brackets and their text are then lyrics, as in "[Refrão]").
std::optional<MarcaLetra> marcaEntreColchetes(std::string_view conteudo,
                                              const IdiomaAcordes& idioma) {
  if (!conteudo.empty() && conteudo.front() == '*') {
    return MarcaLetra{0, std::string(conteudo.substr(1)), true};
  }
  if (FolhaCifra::acordeDaPalavra(conteudo, idioma).empty()) return std::nullopt;
  return MarcaLetra{0, std::string(conteudo), false};
}

// Lyrics with the chords and annotations in square brackets taken out as marks; every
// bracket has its pair.
LinhaCancao marcasEntreColchetes(std::string_view linha, const IdiomaAcordes& idioma) {
  LinhaCancao resultado;
  size_t p = 0;
  while (p < linha.size()) {
    const size_t abre = linha.find('[', p);
    if (abre == std::string_view::npos) break;
    const size_t fecha = linha.find(']', abre);
    resultado.texto.append(linha.substr(p, abre - p));
    const auto conteudo = linha.substr(abre + 1, fecha - abre - 1);
    if (auto marca = marcaEntreColchetes(conteudo, idioma)) {
      marca->posicao = resultado.texto.size();
      resultado.marcas.push_back(std::move(*marca));
    } else {
      resultado.texto.append(linha.substr(abre, fecha + 1 - abre));
    }
    p = fecha + 1;
  }
  if (p < linha.size()) resultado.texto.append(linha.substr(p));
  return resultado;
}

// Whether a mark stands inside square brackets of the lyrics ("[Intro: G D]"): written as
// ChordPro, its brackets would nest.
bool marcaEntreColchetesDeTexto(const LinhaCancao& linha) {
  bool dentro = false;
  size_t p = 0;
  for (const auto& marca : linha.marcas) {
    for (; p < marca.posicao && p < linha.texto.size(); ++p) {
      if (linha.texto[p] == '[') dentro = true;
      if (linha.texto[p] == ']') dentro = false;
    }
    if (dentro) return true;
  }
  return false;
}

LinhaCancao literal(std::string_view linha) {
  return {LinhaCancao::Tipo::Literal, std::string(linha), {}, {}, false};
}

// A parenthesised chord that ends a lyric line ("la la (Am)") is a chord over the line's end.
void marcarAcordeFinal(LinhaCancao& linha, const IdiomaAcordes& idioma) {
  std::string& t = linha.texto;
  const size_t ultimo = t.find_last_not_of(" \t");
  if (ultimo == std::string::npos || t[ultimo] != ')') return;
  const size_t espaco = t.find_last_of(" \t", ultimo);
  if (espaco == std::string::npos) return;  // the line's only word
  const size_t inicio = espaco + 1;
  const std::string_view palavra = std::string_view(t).substr(inicio, ultimo + 1 - inicio);
  if (palavra.front() != '(' || FolhaCifra::acordeDaPalavra(palavra, idioma).empty()) return;
  // Set apart from the chord before it by a blank, as it will stand over the lyrics.
  size_t posicao = inicio;
  if (!linha.marcas.empty()) {
    const auto& antes = linha.marcas.back();
    if (antes.posicao >= inicio) return;
    posicao = std::max(inicio, antes.posicao + antes.texto.size() + 1);
  }
  linha.marcas.push_back({posicao, std::string(palavra), false});
  t.erase(inicio);
  t.resize(posicao, ' ');
}

// A lyric line carrying chords keeps no tabs, so that its columns are the same in both forms.
void tirarTabs(LinhaCancao& linha) {
  if (linha.marcas.empty() || linha.texto.find('\t') == std::string::npos) return;
  std::vector<size_t> posicoes;
  for (const auto& m : linha.marcas) posicoes.push_back(m.posicao);
  linha.texto = Cancao::semTabs(linha.texto, &posicoes);
  for (size_t i = 0; i < posicoes.size(); ++i) linha.marcas[i].posicao = posicoes[i];
}

// Leaves out every "[" and "]" that pairs with nothing (brackets do not nest); true when there
// was one.
bool tirarColchetesSoltos(std::string& linha) {
  std::vector<size_t> soltos;
  size_t aberto = std::string::npos;
  for (size_t i = 0; i < linha.size(); ++i) {
    if (linha[i] == '[') {
      if (aberto != std::string::npos) soltos.push_back(aberto);
      aberto = i;
    } else if (linha[i] == ']') {
      if (aberto == std::string::npos) soltos.push_back(i);
      aberto = std::string::npos;
    }
  }
  if (aberto != std::string::npos) soltos.push_back(aberto);
  std::sort(soltos.begin(), soltos.end());
  for (auto i = soltos.rbegin(); i != soltos.rend(); ++i) linha.erase(*i, 1);
  return !soltos.empty();
}

}  // namespace

bool LeitorCancao::ehChordPro(std::string_view texto, const IdiomaAcordes& idioma) {
  return temDiretiva(texto) || temAcordeEntreColchetes(texto, idioma);
}

bool LeitorCancao::temDiretiva(std::string_view texto) {
  const auto linhas = texto::linhas(texto);
  return std::any_of(linhas.begin(), linhas.end(), [](const std::string& linha) {
    return linha.size() <= MAIOR_LINHA && ehLinhaDiretiva(aparada(linha));
  });
}

bool LeitorCancao::temAcordeEntreColchetes(std::string_view texto, const IdiomaAcordes& idioma) {
  for (const auto& linha : texto::linhas(texto)) {
    if (linha.size() > MAIOR_LINHA) continue;
    for (size_t abre = linha.find('['); abre != std::string::npos;
         abre = linha.find('[', abre + 1)) {
      const size_t fecha = linha.find(']', abre);
      if (fecha == std::string::npos) break;
      const auto conteudo = std::string_view(linha).substr(abre + 1, fecha - abre - 1);
      if (!FolhaCifra::acordeDaPalavra(conteudo, idioma).empty()) return true;
    }
  }
  return false;
}

std::optional<LinhaCancao> LeitorCancao::linhaSoAcordes(std::string_view linha,
                                                        const IdiomaAcordes& idioma) {
  auto lida = soAcordes(linha, idioma);
  // Brackets split words, and a word decides whether the line opens with a label ("(B7 x:E7"
  // is not "( B7 x:E7"): a line whose ChordPro form reads otherwise is left to the lyrics.
  if (!lida || soAcordes(EscritorChordPro::linha(*lida), idioma) != lida) return std::nullopt;
  return lida;
}

std::optional<LinhaCancao> LeitorCancao::soAcordes(std::string_view linha,
                                                   const IdiomaAcordes& idioma) {
  const auto trechos = FolhaCifra::trechosLinhaAcordes(linha, idioma);
  if (trechos.empty()) return std::nullopt;
  // Brackets split words: "Em[D]0" holds no text word, though its lyrics "Em0" are one.
  if (linha.find('[') != std::string_view::npos &&
      !FolhaCifra::ehLinhaAcordes(marcasEntreColchetes(linha, idioma).texto, idioma)) {
    return std::nullopt;
  }
  LinhaCancao resultado;
  size_t copiado = 0;
  for (const auto& t : trechos) {
    size_t inicio = t.inicio;
    size_t fim = t.inicio + t.tamanho;
    // A chord already in brackets takes them along: ChordPro writes them back.
    if (inicio > copiado && linha[inicio - 1] == '[' && fim < linha.size() && linha[fim] == ']') {
      --inicio;
      ++fim;
    }
    resultado.texto.append(linha.substr(copiado, inicio - copiado));
    // Two chords on one byte would run together when written back over the lyrics.
    if (!resultado.marcas.empty() && resultado.marcas.back().posicao == resultado.texto.size()) {
      resultado.texto += ' ';
    }
    resultado.marcas.push_back(
        {resultado.texto.size(), std::string(linha.substr(t.inicio, t.tamanho)), false});
    copiado = fim;
  }
  resultado.texto.append(linha.substr(copiado));
  if (marcaEntreColchetesDeTexto(resultado)) return std::nullopt;
  return resultado;
}

bool LeitorCancao::ehLetraSimples(std::string_view linha, const IdiomaAcordes& idioma) {
  const std::string_view a = aparada(linha);
  return !a.empty() && a.front() != '{' && !ehComentario(a) &&
         linha.find_first_of("[]") == std::string_view::npos && linha.size() <= MAIOR_LINHA &&
         !FolhaCifra::ehLinhaAcordes(linha, idioma);
}

Cancao LeitorCancao::ler(std::string_view texto) {
  avisos_.clear();
  emTablatura_ = false;
  Cancao cancao;
  std::vector<Linha> linhas = separar(texto);
  for (size_t i = 0; i < linhas.size(); ++i) {
    Linha& l = linhas[i];
    if ((emTablatura_ && !ehLinhaDiretiva(aparada(l.texto))) || ehComentario(aparada(l.texto))) {
      cancao.linhas().push_back(literal(l.texto));
      continue;
    }
    if (tirarColchetesSoltos(l.texto)) aviso(l.numero, Problema::ColcheteSemPar);
    const std::string_view a = aparada(l.texto);
    if (ehLinhaDiretiva(a)) {
      lerDiretiva(l.texto, l.numero, cancao);
    } else if (ehComentario(a)) {
      cancao.linhas().push_back(literal(l.texto));
    } else {
      const bool haSeguinte = i + 1 < linhas.size() && linhas[i + 1].numero == l.numero + 1;
      if (lerLetra(l, haSeguinte ? &linhas[i + 1] : nullptr, cancao)) ++i;
    }
  }
  if (emTablatura_) aviso(linhas.back().numero, Problema::BlocoSemFim);
  // Lines too long were found before the others were read; the notes go in line order.
  std::stable_sort(avisos_.begin(), avisos_.end(),
                   [](const Aviso& a, const Aviso& b) { return a.linha < b.linha; });
  return cancao;
}

std::string LeitorCancao::titulo(std::string_view texto) {
  if (auto titulo = ler(texto).valor("title"); titulo && !titulo->empty()) return *titulo;
  for (const Linha& linha : separar(texto)) {
    const std::string_view a = aparada(linha.texto);
    if (a.empty()) continue;
    return ehLetraSimples(linha.texto, idioma_) ? std::string(a) : std::string();
  }
  return {};
}

// Lyrics, chords alone, or chords over the next line's lyrics: true when it took that line.
bool LeitorCancao::lerLetra(const Linha& linha, const Linha* seguinte, Cancao& cancao) {
  if (aparada(linha.texto).starts_with('{')) aviso(linha.numero, Problema::ChaveSemPar);
  auto soAcordes = linhaSoAcordes(linha.texto, idioma_);
  if (!soAcordes) {
    cancao.linhas().push_back(linhaLetra(linha.texto));
    return false;
  }
  if (seguinte != nullptr && linha.texto.find_first_of("[]") == std::string::npos &&
      ehLetraSimples(seguinte->texto, idioma_)) {
    cancao.linhas().push_back(linhaPareada(linha.texto, seguinte->texto, idioma_));
    return true;
  }
  cancao.linhas().push_back(std::move(*soAcordes));
  return false;
}

// Lines end at LF, CR LF or CR. Lines too long are left out; NUL bytes are dropped.
std::vector<LeitorCancao::Linha> LeitorCancao::separar(std::string_view texto) {
  std::vector<Linha> linhas;
  size_t inicio = 0;
  for (size_t numero = 1; inicio < texto.size(); ++numero) {
    size_t fim = texto.find_first_of("\r\n", inicio);
    if (fim == std::string_view::npos) fim = texto.size();
    const std::string_view linha = texto.substr(inicio, fim - inicio);
    inicio = fim + (texto.compare(fim, 2, "\r\n") == 0 ? 2 : 1);
    if (linha.size() > MAIOR_LINHA) {
      aviso(numero, Problema::LinhaLonga);
      continue;
    }
    std::string limpa(linha);
    if (limpa.find('\0') != std::string::npos) {
      limpa.erase(std::remove(limpa.begin(), limpa.end(), '\0'), limpa.end());
      aviso(numero, Problema::CaracterNulo);
    }
    linhas.push_back({std::move(limpa), numero});
  }
  return linhas;
}

// "{name}", "{name: value}" or "{name value}".
void LeitorCancao::lerDiretiva(std::string_view linha, size_t numero, Cancao& cancao) {
  const std::string_view a = aparada(linha);
  const std::string_view dentro = a.substr(1, a.size() - 2);
  const size_t fimNome = std::min(dentro.find_first_of(": \t"), dentro.size());
  const std::string_view nome = aparada(dentro.substr(0, fimNome));
  const std::string completo = Cancao::nomeCompleto(nome);
  const bool define = texto::iguaisSemCaixa(nome, "define");
  if (completo.empty() && !define) {
    aviso(numero, Problema::DiretivaDesconhecida);
    cancao.linhas().push_back(literal(linha));
    return;
  }
  std::string_view valor = dentro.substr(fimNome);
  const bool temValor = !valor.empty();
  if (temValor && valor.front() == ':') valor.remove_prefix(1);
  LinhaCancao diretiva{
      LinhaCancao::Tipo::Diretiva, std::string(aparada(valor)), {}, std::string(nome), temValor};
  if (define && !Cancao::lerDefinicao(diretiva.texto)) aviso(numero, Problema::DefinicaoInvalida);
  if (completo == "start_of_tab") emTablatura_ = true;
  if (completo == "end_of_tab") emTablatura_ = false;
  cancao.linhas().push_back(std::move(diretiva));
}

LinhaCancao LeitorCancao::linhaLetra(std::string_view linha) const {
  LinhaCancao resultado = marcasEntreColchetes(linha, idioma_);
  marcarAcordeFinal(resultado, idioma_);
  tirarTabs(resultado);
  return resultado;
}

// Each word of the chord line over the character of its column in the lyrics.
LinhaCancao LeitorCancao::linhaPareada(std::string_view acordes, std::string_view letra,
                                       const IdiomaAcordes& idioma) {
  const std::string linhaAcordes = Cancao::semTabs(acordes);
  LinhaCancao resultado;
  resultado.texto = Cancao::semTabs(letra);
  resultado.texto.erase(resultado.texto.find_last_not_of(' ') + 1);
  size_t p = 0;
  while (p < linhaAcordes.size()) {
    if (ehBrancoLinha(linhaAcordes[p])) {
      ++p;
      continue;
    }
    const size_t fim = std::min(linhaAcordes.find(' ', p), linhaAcordes.size());
    const std::string palavra = linhaAcordes.substr(p, fim - p);
    if (resultado.texto.size() < p) resultado.texto.append(p - resultado.texto.size(), ' ');
    const bool acorde = !FolhaCifra::acordeDaPalavra(palavra, idioma).empty();
    resultado.marcas.push_back({p, palavra, !acorde});
    p = fim;
  }
  marcarAcordeFinal(resultado, idioma);
  return resultado;
}

}  // namespace tessara
