#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessara {

// The texts of a language file: [sections] of key=value lines, looked up case-sensitively.
// Unlike settings files, keys are taken as they stand (a blank in front of a key is part of
// it), values keep up to two of their trailing blanks, and every "#" in a value is a line
// break (CR LF). The first section of a name and the first entry of a key win; lines before
// the first section and lines without "=" hold nothing that can be looked up.
class TextosIdioma {
 public:
  TextosIdioma() = default;
  explicit TextosIdioma(std::string_view conteudo);

  // A file that cannot be read reads as empty.
  static TextosIdioma deArquivo(const std::filesystem::path& arquivo);

  // The value, or nothing when the section or the key does not exist.
  const std::string* valor(std::string_view secao, std::string_view chave) const;

  // Every (section, key) that can be looked up.
  std::vector<std::pair<std::string, std::string>> getChaves() const;

  // The value, or the empty text.
  std::string getTexto(std::string_view secao, std::string_view chave) const;

 private:
  using Entradas = std::map<std::string, std::string, std::less<>>;
  std::map<std::string, Entradas, std::less<>> secoes_;
};

}  // namespace tessara
