#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessara {

// Reads key=value files grouped in [sections]. Section and key names are compared ignoring
// letter case, values are trimmed; the first section of a name and the first key win.
class LeitorIni {
 public:
  explicit LeitorIni(std::string_view texto);

  // A file that cannot be read reads as empty.
  static LeitorIni deArquivo(const std::filesystem::path& arquivo);

  std::optional<std::string> valor(std::string_view secao, std::string_view chave) const;
  std::string ler(std::string_view secao, std::string_view chave, std::string_view padrao) const;

 private:
  struct Secao {
    std::string nome;
    std::vector<std::pair<std::string, std::string>> entradas;
  };
  std::vector<Secao> secoes_;
};

}  // namespace tessara
