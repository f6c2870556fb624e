#include "PastaTemporaria.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace tessara::teste {

PastaTemporaria::PastaTemporaria() {
  std::string modelo = (std::filesystem::temp_directory_path() / "tessara-teste-XXXXXX").string();
  std::vector<char> nome(modelo.begin(), modelo.end());
  nome.push_back('\0');
  if (::mkdtemp(nome.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  caminho_ = nome.data();
}

PastaTemporaria::~PastaTemporaria() {
  std::error_code erro;
  std::filesystem::permissions(caminho_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, erro);
  std::filesystem::remove_all(caminho_, erro);
}

std::filesystem::path PastaTemporaria::escrever(std::string_view nome,
                                                std::string_view conteudo) const {
  const auto arquivo = caminho_ / nome;
  std::ofstream saida(arquivo, std::ios::binary);
  saida.write(conteudo.data(), static_cast<std::streamsize>(conteudo.size()));
  return arquivo;
}

std::string lerArquivo(const std::filesystem::path& arquivo) {
  std::ifstream entrada(arquivo, std::ios::binary);
  std::ostringstream conteudo;
  conteudo << entrada.rdbuf();
  return conteudo.str();
}

}  // namespace tessara::teste
