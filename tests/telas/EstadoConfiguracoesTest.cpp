#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "NucleoTeste.h"
#include "app/Fachada.h"
#include "telas/EstadoConfiguracoes.h"

namespace tessara {
namespace {

// The device is stored through the façade, never as -1 (which would ask for the set-up wizard
// at the next start), and the current instrument's sound follows it on channel 1.
TEST(EstadoConfiguracoes, AplicarGuardaODispositivoEOSomDoInstrumento) {
  struct Caso {
    int driver;
    int guardado;
  };
  for (const Caso c : {Caso{1, 1}, Caso{-1, 0}, Caso{7, 0}}) {
    SCOPED_TRACE(c.driver);
    teste::NucleoTeste ambiente;
    Fachada& fachada = ambiente.nucleo.fachada();
    fachada.setInstrumento(0);
    EstadoConfiguracoes estado;
    estado.iniciar(c.driver, 0, 3);
    estado.aplicar(fachada);
    EXPECT_EQ(fachada.getDriver(), c.guardado);
    EXPECT_EQ(fachada.getPosicaoBraco(), 3);
    const auto log = teste::textos(ambiente.midi);
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[log.size() - 3], "abrir " + std::to_string(c.guardado));
    // The steel-string guitar of the English guitar.
    EXPECT_EQ(std::vector<std::string>(log.end() - 2, log.end()),
              (std::vector<std::string>{"B1 00 00", "C1 19 00"}));
  }
}

}  // namespace
}  // namespace tessara
