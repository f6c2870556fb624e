#include <cstring>
#include <iostream>

#include "AplicacaoTessara.h"
#include "Inicializacao.h"

namespace {

// Answered before Qt starts, so that they work without a display.
bool respondeuSemJanelas(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << "tessara " << TESSARA_VERSAO << '\n';
      return true;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::cout << "usage: tessara [--help] [--version] [Qt options]\n"
                   "The chord dictionary for fretted string instruments; tessara-cli is the same\n"
                   "program without windows (see tessara-cli --help, man tessara).\n";
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (respondeuSemJanelas(argc, argv)) return 0;
  tessara::AplicacaoTessara aplicacao(argc, argv);
  return tessara::Inicializacao::executar(aplicacao);
}
