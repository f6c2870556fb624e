#include "chords/Cancao.h"

#include <algorithm>
#include <array>
#include <utility>

#include "chords/FolhaCifra.h"
#include "foundations/Texto.h"

namespace tessara {

namespace {

// Short name and long name; a long name alone is listed with itself.
constexpr std::array<std::pair<std::string_view, std::string_view>, 26> NOMES{{
    {"t", "title"},
    {"title", "title"},
    {"st", "subtitle"},
    {"subtitle", "subtitle"},
    {"artist", "artist"},
    {"key", "key"},
    {"capo", "capo"},
    {"tempo", "tempo"},
    {"c", "comment"},
    {"comment", "comment"},
    {"soc", "start_of_chorus"},
    {"start_of_chorus", "start_of_chorus"},
    {"eoc", "end_of_chorus"},
    {"end_of_chorus", "end_of_chorus"},
    {"sov", "start_of_verse"},
    {"start_of_verse", "start_of_verse"},
    {"eov", "end_of_verse"},
    {"end_of_verse", "end_of_verse"},
    {"sob", "start_of_bridge"},
    {"start_of_bridge", "start_of_bridge"},
    {"eob", "end_of_bridge"},
    {"end_of_bridge", "end_of_bridge"},
    {"sot", "start_of_tab"},
    {"start_of_tab", "start_of_tab"},
    {"eot", "end_of_tab"},
    {"end_of_tab", "end_of_tab"},
}};

bool ehDiretivaDe(const LinhaCancao& linha, std::string_view nome) {
  return linha.tipo == LinhaCancao::Tipo::Diretiva &&
         (Cancao::nomeCompleto(linha.nome) == nome ||
          (nome == "define" && texto::iguaisSemCaixa(linha.nome, "define")));
}

// "x", "X", "-" (silent) or a whole number.
std::optional<int> casa(std::string_view palavra) {
  if (palavra == "x" || palavra == "X" || palavra == "-") return -1;
  const auto n = texto::inteiro(palavra);
  if (!n || *n < 0 || *n > 99) return std::nullopt;
  return n;
}

std::vector<std::string_view> palavras(std::string_view texto) {
  std::vector<std::string_view> resultado;
  size_t p = 0;
  while (p < texto.size()) {
    while (p < texto.size() && texto::ehBranco(texto[p])) ++p;
    const size_t inicio = p;
    while (p < texto.size() && !texto::ehBranco(texto[p])) ++p;
    if (p > inicio) resultado.push_back(texto.substr(inicio, p - inicio));
  }
  return resultado;
}

}  // namespace

std::vector<int> DefinicaoAcorde::casasAbsolutas() const {
  std::vector<int> absolutas;
  for (const int c : casas) absolutas.push_back(c > 0 ? c + casaBase - 1 : c);
  return absolutas;
}

std::string Cancao::semTabs(std::string_view texto, std::vector<size_t>* posicoes) {
  std::string resultado;
  resultado.reserve(texto.size());
  size_t proxima = 0;
  for (size_t i = 0; i <= texto.size(); ++i) {
    while (posicoes != nullptr && proxima < posicoes->size() && (*posicoes)[proxima] == i) {
      (*posicoes)[proxima++] = resultado.size();
    }
    if (i == texto.size()) break;
    if (texto[i] == '\t') {
      resultado.append(TAMANHO_TAB - resultado.size() % TAMANHO_TAB, ' ');
    } else {
      resultado += texto[i];
    }
  }
  return resultado;
}

std::vector<std::string> Cancao::acordes(const IdiomaAcordes& idioma) const {
  std::vector<std::string> nomes;
  for (const auto& linha : linhas_) {
    for (const auto& marca : linha.marcas) {
      const auto nome = FolhaCifra::acordeDaPalavra(marca.texto, idioma);
      if (!marca.anotacao && !nome.empty()) nomes.emplace_back(nome);
    }
  }
  return nomes;
}

std::string Cancao::nomeCompleto(std::string_view nome) {
  for (const auto& [curto, longo] : NOMES) {
    if (texto::iguaisSemCaixa(nome, curto)) return std::string(longo);
  }
  return {};
}

std::optional<std::string> Cancao::valor(std::string_view nome) const {
  for (const auto& linha : linhas_) {
    if (ehDiretivaDe(linha, nome)) return linha.texto;
  }
  return std::nullopt;
}

void Cancao::definirValor(const std::string& nome, const std::string& valor) {
  const auto achada = std::find_if(linhas_.begin(), linhas_.end(),
                                   [&](const LinhaCancao& l) { return ehDiretivaDe(l, nome); });
  if (achada != linhas_.end()) {
    if (valor.empty()) {
      linhas_.erase(achada);
    } else {
      achada->texto = valor;
      achada->temValor = true;
    }
    return;
  }
  if (valor.empty()) return;
  // After the song's heading: the title, artist, key... that open it.
  auto depois = std::find_if(linhas_.begin(), linhas_.end(), [](const LinhaCancao& l) {
    static constexpr std::array<std::string_view, 6> CABECALHO{"title", "subtitle", "artist",
                                                               "key",   "capo",     "tempo"};
    const std::string nome = nomeCompleto(l.nome);
    return l.tipo != LinhaCancao::Tipo::Diretiva ||
           std::find(CABECALHO.begin(), CABECALHO.end(), nome) == CABECALHO.end();
  });
  LinhaCancao linha;
  linha.tipo = LinhaCancao::Tipo::Diretiva;
  linha.nome = nome;
  linha.texto = valor;
  linha.temValor = true;
  linhas_.insert(depois, std::move(linha));
}

int Cancao::capo() const {
  const auto v = valor("capo");
  const auto n = v ? texto::inteiro(texto::aparar(*v)) : std::nullopt;
  return n && *n > 0 ? *n : 0;
}

std::vector<DefinicaoAcorde> Cancao::definicoes() const {
  std::vector<DefinicaoAcorde> resultado;
  for (const auto& linha : linhas_) {
    if (!ehDiretivaDe(linha, "define")) continue;
    if (auto d = lerDefinicao(linha.texto)) resultado.push_back(std::move(*d));
  }
  return resultado;
}

// "NAME [base-fret N] frets F F F ... [fingers D D D ...]"
std::optional<DefinicaoAcorde> Cancao::lerDefinicao(std::string_view valor) {
  const auto p = palavras(valor);
  if (p.empty()) return std::nullopt;
  DefinicaoAcorde d;
  d.nome = std::string(p[0]);
  std::vector<int>* lista = nullptr;
  for (size_t i = 1; i < p.size(); ++i) {
    if (texto::iguaisSemCaixa(p[i], "base-fret")) {
      const auto base = i + 1 < p.size() ? texto::inteiro(p[++i]) : std::nullopt;
      if (!base || *base < 1 || *base > 99) return std::nullopt;
      d.casaBase = *base;
      lista = nullptr;
    } else if (texto::iguaisSemCaixa(p[i], "frets")) {
      lista = &d.casas;
    } else if (texto::iguaisSemCaixa(p[i], "fingers")) {
      lista = &d.dedos;
    } else {
      const auto n = casa(p[i]);
      if (lista == nullptr || !n) return std::nullopt;
      lista->push_back(*n);
    }
  }
  if (d.casas.empty() || (!d.dedos.empty() && d.dedos.size() != d.casas.size())) {
    return std::nullopt;
  }
  return d;
}

}  // namespace tessara
