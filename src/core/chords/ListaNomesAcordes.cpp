#include "chords/ListaNomesAcordes.h"

#include "foundations/Cp1252.h"
#include "foundations/Texto.h"

namespace tessara {

const char* ListaNomesAcordes::nomeArquivo(Gramatica gramatica) {
  return gramatica == Gramatica::Portugues ? "nomes-acordes-pt.txt" : "nomes-acordes-en.txt";
}

std::vector<std::string> ListaNomesAcordes::ler(const std::filesystem::path& arquivo) {
  std::vector<std::string> nomes;
  for (const auto& linha : texto::linhas(texto::lerArquivo(arquivo))) {
    std::string nome = texto::aparar(linha);
    if (!nome.empty()) nomes.push_back(cp1252::deUtf8(nome));
  }
  return nomes;
}

}  // namespace tessara
