#include "languages/TextosIdioma.h"

#include <algorithm>

#include "foundations/Texto.h"

namespace tessara {

namespace {

// What follows the "=": through the last non-blank character of the line and at most two of
// the blanks after it, with every "#" turned into a line break.
std::string valorDaLinha(std::string_view linha, size_t igual) {
  size_t fim = linha.size();
  while (fim > 0 && texto::ehBranco(linha[fim - 1])) --fim;
  fim = std::min(linha.size(), fim + 2);  // the "=" itself is not blank: fim > igual
  const std::string_view bruto = linha.substr(igual + 1, fim - igual - 1);

  std::string valor;
  valor.reserve(bruto.size());
  for (const char c : bruto) {
    if (c == '#') {
      valor += "\r\n";
    } else {
      valor += c;
    }
  }
  return valor;
}

}  // namespace

TextosIdioma::TextosIdioma(std::string_view conteudo) {
  // Entries of a repeated section go nowhere: only the first section of a name is reachable.
  Entradas* secaoAtual = nullptr;
  for (const auto& linha : texto::linhas(conteudo)) {
    const std::string aparada = texto::aparar(linha);
    if (aparada.empty()) continue;
    if (aparada.front() == '[') {
      // The closing bracket is assumed, not checked: the last character is dropped whatever
      // it is.
      const std::string nome = aparada.size() >= 2 ? aparada.substr(1, aparada.size() - 2) : "";
      auto [secao, nova] = secoes_.try_emplace(nome);
      secaoAtual = nova ? &secao->second : nullptr;
      continue;
    }
    const auto igual = linha.find('=');
    if (secaoAtual == nullptr || igual == std::string::npos) continue;
    secaoAtual->try_emplace(linha.substr(0, igual), valorDaLinha(linha, igual));
  }
}

TextosIdioma TextosIdioma::deArquivo(const std::filesystem::path& arquivo) {
  return TextosIdioma(texto::lerArquivo(arquivo));
}

std::vector<std::pair<std::string, std::string>> TextosIdioma::getChaves() const {
  std::vector<std::pair<std::string, std::string>> chaves;
  for (const auto& [secao, entradas] : secoes_) {
    for (const auto& entrada : entradas) chaves.emplace_back(secao, entrada.first);
  }
  return chaves;
}

const std::string* TextosIdioma::valor(std::string_view secao, std::string_view chave) const {
  const auto s = secoes_.find(secao);
  if (s == secoes_.end()) return nullptr;
  const auto e = s->second.find(chave);
  return e == s->second.end() ? nullptr : &e->second;
}

std::string TextosIdioma::getTexto(std::string_view secao, std::string_view chave) const {
  const std::string* v = valor(secao, chave);
  return v != nullptr ? *v : std::string();
}

}  // namespace tessara
