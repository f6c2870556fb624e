#include "telas/Cancioneiro.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "foundations/Cp1252.h"

namespace tessara {

namespace {

constexpr std::string_view CABECALHO = "# Tessara songbook\n";
constexpr std::string_view TOM = "key:";
constexpr std::string_view CAPO = "capo:";
// A line of the song's sheet: kept as it stands after the mark and one blank.
constexpr char LETRA = '|';

std::string_view aparado(std::string_view texto) {
  const auto inicio = texto.find_first_not_of(" \t\r");
  if (inicio == std::string_view::npos) return {};
  const auto fim = texto.find_last_not_of(" \t\r");
  return texto.substr(inicio, fim - inicio + 1);
}

std::optional<int> numero(std::string_view texto, int menor, int maior) {
  int valor = 0;
  const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  if (erro != std::errc() || fim != texto.data() + texto.size() || texto.empty()) return {};
  if (valor < menor || valor > maior) return {};
  return valor;
}

// Carriage returns closing a sheet line are line-end debris, never text to keep.
std::string_view semRetornos(std::string_view linha) {
  while (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
  return linha;
}

bool comeca(std::string_view linha, std::string_view prefixo) {
  return linha.size() >= prefixo.size() && linha.substr(0, prefixo.size()) == prefixo;
}

}  // namespace

std::string Cancioneiro::escreverCasas(const std::vector<int>& casas) {
  const bool longas = std::any_of(casas.begin(), casas.end(), [](int c) { return c > 9; });
  std::string texto;
  for (size_t i = 0; i < casas.size(); ++i) {
    if (longas && i > 0) texto += '-';
    texto += casas[i] < 0 ? std::string("x") : std::to_string(casas[i]);
  }
  return texto;
}

std::vector<int> Cancioneiro::lerCasas(std::string_view token) {
  std::vector<std::string_view> partes;
  if (token.find('-') != std::string_view::npos) {
    size_t inicio = 0;
    for (size_t fim; (fim = token.find('-', inicio)) != std::string_view::npos; inicio = fim + 1) {
      partes.push_back(token.substr(inicio, fim - inicio));
    }
    partes.push_back(token.substr(inicio));
  } else {
    for (size_t i = 0; i < token.size(); ++i) partes.push_back(token.substr(i, 1));
  }
  if (partes.empty() || partes.size() > static_cast<size_t>(MAXIMO_CORDAS)) return {};
  std::vector<int> casas;
  for (auto parte : partes) {
    if (parte == "x" || parte == "X") {
      casas.push_back(-1);
    } else if (const auto casa = numero(parte, 0, MAIOR_CASA)) {
      casas.push_back(*casa);
    } else {
      return {};
    }
  }
  return casas;
}

std::string Cancioneiro::escrever() const {
  std::string texto(CABECALHO);
  int musica = -1;
  for (const auto& entrada : entradas_) {
    if (entrada.musica != musica) {
      musica = entrada.musica;
      const bool valida = musica >= 0 && static_cast<size_t>(musica) < musicas_.size();
      const CabecalhoCancao cabecalho = valida ? musicas_[musica] : CabecalhoCancao{};
      // A lone "=" ends the song before it: the entries below belong to none.
      texto += cabecalho.titulo.empty() ? "=\n" : "= " + cabecalho.titulo + '\n';
      if (!cabecalho.tom.empty()) texto += std::string(TOM) + ' ' + cabecalho.tom + '\n';
      if (cabecalho.capo != 0)
        texto += std::string(CAPO) + ' ' + std::to_string(cabecalho.capo) + '\n';
      texto += linhasLetra(cabecalho.letra);
    }
    texto += escreverCasas(entrada.casas) + ' ' + entrada.nome + '\n';
  }
  return cp1252::paraUtf8(texto);
}

std::string Cancioneiro::linhasLetra(std::string_view letra) {
  std::string texto;
  while (!letra.empty()) {
    const auto fim = letra.find('\n');
    std::string_view linha = semRetornos(letra.substr(0, fim));
    letra = fim == std::string_view::npos ? std::string_view{} : letra.substr(fim + 1);
    // Cut to what this format reads back.
    linha = semRetornos(linha.substr(0, MAIOR_LINHA - 2));
    texto +=
        linha.empty() ? std::string(1, LETRA) : std::string(1, LETRA) + ' ' + std::string(linha);
    texto += '\n';
  }
  return texto;
}

bool Cancioneiro::lerLinha(std::string_view linha) {
  if (linha.size() > MAIOR_LINHA || linha.find('\0') != std::string_view::npos) return false;
  if (!linha.empty() && linha.front() == LETRA) {
    if (musicas_.empty()) return false;
    linha.remove_prefix(1);
    if (!linha.empty() && linha.front() == ' ') linha.remove_prefix(1);
    musicas_.back().letra.append(semRetornos(linha)).push_back('\n');
    return true;
  }
  linha = aparado(linha);
  if (linha.empty() || linha.front() == '#') return true;
  if (linha.front() == '=') {
    musicas_.push_back({std::string(aparado(linha.substr(1))), {}, 0, {}});
    return true;
  }
  const bool emMusica = !musicas_.empty();
  if (comeca(linha, TOM) || comeca(linha, CAPO)) {
    if (!emMusica) return false;
    auto& cabecalho = musicas_.back();
    if (comeca(linha, TOM)) {
      cabecalho.tom = std::string(aparado(linha.substr(TOM.size())));
      return true;
    }
    const auto capo = numero(aparado(linha.substr(CAPO.size())), 0, MAIOR_CASA);
    if (capo) cabecalho.capo = *capo;
    return capo.has_value();
  }
  const auto espaco = linha.find_first_of(" \t");
  if (espaco == std::string_view::npos) return false;
  auto casas = lerCasas(linha.substr(0, espaco));
  const auto nome = aparado(linha.substr(espaco));
  if (casas.empty() || nome.empty()) return false;
  entradas_.push_back({std::string(nome), std::move(casas), static_cast<int>(musicas_.size()) - 1});
  return true;
}

Cancioneiro Cancioneiro::ler(std::string_view texto, std::vector<size_t>* ignoradas) {
  const std::string cp1252 = cp1252::deUtf8OuCp1252(texto);
  Cancioneiro lido;
  std::string_view resto = cp1252;
  for (size_t numeroLinha = 1; !resto.empty(); ++numeroLinha) {
    const auto fim = resto.find('\n');
    std::string_view linha = resto.substr(0, fim);
    resto = fim == std::string_view::npos ? std::string_view{} : resto.substr(fim + 1);
    if (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
    if (!lido.lerLinha(linha) && ignoradas != nullptr) ignoradas->push_back(numeroLinha);
  }
  // Songs are numbered as they first hold an entry; an empty heading (a lone "=") is no song.
  std::vector<CabecalhoCancao> musicas;
  std::vector<int> novoIndice(lido.musicas_.size(), -2);
  for (auto& entrada : lido.entradas_) {
    if (entrada.musica < 0) continue;
    int& indice = novoIndice[static_cast<size_t>(entrada.musica)];
    if (indice == -2) {
      const auto& cabecalho = lido.musicas_[static_cast<size_t>(entrada.musica)];
      indice = cabecalho.vazio() ? -1 : static_cast<int>(musicas.size());
      if (!cabecalho.vazio()) musicas.push_back(cabecalho);
    }
    entrada.musica = indice;
  }
  lido.musicas_ = std::move(musicas);
  return lido;
}

}  // namespace tessara
