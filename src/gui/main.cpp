#include "AplicacaoTessara.h"
#include "Inicializacao.h"

int main(int argc, char** argv) {
  tessara::AplicacaoTessara aplicacao(argc, argv);
  return tessara::Inicializacao::executar(aplicacao);
}
