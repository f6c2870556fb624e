#include "foundations/Texto.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace tessara::texto {

std::vector<std::string> linhas(std::string_view texto) {
  std::vector<std::string> resultado;
  size_t inicio = 0;
  while (inicio < texto.size()) {
    auto fim = texto.find('\n', inicio);
    if (fim == std::string_view::npos) fim = texto.size();
    std::string_view linha = texto.substr(inicio, fim - inicio);
    if (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
    resultado.emplace_back(linha);
    inicio = fim + 1;
  }
  return resultado;
}

bool ehBranco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string aparar(std::string_view texto) {
  size_t inicio = 0;
  size_t fim = texto.size();
  while (inicio < fim && ehBranco(texto[inicio])) ++inicio;
  while (fim > inicio && ehBranco(texto[fim - 1])) --fim;
  return std::string(texto.substr(inicio, fim - inicio));
}

bool iguaisSemCaixa(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto minuscula = [](char c) {
      return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (minuscula(a[i]) != minuscula(b[i])) return false;
  }
  return true;
}

std::string lerArquivo(const std::filesystem::path& arquivo) {
  std::ifstream entrada(arquivo, std::ios::binary);
  std::ostringstream conteudo;
  if (entrada) conteudo << entrada.rdbuf();
  return conteudo.str();
}

std::optional<int> inteiro(std::string_view texto) {
  if (!texto.empty() && texto.front() == '+') texto.remove_prefix(1);
  if (texto.empty() || texto.front() == '+') return std::nullopt;
  int valor = 0;
  const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  if (erro != std::errc() || fim != texto.data() + texto.size()) return std::nullopt;
  return valor;
}

}  // namespace tessara::texto
