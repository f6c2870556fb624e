#include "ReferenciasImagem.h"

#include <algorithm>

namespace tessara::arte {

namespace {

bool ehBranco(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view aparar(std::string_view texto) {
  while (!texto.empty() && ehBranco(texto.front())) texto.remove_prefix(1);
  while (!texto.empty() && ehBranco(texto.back())) texto.remove_suffix(1);
  return texto;
}

bool ehCaractereDeNome(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-';
}

// One line without its line feed; a carriage return before it stays with the ending.
std::string resolverLinha(std::string_view linha, const ReferenciasImagem::Localizador& localizar) {
  const std::string_view conteudo = aparar(linha);
  if (conteudo.empty() || conteudo.front() == '[') return std::string(linha);
  const auto igual = linha.find('=');
  if (igual == std::string_view::npos) return std::string(linha);
  const std::string nome = ReferenciasImagem::nomeReferido(aparar(linha.substr(igual + 1)));
  if (nome.empty()) return std::string(linha);
  const bool crlf = !linha.empty() && linha.back() == '\r';
  return std::string(linha.substr(0, igual + 1)) + localizar(nome) + (crlf ? "\r" : "");
}

}  // namespace

std::string ReferenciasImagem::nomeReferido(std::string_view valor) {
  if (valor.size() < 2 || valor.front() != '@') return {};
  const std::string_view nome = valor.substr(1);
  if (!std::all_of(nome.begin(), nome.end(), ehCaractereDeNome)) return {};
  return std::string(nome);
}

std::string ReferenciasImagem::resolver(std::string_view idm, const Localizador& localizar) {
  std::string saida;
  saida.reserve(idm.size());
  while (!idm.empty()) {
    const auto fim = idm.find('\n');
    const std::string_view linha = idm.substr(0, fim);
    saida += resolverLinha(linha, localizar);
    if (fim == std::string_view::npos) break;
    saida += '\n';
    idm.remove_prefix(fim + 1);
  }
  return saida;
}

}  // namespace tessara::arte
