#include <gtest/gtest.h>

#include <memory>

#include "PortaGravacao.h"
#include "TextosTeste.h"
#include "sound/RelogioVirtual.h"
#include "sound/ReprodutorMIDI.h"

namespace tessara {
namespace {

using namespace std::chrono_literals;
using Lista = std::vector<std::string>;

// Playback on two recording devices (0 and 1, both opening) with a virtual clock; the log is
// "milliseconds: text" so that each schedule reads as one list.
class ReprodutorMIDITest : public ::testing::Test {
 protected:
  ReprodutorMIDITest()
      : saida(
            [this](Relogio& r) {
              std::vector<std::unique_ptr<MidiPort>> portas;
              portas.push_back(std::make_unique<teste::PortaGravacao>(
                  Lista{"d0", "d1"}, std::set<int>{-1, 0, 1}, r, registro));
              return portas;
            },
            relogio, textos),
        reprodutor(saida) {
    registro.clear();
  }

  Lista agenda() const {
    Lista linhas;
    for (const auto& r : registro) {
      linhas.push_back(std::to_string(r.tempo.count() / 1000) + ": " + r.texto);
    }
    return linhas;
  }

  RelogioVirtual relogio;
  teste::TextosTeste textos;
  std::vector<teste::RegistroMidi> registro;
  SaidaMIDI saida;
  ReprodutorMIDI reprodutor;
};

TEST_F(ReprodutorMIDITest, AcordeDaCordaMaisGraveComIntervalosDe160ms) {
  reprodutor.tocarAcorde({-1, -1, 50, 55, 59, 64});
  EXPECT_EQ(agenda(), (Lista{"0: 91 32 7F", "160: 91 37 7F", "320: 91 3B 7F", "480: 91 40 7F",
                             "640: reiniciar"}));
  EXPECT_EQ(relogio.esperas, (std::vector<std::chrono::milliseconds>(4, 160ms)));
}

TEST_F(ReprodutorMIDITest, CordasMudasNoMeioNaoEsperam) {
  reprodutor.tocarAcorde({40, -1, 52, -1});
  EXPECT_EQ(agenda(), (Lista{"0: 91 28 7F", "160: 91 34 7F", "320: reiniciar"}));
}

TEST_F(ReprodutorMIDITest, AcordeSemCordasSoReinicia) {
  for (const std::vector<int>& vazio : {std::vector<int>{}, std::vector<int>(6, -1)}) {
    registro.clear();
    reprodutor.tocarAcorde(vazio);
    EXPECT_EQ(agenda(), Lista{"0: reiniciar"});
  }
  EXPECT_TRUE(relogio.esperas.empty());
}

TEST_F(ReprodutorMIDITest, EscalaUmaNotaPorSegundoPulandoAsMudas) {
  reprodutor.tocarEscala({60, -1, 64});
  EXPECT_EQ(agenda(), (Lista{"0: 91 3C 7F", "1000: 91 3C 00", "1000: 91 40 7F", "2000: 91 40 00"}));
  EXPECT_EQ(relogio.esperas, (std::vector<std::chrono::milliseconds>{1000ms, 1000ms}));
}

TEST_F(ReprodutorMIDITest, TesteDoAssistenteAbreODispositivoETocaAs24Notas) {
  reprodutor.testarDispositivo(1);
  const Lista a = agenda();
  ASSERT_EQ(a.size(), 2u + 2u + 24u + 1u);
  EXPECT_EQ(Lista(a.begin(), a.begin() + 5),
            (Lista{"0: fechar", "0: abrir 1", "0: B1 00 00", "0: C1 00 00", "0: 91 3C 7F"}));
  EXPECT_EQ(a[5], "80: 91 3D 7F");
  EXPECT_EQ(a[27], "1840: 91 53 7F");
  EXPECT_EQ(a.back(), "1920: reiniciar");
  EXPECT_EQ(relogio.esperas, (std::vector<std::chrono::milliseconds>(24, 80ms)));
  // The wizard leaves the output on the device tried.
  EXPECT_EQ(saida.getDispositivo(), 1);
  EXPECT_TRUE(saida.portaAberta());
}

TEST_F(ReprodutorMIDITest, TesteDoAssistenteIgnoraUmDispositivoRecusado) {
  EXPECT_NO_THROW(reprodutor.testarDispositivo(7));
  EXPECT_TRUE(registro.empty());
  EXPECT_TRUE(relogio.esperas.empty());
  EXPECT_EQ(saida.getDispositivo(), -1);
}

}  // namespace
}  // namespace tessara
