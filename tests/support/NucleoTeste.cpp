#include "NucleoTeste.h"

#include <memory>

#include "languages/GerenciadorIdiomas.h"

namespace tessara::teste {

namespace {

Nucleo::Entradas entradas(const PastaTemporaria& pasta, RelogioVirtual& relogio,
                          std::vector<RegistroMidi>& midi,
                          const std::vector<std::string>& dispositivos, PortaGravacao*& porta) {
  Nucleo::Entradas resultado;
  resultado.diretorioPrograma = pasta / "programa";
  resultado.pastaUsuario = pasta / "usuario";
  resultado.relogio = &relogio;
  std::set<int> queAbrem{-1};
  for (int i = 0; i < static_cast<int>(dispositivos.size()); ++i) queAbrem.insert(i);
  resultado.portas = [&midi, &porta, dispositivos, queAbrem](Relogio& r) {
    std::vector<std::unique_ptr<MidiPort>> portas;
    auto gravacao = std::make_unique<PortaGravacao>(dispositivos, queAbrem, r, midi);
    porta = gravacao.get();
    portas.push_back(std::move(gravacao));
    return portas;
  };
  return resultado;
}

}  // namespace

NucleoTeste::NucleoTeste(const std::vector<std::string>& arquivos, const std::string& idioma,
                         const std::vector<std::string>& construidos,
                         const std::vector<std::string>& dispositivos)
    : nucleo(entradas(pasta, relogio, midi, dispositivos, porta)) {
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
