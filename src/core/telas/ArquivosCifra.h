#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessara {

// The chord sheet's files: the last sheet, kept in the user's folder so that it outlives the
// program, and the files opened or saved lately. Sheets are the user's text, in UTF-8.
class ArquivosCifra {
 public:
  static constexpr size_t MAXIMO_RECENTES = 8;
  // No chord sheet is this large; a larger file is refused rather than read.
  static constexpr size_t MAIOR_CIFRA = 4 * 1024 * 1024;

  explicit ArquivosCifra(std::filesystem::path pastaUsuario) : pasta_(std::move(pastaUsuario)) {}

  // The last sheet kept; nothing when none was.
  std::optional<std::string> ultima() const;
  // Written atomically; false with the reason in `erro`.
  bool guardar(std::string_view folha, std::string* erro = nullptr) const;

  // Newest first; files no longer there are left out.
  std::vector<std::filesystem::path> recentes() const;
  void lembrar(const std::filesystem::path& arquivo) const;

  // A sheet file as UTF-8 (one that is not is taken as Windows-1252); nothing, with the
  // reason in `motivo`, when it cannot be read.
  static std::optional<std::string> abrir(const std::filesystem::path& arquivo,
                                          std::string& motivo);
  // Whether the file's extension names ChordPro (.cho, .chordpro, .pro, .crd).
  static bool ehChordPro(const std::filesystem::path& arquivo);

 private:
  std::filesystem::path pasta_;
};

}  // namespace tessara
