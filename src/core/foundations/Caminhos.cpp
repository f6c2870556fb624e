#include "foundations/Caminhos.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace tessara {

namespace {

std::filesystem::path variavel(const char* nome) {
  const char* valor = std::getenv(nome);
  return (valor != nullptr && *valor != '\0') ? std::filesystem::path(valor)
                                              : std::filesystem::path();
}

std::filesystem::path pastaExecutavel() {
  std::error_code erro;
  const auto executavel = std::filesystem::read_symlink("/proc/self/exe", erro);
  if (erro) return std::filesystem::current_path(erro);
  return executavel.parent_path();
}

bool temIdioma(const std::filesystem::path& pasta) {
  std::error_code erro;
  for (std::filesystem::directory_iterator it(pasta, erro), fim; !erro && it != fim;
       it.increment(erro)) {
    if (it->path().extension() == ".idm") return true;
  }
  return false;
}

}  // namespace

std::vector<std::filesystem::path> Caminhos::pastasDados() {
  const auto executavel = pastaExecutavel();
  return {executavel, (executavel.parent_path() / "share" / "tessara").lexically_normal()};
}

std::filesystem::path Caminhos::diretorioPrograma() {
  const auto pastas = pastasDados();
  for (const auto& pasta : pastas) {
    if (temIdioma(pasta)) return pasta;
  }
  return pastas.front();
}

std::filesystem::path Caminhos::pastaUsuario() {
  if (auto pasta = variavel("TESSARA_CONFIG_DIR"); !pasta.empty()) return pasta;
  if (auto xdg = variavel("XDG_CONFIG_HOME"); !xdg.empty() && xdg.is_absolute()) {
    return xdg / "tessara";
  }
  if (auto casa = variavel("HOME"); !casa.empty()) return casa / ".config" / "tessara";
  return std::filesystem::current_path() / ".tessara";
}

}  // namespace tessara
