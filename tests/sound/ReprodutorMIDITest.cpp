#include <gtest/gtest.h>

#include <memory>

#include "PortaGravacao.h"
#include "TextosTeste.h"
#include "sound/PlanoReproducao.h"
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

TEST_F(ReprodutorMIDITest, DestaquesDaEscalaChegamNaHoraDeSuasNotas) {
  Lista destaques;
  reprodutor.executar(PlanoReproducao::deEscala({60, -1, 64}), [&](const EventoReproducao& e) {
    const bool liga = e.tipo == EventoReproducao::Tipo::Destacar;
    destaques.push_back(std::to_string(relogio.agora().count() / 1000) + ": " +
                        (liga ? "on " : "off ") + std::to_string(e.valor));
  });
  EXPECT_EQ(destaques, (Lista{"0: on 0", "1000: off 0", "1000: on 2", "2000: off 2"}));
  EXPECT_EQ(agenda(), (Lista{"0: 91 3C 7F", "1000: 91 3C 00", "1000: 91 40 7F", "2000: 91 40 00"}));
}

TEST(PlanoReproducao, EventosEInstantes) {
  using T = EventoReproducao::Tipo;
  using ms = std::chrono::milliseconds;
  struct Caso {
    PlanoReproducao plano;
    std::vector<EventoReproducao> eventos;
  };
  const Caso casos[] = {
      // Strings 0 and 1 not played: four notes from string 2, then the reset.
      {PlanoReproducao::deAcorde({-1, -1, 52, 55, 60, 64}),
       {{ms(0), T::LigarNota, 52},
        {ms(160), T::LigarNota, 55},
        {ms(320), T::LigarNota, 60},
        {ms(480), T::LigarNota, 64},
        {ms(640), T::Reiniciar, 0}}},
      {PlanoReproducao::deAcorde({-1, -1, -1}), {{ms(0), T::Reiniciar, 0}}},
      {PlanoReproducao::deEscala({48, -1, 52}),
       {{ms(0), T::Destacar, 0},
        {ms(0), T::LigarNota, 48},
        {ms(1000), T::DesligarNota, 48},
        {ms(1000), T::ApagarDestaque, 0},
        {ms(1000), T::Destacar, 2},
        {ms(1000), T::LigarNota, 52},
        {ms(2000), T::DesligarNota, 52},
        {ms(2000), T::ApagarDestaque, 2}}},
      {PlanoReproducao::deEscala({}), {}},
      {PlanoReproducao::deTeste(60, 61),
       {{ms(0), T::LigarNota, 60}, {ms(80), T::LigarNota, 61}, {ms(160), T::Reiniciar, 0}}},
  };
  for (const auto& c : casos) EXPECT_EQ(c.plano.getEventos(), c.eventos);
  EXPECT_EQ(casos[0].plano.getDuracao(), ms(640));
  EXPECT_EQ(casos[3].plano.getDuracao(), ms(0));
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
