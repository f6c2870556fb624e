#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "foundations/Imagem.h"

namespace tessara {

// A picture pack: JPEG pictures stored one after another in one file. A picture is named by
// a language entry "offset,length" (decimal bytes).
class PacoteImagens {
 public:
  struct Trecho {
    std::int64_t inicio = 0;
    std::int64_t tamanho = 0;
  };

  explicit PacoteImagens(std::filesystem::path arquivo) : arquivo_(std::move(arquivo)) {}

  const std::filesystem::path& getArquivo() const { return arquivo_; }

  // The picture the entry names; nothing on any failure (bad entry, missing file, short
  // read, undecodable picture).
  std::optional<Imagem> lerImagem(std::string_view entrada) const;

  // The same, from a pack already open.
  static std::optional<Imagem> lerImagem(std::istream& pacote, std::string_view entrada);

  // Splits the entry at its first comma; both numbers must be whole and not negative.
  static std::optional<Trecho> interpretarEntrada(std::string_view entrada);

  // Exactly the bytes of the range, or nothing when the pack is shorter.
  static std::optional<std::string> lerTrecho(std::istream& pacote, Trecho trecho);

 private:
  static std::optional<Imagem> decodificarTrecho(std::istream& pacote, Trecho trecho);

  std::filesystem::path arquivo_;
};

}  // namespace tessara
