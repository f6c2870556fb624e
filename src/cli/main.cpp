#include <iostream>

#include "Cli.h"

int main(int argc, char** argv) {
  tessara::Cli cli(std::cout, std::cerr);
  return cli.executar(argc, argv);
}
