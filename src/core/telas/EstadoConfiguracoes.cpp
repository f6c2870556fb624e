#include "telas/EstadoConfiguracoes.h"

#include <algorithm>
#include <exception>

#include "app/Fachada.h"

namespace tessara {

void EstadoConfiguracoes::iniciar(int driver, int instrumento, int posicao) {
  driverSelecionado = driver;
  instrumentoSelecionado = instrumento;
  posicaoBraco = posicao;
}

void EstadoConfiguracoes::aplicar(Fachada& fachada) const {
  try {
    fachada.setDriver(std::max(0, driverSelecionado));
    fachada.aplicarSomInstrumento();
  } catch (const std::exception&) {
    // Without a sound device the program still shows everything; it is simply silent.
  }
  fachada.setPosicaoBraco(posicaoBraco);
}

}  // namespace tessara
