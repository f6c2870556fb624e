#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "AgendaManual.h"
#include "AmbienteBraco.h"
#include "ReprodutorPlano.h"
#include "sound/RelogioVirtual.h"

namespace tessara {
namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;
using Lista = std::vector<std::string>;
using teste::AgendaManual;

// The MIDI log line of a plan's event, as the recording port writes it (channel 1).
std::optional<std::string> linhaMidi(const EventoReproducao& e) {
  char bytes[16];
  switch (e.tipo) {
    case EventoReproducao::Tipo::LigarNota:
      std::snprintf(bytes, sizeof bytes, "91 %02X 7F", e.valor);
      break;
    case EventoReproducao::Tipo::DesligarNota:
      std::snprintf(bytes, sizeof bytes, "91 %02X 00", e.valor);
      break;
    case EventoReproducao::Tipo::Reiniciar:
      return std::to_string(e.instante.count()) + ": reiniciar";
    default: return std::nullopt;
  }
  return std::to_string(e.instante.count()) + ": " + bytes;
}

// Counts the paintings of a widget.
class ContadorPinturas : public QObject {
 public:
  int pinturas = 0;

 protected:
  bool eventFilter(QObject*, QEvent* evento) override {
    pinturas += evento->type() == QEvent::Paint;
    return false;
  }
};

class ReprodutorPlanoTest : public teste::AmbienteBraco {
 protected:
  ReprodutorPlanoTest() {
    widget.installEventFilter(&contador);
    QObject::connect(&reprodutor, &ReprodutorPlano::iniciado,
                     [this] { sinais.push_back("iniciado"); });
    QObject::connect(&reprodutor, &ReprodutorPlano::terminado,
                     [this] { sinais.push_back("terminado"); });
  }

  std::unique_ptr<AgendaReproducao> criarAgenda() {
    auto nova = std::make_unique<AgendaManual>(ambiente.relogio);
    agenda = nova.get();
    return nova;
  }
  // "milliseconds: text" of every line the port logged, from the test's start.
  Lista log() const {
    Lista linhas;
    for (const auto& r : ambiente.midi) {
      linhas.push_back(std::to_string((r.tempo - inicio).count() / 1000) + ": " + r.texto);
    }
    return linhas;
  }
  static Lista logDoPlano(const PlanoReproducao& plano, milliseconds deslocamento = 0ms) {
    Lista linhas;
    for (EventoReproducao e : plano.getEventos()) {
      e.instante += deslocamento;
      if (auto linha = linhaMidi(e)) linhas.push_back(*linha);
    }
    return linhas;
  }
  void mostrarC() {
    ASSERT_TRUE(fachada.setAcordePorNome("C"));
    braco.exibirAcordeAtual();
  }
  void mostrarEscala() {
    braco.exibirEscala(fachada.getExibicoesEscala("Major (Ionian)", "G").front());
  }
  // Light pixels in a scale note's label box: its text is white while its note plays.
  int brancosNoRotulo(int k) {
    const MarcadorBraco& m = braco.getMarcadoresEscala()[static_cast<size_t>(k)].dedo;
    const QImage imagem = widget.grab().toImage();
    int brancos = 0;
    for (int y = m.y - 11; y < m.y + 12; ++y) {
      for (int x = m.x - 12; x < m.x + 12; ++x) {
        const QColor c = imagem.pixelColor(x, y);
        brancos += c.red() > 220 && c.green() > 220 && c.blue() > 220;
      }
    }
    return brancos;
  }
  bool algumDestaque() const {
    for (const auto& c : braco.getCordas()) {
      if (c.maoPonto.visivel || c.maoRotulo.visivel || c.maoRotulo.destaque) return true;
    }
    for (const auto& m : braco.getMarcadoresEscala()) {
      if (m.dedo.destaque || m.nota.destaque) return true;
    }
    return false;
  }

  // Whether the widget was painted again since the last call, as the loop does it.
  bool repintado() {
    const int antes = contador.pinturas;
    QCoreApplication::processEvents();
    return contador.pinturas > antes;
  }

  ContadorPinturas contador;
  AgendaManual* agenda = nullptr;
  ReprodutorPlano reprodutor{fachada, braco, &widget, criarAgenda()};
  std::chrono::microseconds inicio = ambiente.relogio.agora();
  Lista sinais;
};

TEST_F(ReprodutorPlanoTest, AcordeEEscalaNosTemposDoPlanoComOLacoDeEventosRodando) {
  int tiques = 0;
  QTimer relogioDoTeste;
  QObject::connect(&relogioDoTeste, &QTimer::timeout, [&] { ++tiques; });
  relogioDoTeste.start(0);

  mostrarC();
  reprodutor.tocar(braco.planoAcorde());
  EXPECT_TRUE(reprodutor.tocando());
  EXPECT_TRUE(log().empty());  // the first step waits for the loop, like every other
  while (agenda->pendente()) {
    const int antes = tiques;
    QCoreApplication::processEvents();
    EXPECT_GT(tiques, antes);
    agenda->disparar();
  }
  // C as x32010, one string every 160 ms from the lowest that sounds.
  EXPECT_EQ(log(), (Lista{"0: 91 30 7F", "160: 91 34 7F", "320: 91 37 7F", "480: 91 3C 7F",
                          "640: 91 40 7F", "800: reiniciar"}));
  EXPECT_EQ(agenda->esperas, (std::vector<milliseconds>{0ms, 160ms, 160ms, 160ms, 160ms, 160ms}));
  EXPECT_FALSE(reprodutor.tocando());
  EXPECT_EQ(sinais, (Lista{"iniciado", "terminado"}));

  mostrarEscala();
  const PlanoReproducao escala = braco.planoEscala();
  ASSERT_GE(escala.getEventos().size(), 8u);
  const int apagado = brancosNoRotulo(0);
  ambiente.midi.clear();
  reprodutor.tocar(escala);
  EXPECT_FALSE(repintado());
  agenda->disparar();
  EXPECT_TRUE(repintado());
  // The first note sounds and shows: white label, the right hand's finger beside the nut.
  EXPECT_TRUE(braco.getMarcadoresEscala()[0].dedo.destaque);
  EXPECT_GT(brancosNoRotulo(0), apagado + 5);
  const int corda = braco.getEscala()->getCordas()[0];
  EXPECT_TRUE(braco.getCordas()[static_cast<size_t>(corda)].maoRotulo.visivel);
  agenda->disparar();
  EXPECT_FALSE(braco.getMarcadoresEscala()[0].dedo.destaque);
  EXPECT_EQ(brancosNoRotulo(0), apagado);
  while (agenda->pendente()) {
    const int antes = tiques;
    QCoreApplication::processEvents();
    EXPECT_GT(tiques, antes);
    agenda->disparar();
  }
  EXPECT_EQ(log(), logDoPlano(escala, 800ms));
  EXPECT_FALSE(algumDestaque());
  EXPECT_EQ(sinais, (Lista{"iniciado", "terminado", "iniciado", "terminado"}));
}

TEST_F(ReprodutorPlanoTest, PararSilenciaApagaOsDestaquesEAvisa) {
  mostrarEscala();
  reprodutor.tocar(braco.planoEscala());
  agenda->disparar();
  agenda->disparar();  // at 1000 ms note 0 stops, note 1 sounds and shows
  ASSERT_TRUE(algumDestaque());
  const int branco = brancosNoRotulo(1);
  ASSERT_GT(branco, 5);

  ASSERT_TRUE(repintado());  // the steps' own highlights
  reprodutor.parar();
  EXPECT_TRUE(repintado());
  EXPECT_FALSE(reprodutor.tocando());
  EXPECT_FALSE(agenda->pendente());
  EXPECT_EQ(log().back(), "1000: reiniciar");
  EXPECT_FALSE(algumDestaque());
  EXPECT_LT(brancosNoRotulo(1), branco);
  EXPECT_EQ(sinais, (Lista{"iniciado", "terminado"}));

  // Stopped again, it silences again but has nothing to announce.
  reprodutor.parar();
  EXPECT_EQ(log().back(), "1000: reiniciar");
  EXPECT_EQ(sinais.size(), 2u);
}

TEST_F(ReprodutorPlanoTest, SegundoPlanoParaOPrimeiro) {
  mostrarEscala();
  const PlanoReproducao escala = braco.planoEscala();
  reprodutor.tocar(escala);
  agenda->disparar();
  agenda->disparar();  // the first note stops at 1000 ms and the second sounds
  ASSERT_TRUE(algumDestaque());
  const Lista tocado = log();

  mostrarC();
  reprodutor.tocar(braco.planoAcorde());
  EXPECT_EQ(sinais, (Lista{"iniciado", "terminado", "iniciado"}));
  EXPECT_FALSE(algumDestaque());
  Lista esperado = tocado;
  esperado.push_back("1000: reiniciar");
  EXPECT_EQ(log(), esperado);
  while (agenda->disparar()) {
  }
  // Only the chord from then on, timed from its own start.
  esperado.insert(esperado.end(), {"1000: 91 30 7F", "1160: 91 34 7F", "1320: 91 37 7F",
                                   "1480: 91 3C 7F", "1640: 91 40 7F", "1800: reiniciar"});
  EXPECT_EQ(log(), esperado);
  EXPECT_EQ(sinais, (Lista{"iniciado", "terminado", "iniciado", "terminado"}));
}

// The window's own agenda: a real single-shot timer, the event loop turning meanwhile.
TEST_F(ReprodutorPlanoTest, TimerDaJanelaTocaSemPrenderOLaco) {
  ReprodutorPlano naJanela(fachada, braco, &widget);
  const PlanoReproducao acorde = PlanoReproducao::deAcorde({-1, 48, 52, 55, 60, 64});
  const PlanoReproducao escala = PlanoReproducao::deEscala({60, 62});
  int tiques = 0;
  int tiquesTocando = 0;
  QTimer relogioDoTeste;
  QObject::connect(&relogioDoTeste, &QTimer::timeout, [&] {
    ++tiques;
    tiquesTocando += naJanela.tocando();
  });
  relogioDoTeste.start(10);
  QEventLoop laco;
  QObject::connect(&naJanela, &ReprodutorPlano::terminado, &laco, &QEventLoop::quit);
  QTimer::singleShot(10s, &laco, &QEventLoop::quit);  // a plan that never ends fails, not hangs

  for (const PlanoReproducao* plano : {&acorde, &escala}) {
    ambiente.midi.clear();
    QElapsedTimer decorrido;
    decorrido.start();
    tiques = tiquesTocando = 0;
    naJanela.tocar(*plano);
    laco.exec();
    EXPECT_FALSE(naJanela.tocando());
    EXPECT_GE(decorrido.elapsed(), plano->getDuracao().count() - 5);
    EXPECT_LT(decorrido.elapsed(), plano->getDuracao().count() + 2000);
    EXPECT_GE(tiquesTocando, 10);
    // The virtual clock stands still here: only the order is the plan's.
    Lista textos;
    for (const auto& linha : logDoPlano(*plano))
      textos.push_back(linha.substr(linha.find(": ") + 2));
    EXPECT_EQ(teste::textos(ambiente.midi), textos);
  }
}

}  // namespace
}  // namespace tessara
