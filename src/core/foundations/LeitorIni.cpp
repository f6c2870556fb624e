#include "foundations/LeitorIni.h"

#include "foundations/Texto.h"

namespace tessara {

LeitorIni::LeitorIni(std::string_view conteudo) {
  for (const auto& linhaBruta : texto::linhas(conteudo)) {
    const std::string linha = texto::aparar(linhaBruta);
    if (linha.empty()) continue;
    if (linha.front() == '[') {
      const auto fim = linha.find(']');
      const auto tamanho = fim == std::string::npos ? std::string::npos : fim - 1;
      secoes_.push_back({texto::aparar(linha.substr(1, tamanho)), {}});
      continue;
    }
    const auto igual = linha.find('=');
    if (secoes_.empty() || igual == std::string::npos) continue;
    secoes_.back().entradas.emplace_back(texto::aparar(linha.substr(0, igual)),
                                         texto::aparar(linha.substr(igual + 1)));
  }
}

LeitorIni LeitorIni::deArquivo(const std::filesystem::path& arquivo) {
  return LeitorIni(texto::lerArquivo(arquivo));
}

std::optional<std::string> LeitorIni::valor(std::string_view secao, std::string_view chave) const {
  for (const auto& s : secoes_) {
    if (!texto::iguaisSemCaixa(s.nome, secao)) continue;
    for (const auto& [k, v] : s.entradas) {
      if (texto::iguaisSemCaixa(k, chave)) return v;
    }
    return std::nullopt;  // only the first section of a name counts
  }
  return std::nullopt;
}

std::string LeitorIni::ler(std::string_view secao, std::string_view chave,
                           std::string_view padrao) const {
  auto v = valor(secao, chave);
  return v ? *v : std::string(padrao);
}

}  // namespace tessara
