#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tessara {

// Replaces a file as a whole: the content goes to a temporary file in the same folder, is
// flushed to disk and then renamed over the target, so a crash or a full disk leaves either
// the old file or the new one, never a mix.
class ArquivoAtomico {
 public:
  // Creates the folder when missing. Returns false and leaves the old file intact on any
  // failure; `erro` (when given) receives the reason.
  static bool escrever(const std::filesystem::path& destino, std::string_view conteudo,
                       std::string* erro = nullptr);
};

}  // namespace tessara
