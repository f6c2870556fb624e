#include "NucleoTeste.h"

#include <memory>

#include "languages/GerenciadorIdiomas.h"

namespace tessara::teste {

namespace {

Nucleo::Entradas entradas(const PastaTemporaria& pasta, RelogioVirtual& relogio,
                          std::vector<RegistroMidi>& midi) {
  Nucleo::Entradas resultado;
  resultado.diretorioPrograma = pasta / "programa";
  resultado.pastaUsuario = pasta / "usuario";
  resultado.relogio = &relogio;
  resultado.portas = [&midi](Relogio& r) {
    std::vector<std::unique_ptr<MidiPort>> portas;
    portas.push_back(std::make_unique<PortaGravacao>(std::vector<std::string>{"d0", "d1"},
                                                     std::set<int>{-1, 0, 1}, r, midi));
    return portas;
  };
  return resultado;
}

}  // namespace

NucleoTeste::NucleoTeste(const std::vector<std::string>& arquivos, const std::string& idioma,
                         const std::vector<std::string>& construidos)
    : nucleo(entradas(pasta, relogio, midi)) {
  std::filesystem::create_directories(programa());
  std::filesystem::create_directories(usuario());
  for (const auto& arquivo : arquivos) {
    std::filesystem::copy_file(std::filesystem::path(TESSARA_SOURCE_DATA) / arquivo,
                               programa() / arquivo);
  }
  for (const auto& arquivo : construidos) {
    std::filesystem::copy_file(std::filesystem::path(TESSARA_BIN_DIR) / arquivo,
                               programa() / arquivo);
  }
  nucleo.definirInteracao(&interacao);
  auto& idiomas = nucleo.idiomas();
  idiomas.carregarIdioma(idiomas.indiceDoCodigo(idioma));
}

NucleoTeste::~NucleoTeste() { nucleo.definirInteracao(nullptr); }

}  // namespace tessara::teste
