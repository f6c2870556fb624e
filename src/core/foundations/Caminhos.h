#pragma once

#include <filesystem>

namespace tessara {

// Where the program finds its files: read-only data beside the executable, user files in
// the per-user configuration folder.
class Caminhos {
 public:
  // The folder of the running executable; language files, picture packs and bases live there.
  static std::filesystem::path diretorioPrograma();

  // TESSARA_CONFIG_DIR when set, else $XDG_CONFIG_HOME/tessara, else ~/.config/tessara.
  // The folder is not created here; writers create it when they first need it.
  static std::filesystem::path pastaUsuario();

  static constexpr const char* NOME_CONFIGURACAO = "tessara.ini";
  static std::filesystem::path arquivoConfiguracao();
};

}  // namespace tessara
