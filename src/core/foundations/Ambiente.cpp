#include "foundations/Ambiente.h"

#include <cstdlib>

#include "foundations/NomeIdioma.h"

namespace tessara {

Ambiente Ambiente::doSistema() {
  return Ambiente([](const std::string& nome) -> std::optional<std::string> {
    const char* valor = std::getenv(nome.c_str());
    if (valor == nullptr) return std::nullopt;
    return std::string(valor);
  });
}

Ambiente Ambiente::com(std::map<std::string, std::string> variaveis) {
  return Ambiente(
      [variaveis = std::move(variaveis)](const std::string& nome) -> std::optional<std::string> {
        const auto achada = variaveis.find(nome);
        if (achada == variaveis.end()) return std::nullopt;
        return achada->second;
      });
}

std::optional<std::string> Ambiente::ler(const std::string& nome) const {
  return leitor_ ? leitor_(nome) : std::nullopt;
}

std::string Ambiente::idiomaDoLocale() const {
  for (const char* variavel : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const auto valor = ler(variavel);
    if (!valor || valor->empty()) continue;
    return valor->starts_with("pt") ? nomeIdiomaPortugues() : std::string("English");
  }
  return "English";
}

}  // namespace tessara
