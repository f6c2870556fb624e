#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tessara::teste {

// A fresh folder for one test, removed with everything in it when the test ends.
class PastaTemporaria {
 public:
  PastaTemporaria();
  ~PastaTemporaria();
  PastaTemporaria(const PastaTemporaria&) = delete;
  PastaTemporaria& operator=(const PastaTemporaria&) = delete;

  const std::filesystem::path& caminho() const { return caminho_; }
  std::filesystem::path operator/(std::string_view nome) const { return caminho_ / nome; }

  // Writes bytes as they are (no conversion) and returns the file's path.
  std::filesystem::path escrever(std::string_view nome, std::string_view conteudo) const;

 private:
  std::filesystem::path caminho_;
};

std::string lerArquivo(const std::filesystem::path& arquivo);

}  // namespace tessara::teste
