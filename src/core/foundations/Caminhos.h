#pragma once

#include <filesystem>
#include <vector>

namespace tessara {

// Where the program finds its files: read-only data beside the executable, user files in
// the per-user configuration folder.
class Caminhos {
 public:
  // Where the program's data (language files, picture packs, bases) may lie: beside the
  // executable (a build tree), then ../share/tessara relative to it (an installed copy).
  static std::vector<std::filesystem::path> pastasDados();
  // The first of those that holds a language file; the first when none does.
  static std::filesystem::path diretorioPrograma();

  // TESSARA_CONFIG_DIR when set, else $XDG_CONFIG_HOME/tessara, else ~/.config/tessara.
  // The folder is not created here; writers create it when they first need it.
  static std::filesystem::path pastaUsuario();

  static constexpr const char* NOME_CONFIGURACAO = "tessara.ini";
};

}  // namespace tessara
