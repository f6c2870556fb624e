#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "PastaTemporaria.h"
#include "PortaGravacao.h"
#include "TextosTeste.h"
#include "foundations/FatalException.h"
#include "foundations/GerenciadorConfiguracao.h"
#include "foundations/OutOfBoundsException.h"
#include "sound/RelogioVirtual.h"
#include "sound/SaidaMIDI.h"

namespace tessara {
namespace {

using Lista = std::vector<std::string>;

struct EspecPorta {
  std::string nome;
  Lista dispositivos;
  std::set<int> queAbrem;
};

// An output over recording ports that share one log; texts are "section/key".
class SaidaMIDITest : public ::testing::Test {
 protected:
  std::unique_ptr<SaidaMIDI> criar(const std::vector<EspecPorta>& especs) {
    auto fabrica = [this, especs](Relogio& relogio) {
      std::vector<std::unique_ptr<MidiPort>> portas;
      for (const auto& e : especs) {
        portas.push_back(std::make_unique<teste::PortaGravacao>(e.dispositivos, e.queAbrem, relogio,
                                                                registro, e.nome));
      }
      return portas;
    };
    return std::make_unique<SaidaMIDI>(fabrica, relogio, textos());
  }

  // One port with two devices, the default one opening.
  std::unique_ptr<SaidaMIDI> criarAberta() {
    auto saida = criar({{"", {"d0", "d1"}, {-1, 0, 1}}});
    registro.clear();
    return saida;
  }

  const Textos& textos() const { return textos_; }
  teste::TextosTeste textos_;

  Lista log() const { return teste::textos(registro); }

  RelogioVirtual relogio;
  std::vector<teste::RegistroMidi> registro;
};

TEST_F(SaidaMIDITest, ConstrucaoTentaMenosUmDepoisCadaDispositivoAteUmAbrir) {
  struct Caso {
    const char* descricao;
    std::vector<EspecPorta> portas;
    Lista aberturas;
    int dispositivo;
    bool aberta;
  };
  const std::vector<Caso> casos = {
      {"the default opens", {{"A", {"a0"}, {-1}}}, {"A abrir -1"}, -1, true},
      {"second port's first device",
       {{"A", {"a0", "a1"}, {}}, {"B", {"b0"}, {0}}},
       {"A abrir -1", "A abrir 0", "A abrir 1", "B abrir 0"},
       2,
       true},
      {"none opens",
       {{"A", {"a0"}, {}}, {"B", {"b0", "b1"}, {}}},
       {"A abrir -1", "A abrir 0", "B abrir 0", "B abrir 1"},
       2,
       false},
      {"no device at all: -1 only", {{"A", {}, {}}}, {"A abrir -1"}, -1, false},
      {"no port at all", {}, {}, -1, false},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.descricao);
    registro.clear();
    auto saida = criar(caso.portas);
    Lista aberturas;
    for (const auto& linha : log()) {
      if (linha.find("abrir") != std::string::npos) aberturas.push_back(linha);
    }
    EXPECT_EQ(aberturas, caso.aberturas);
    EXPECT_EQ(saida->getDispositivo(), caso.dispositivo);
    EXPECT_EQ(saida->portaAberta(), caso.aberta);
    // With nothing open, every message is dropped: the log holds the attempts only.
    if (!caso.aberta) {
      EXPECT_EQ(log(), caso.aberturas);
    }
  }
}

TEST_F(SaidaMIDITest, ConstrucaoPoeProgramaZeroEVolumeMaximoEmCadaCanal) {
  auto saida = criar({{"", {"d0"}, {-1}}});
  const Lista tudo = log();
  const Lista mensagens(tudo.begin() + 1, tudo.end());  // after "abrir -1"
  ASSERT_EQ(mensagens.size(), 48u);
  EXPECT_EQ(Lista(mensagens.begin(), mensagens.begin() + 6),
            (Lista{"B0 00 00", "C0 00 00", "B0 07 7F", "B1 00 00", "C1 00 00", "B1 07 7F"}));
  EXPECT_EQ(mensagens.back(), "BF 07 7F");
  EXPECT_EQ(saida->getVolumeGeral(), 100);
  EXPECT_EQ(saida->getInstrumentosCanal(), std::vector<int>(16, 0));
  EXPECT_EQ(saida->getVolumesCanal(), std::vector<int>(16, 127));
}

TEST_F(SaidaMIDITest, CamadaMidiQueNaoIniciaEFatal) {
  const SaidaMIDI::FabricaPortas semBiblioteca =
      [](Relogio&) -> std::vector<std::unique_ptr<MidiPort>> {
    throw std::runtime_error("library not found");
  };
  const SaidaMIDI::FabricaPortas listagemFalha = [this](Relogio& r) {
    std::vector<std::unique_ptr<MidiPort>> portas;
    auto porta =
        std::make_unique<teste::PortaGravacao>(Lista{"d0"}, std::set<int>{-1}, r, registro);
    porta->falharListagem = true;
    portas.push_back(std::move(porta));
    return portas;
  };
  for (const auto& fabrica : {semBiblioteca, listagemFalha}) {
    try {
      SaidaMIDI saida(fabrica, relogio, textos());
      ADD_FAILURE() << "no FatalException";
    } catch (const FatalException& e) {
      EXPECT_EQ(e.getMensagem(), "exception/componentesMIDI");
      EXPECT_EQ(e.getRastro(), Lista{"SaidaMIDI::SaidaMIDI()"});
    }
  }
  EXPECT_TRUE(registro.empty());
}

TEST_F(SaidaMIDITest, BytesEnviados) {
  struct Caso {
    const char* descricao;
    std::function<void(SaidaMIDI&)> operacao;
    Lista mensagens;
  };
  const std::vector<Caso> casos = {
      {"program 25", [](SaidaMIDI& s) { s.setInstrumento(1, 25); }, {"B1 00 00", "C1 19 00"}},
      {"program 128 keeps the channel", [](SaidaMIDI& s) { s.setInstrumento(1, 128); }, {}},
      {"volume -1 silences", [](SaidaMIDI& s) { s.setVolumeCanal(3, -1); }, {"B3 07 00"}},
      {"volume 128 is ignored", [](SaidaMIDI& s) { s.setVolumeCanal(3, 128); }, {}},
      {"volume 64", [](SaidaMIDI& s) { s.setVolumeCanal(15, 64); }, {"BF 07 40"}},
      {"note on", [](SaidaMIDI& s) { s.ligarNota(1, 127, 64); }, {"91 40 7F"}},
      {"note off is a note on at velocity 0",
       [](SaidaMIDI& s) { s.desligarNota(1, 64); },
       {"91 40 00"}},
      {"raw message", [](SaidaMIDI& s) { s.enviarMensagem(0xE1, 0, 0x40); }, {"E1 00 40"}},
      {"reset", [](SaidaMIDI& s) { s.reiniciar(); }, {"reiniciar"}},
      // A byte out of range would corrupt the stream: such messages are dropped.
      {"note above 127", [](SaidaMIDI& s) { s.ligarNota(1, 127, 128); }, {}},
      {"negative note", [](SaidaMIDI& s) { s.desligarNota(1, -1); }, {}},
      {"velocity above 127", [](SaidaMIDI& s) { s.ligarNota(1, 200, 60); }, {}},
      {"volume below -1", [](SaidaMIDI& s) { s.setVolumeCanal(2, -5); }, {}},
      {"program above 128 keeps the bank select only",
       [](SaidaMIDI& s) { s.setInstrumento(2, 300); },
       {"B2 00 00"}},
      {"note on channel 16 would be another message",
       [](SaidaMIDI& s) { s.ligarNota(16, 127, 60); },
       {}},
      {"status below 0x80", [](SaidaMIDI& s) { s.enviarMensagem(0x40, 1, 1); }, {}},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.descricao);
    auto saida = criarAberta();
    caso.operacao(*saida);
    EXPECT_EQ(log(), caso.mensagens);
  }
}

TEST_F(SaidaMIDITest, CanalInvalidoNaoEnviaNadaENaoMudaOEstado) {
  auto saida = criarAberta();
  try {
    saida->setInstrumento(16, 0);
    ADD_FAILURE() << "no exception";
  } catch (const OutOfBoundsException& e) {
    EXPECT_EQ(e.getMensagem(), "exception/canalInvalido16'!");
    EXPECT_EQ(e.getIndice(), 16);
    EXPECT_EQ(e.getRastro(), Lista{"SaidaMIDI::setInstrumento(int, int)"});
  }
  try {
    saida->setVolumeCanal(-1, 100);
    ADD_FAILURE() << "no exception";
  } catch (const OutOfBoundsException& e) {
    EXPECT_EQ(e.getMensagem(), "exception/canalInvalido-1'!");
    EXPECT_EQ(e.getRastro(), Lista{"SaidaMIDI::setVolumeCanal(int , int)"});
  }
  // The "nothing changes" values are checked before the channel.
  EXPECT_NO_THROW(saida->setInstrumento(99, 128));
  EXPECT_NO_THROW(saida->setVolumeCanal(99, 128));
  EXPECT_TRUE(log().empty());
  EXPECT_EQ(saida->getInstrumentosCanal(), std::vector<int>(16, 0));

  saida->setInstrumento(2, 40);
  saida->setVolumeCanal(2, -1);
  EXPECT_EQ(saida->getInstrumentosCanal()[2], 40);
  EXPECT_EQ(saida->getVolumesCanal()[2], -1);
}

TEST_F(SaidaMIDITest, SelecionarFechaOAbertoEAbreOOutro) {
  auto saida = criar({{"A", {"a0"}, {-1, 0}}, {"B", {"b0", "b1"}, {0, 1}}});
  EXPECT_EQ(saida->listarDispositivos(), (Lista{"a0", "b0", "b1"}));
  registro.clear();

  saida->selecionarDispositivo(2);
  EXPECT_EQ(log(), (Lista{"A fechar", "B abrir 1"}));
  EXPECT_EQ(saida->getDispositivo(), 2);
  saida->ligarNota(1, 100, 60);
  EXPECT_EQ(log().back(), "B 91 3C 64");

  registro.clear();
  saida->selecionarDispositivo(-1);
  EXPECT_EQ(log(), (Lista{"B fechar", "A abrir -1"}));
  EXPECT_EQ(saida->getDispositivo(), -1);
}

TEST_F(SaidaMIDITest, IndiceRecusadoNaoMudaNada) {
  auto saida = criar({{"A", {"a0", "a1"}, {-1, 0, 1}}});
  saida->selecionarDispositivo(1);
  registro.clear();
  for (int indice : {2, -2, 1000}) {
    SCOPED_TRACE(indice);
    try {
      saida->selecionarDispositivo(indice);
      ADD_FAILURE() << "no exception";
    } catch (const OutOfBoundsException& e) {
      EXPECT_EQ(e.getIndice(), indice);
      EXPECT_EQ(e.getMensagem(), "exception/indiceInvalido" + std::to_string(indice) + "'");
      EXPECT_EQ(e.getRastro(), Lista{"SaidaMIDI::selecionarDispositivo(int)"});
    }
  }
  EXPECT_TRUE(log().empty());
  EXPECT_EQ(saida->getDispositivo(), 1);
  EXPECT_TRUE(saida->portaAberta());
}

TEST_F(SaidaMIDITest, ConfiguracaoCaiParaZeroQuandoODispositivoNaoExiste) {
  teste::PastaTemporaria pasta;
  GerenciadorConfiguracao configuracao(pasta / "tessara.ini");
  auto saida = criar({{"A", {"a0", "a1"}, {-1, 0, 1}}});
  const auto usar = [&saida](int indice) { saida->selecionarDispositivo(indice); };

  configuracao.setDriver(1, usar);
  EXPECT_EQ(configuracao.getDriver(), 1);
  EXPECT_EQ(saida->getDispositivo(), 1);

  configuracao.setDriver(5, usar);
  EXPECT_EQ(configuracao.getDriver(), 0);
  EXPECT_EQ(saida->getDispositivo(), 0);
  EXPECT_TRUE(saida->portaAberta());
}

TEST_F(SaidaMIDITest, DispositivoQueNaoAbreDescartaAsMensagensSemErro) {
  auto saida = criar({{"A", {"a0", "a1"}, {-1, 0}}});
  registro.clear();
  EXPECT_NO_THROW(saida->selecionarDispositivo(1));
  EXPECT_FALSE(saida->portaAberta());
  EXPECT_EQ(saida->getDispositivo(), 1);
  saida->ligarNota(1, 127, 60);
  saida->setInstrumento(1, 24);
  saida->reiniciar();
  EXPECT_EQ(log(), (Lista{"A fechar", "A abrir 1"}));
  EXPECT_EQ(saida->getInstrumentosCanal()[1], 24);  // recorded all the same
}

TEST_F(SaidaMIDITest, ReabrirMuitasVezesDeixaUmSoDispositivoAberto) {
  auto saida = criar({{"A", {"a0"}, {-1, 0}}, {"B", {"b0"}, {0}}});
  registro.clear();
  for (int i = 0; i < 500; ++i) saida->selecionarDispositivo(i % 3 - 1);
  int abertos = 1;  // the one construction opened
  for (const auto& linha : log()) {
    if (linha.find("abrir") != std::string::npos) ++abertos;
    if (linha.find("fechar") != std::string::npos) --abertos;
    ASSERT_LE(abertos, 1) << "two devices open at once";
  }
  EXPECT_EQ(abertos, 1);
  saida.reset();
  EXPECT_EQ(log().back(), "A fechar");  // destruction closes the port
}

}  // namespace
}  // namespace tessara
