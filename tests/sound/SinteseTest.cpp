#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>

#include "AnaliseWav.h"
#include "PastaTemporaria.h"
#include "PortaGravacao.h"
#include "TextosTeste.h"
#include "sound/ArquivoWav.h"
#include "sound/PortaFluidSynth.h"
#include "sound/RelogioVirtual.h"
#include "sound/ReprodutorMIDI.h"

namespace tessara {
namespace {

using Lista = std::vector<std::string>;

// Sets an environment variable for one test and puts the old value back.
class VariavelAmbiente {
 public:
  VariavelAmbiente(const char* nome, const std::string& valor) : nome_(nome) {
    if (const char* antigo = std::getenv(nome)) antigo_ = antigo;
    ::setenv(nome, valor.c_str(), 1);
  }
  ~VariavelAmbiente() {
    if (antigo_) {
      ::setenv(nome_, antigo_->c_str(), 1);
    } else {
      ::unsetenv(nome_);
    }
  }

 private:
  const char* nome_;
  std::optional<std::string> antigo_;
};

// The built-in synthesizer rendering into a WAV file on a virtual clock, so that the file
// holds the exact schedule of the messages.
class SinteseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    soundFont = PortaFluidSynth::procurarSoundFont();
    if (soundFont.empty()) {
      GTEST_SKIP() << "no General MIDI SoundFont installed (package fluid-soundfont-gm), "
                      "the built-in synthesizer cannot be heard";
    }
  }

  std::unique_ptr<SaidaMIDI> sintetizadorEm(const std::filesystem::path& wav) {
    return std::make_unique<SaidaMIDI>(
        [this, wav](Relogio& r) {
          std::vector<std::unique_ptr<MidiPort>> portas;
          portas.push_back(std::make_unique<PortaFluidSynth>(r, soundFont, wav));
          return portas;
        },
        relogio, textos);
  }

  std::filesystem::path soundFont;
  RelogioVirtual relogio;
  teste::TextosTeste textos;
  teste::PastaTemporaria pasta;
};

TEST_F(SinteseTest, AcordeDeDoSoaNasCordasCertasComIntervalosDe160ms) {
  // C as x32010 on the built-in guitar (40 45 50 55 59 64), with the guitar's programs in
  // Portuguese (nylon) and English (steel).
  const std::vector<int> notas = {-1, 45 + 3, 50 + 2, 55, 59 + 1, 64};
  const std::vector<double> fundamentais = {130.8, 164.8, 196.0, 261.6, 329.6};
  for (int programa : {24, 25}) {
    SCOPED_TRACE(programa);
    const auto arquivo = pasta / ("c" + std::to_string(programa) + ".wav");
    {
      auto saida = sintetizadorEm(arquivo);
      ASSERT_TRUE(saida->portaAberta());
      saida->setInstrumento(ReprodutorMIDI::CANAL, programa);
      ReprodutorMIDI(*saida).tocarAcorde(notas);
    }  // the file is complete once the port closes

    const auto som = teste::lerWav(arquivo);
    ASSERT_TRUE(som);
    EXPECT_EQ(som->taxa, 44100);
    EXPECT_EQ(som->bits, 16);
    EXPECT_EQ(som->canais, 2);
    // Five strings 160 ms apart, the reset 160 ms after the last, then the release.
    EXPECT_NEAR(som->duracao(), 0.8 + PortaFluidSynth::CAUDA.count() / 1000.0, 0.01);
    EXPECT_GT(som->pico(), 0.2) << "too quiet to hear at a normal level";
    EXPECT_LT(som->pico(), 0.99) << "clipped";

    teste::verificarArpejo(*som, fundamentais, 0.160);
    // C3, E3 and G3 are nobody's overtones here: each is silent until its own string sounds.
    // (C4 and E4 are the octaves of C3 and E3, whose overtones are there before them.)
    for (size_t k = 0; k < 3; ++k) {
      SCOPED_TRACE(fundamentais[k]);
      const double t = 0.160 * static_cast<double>(k);
      EXPECT_GT(som->potencia(fundamentais[k], t + 0.01, t + 0.15),
                100 * som->potencia(fundamentais[k], t - 0.14, t - 0.01));
    }
  }
}

TEST_F(SinteseTest, ReabrirReescreveOArquivoInteiro) {
  const auto arquivo = pasta / "nota.wav";
  auto saida = sintetizadorEm(arquivo);
  for (int vez = 0; vez < 3; ++vez) {
    saida->selecionarDispositivo(vez % 2 == 0 ? 0 : -1);
    ASSERT_TRUE(saida->portaAberta());
    ReprodutorMIDI(*saida).tocarEscala({60});
  }
  saida.reset();
  const auto som = teste::lerWav(arquivo);
  ASSERT_TRUE(som);
  // Only the last opening is in the file: one second of note, then the release.
  EXPECT_NEAR(som->duracao(), 1.0 + PortaFluidSynth::CAUDA.count() / 1000.0, 0.01);
  EXPECT_GT(som->potencia(261.6, 0.05, 0.9), 100 * som->potencia(246.9, 0.05, 0.9));
}

TEST_F(SinteseTest, VariavelDoWavLevaOSintetizadorDoSistemaParaOArquivo) {
  const auto arquivo = pasta / "sistema.wav";
  const VariavelAmbiente wav("TESSARA_MIDI_WAV", arquivo.string());
  {
    SaidaMIDI saida(&SaidaMIDI::portasDoSistema, relogio, textos);
    EXPECT_EQ(saida.listarDispositivos().front(), PortaFluidSynth::NOME);
    EXPECT_EQ(saida.getDispositivo(), -1);
    ASSERT_TRUE(saida.portaAberta());
    ReprodutorMIDI(saida).tocarAcorde({-1, -1, -1, -1, -1, 64});
  }
  const auto som = teste::lerWav(arquivo);
  ASSERT_TRUE(som);
  EXPECT_GT(som->potencia(329.6, 0.02, 0.16), 20 * som->potencia(311.1, 0.02, 0.16));
}

TEST(PortaFluidSynth, SemSoundFontOuSemArquivoNaoAbreEOProximoDispositivoEUsado) {
  teste::PastaTemporaria pasta;
  RelogioVirtual relogio;
  teste::TextosTeste textos;
  std::vector<teste::RegistroMidi> registro;
  const auto soundFont = PortaFluidSynth::procurarSoundFont();
  struct Caso {
    const char* descricao;
    std::filesystem::path soundFont;
    std::filesystem::path wav;
  };
  std::vector<Caso> casos = {{"missing SoundFont", pasta / "nenhum.sf2", pasta / "a.wav"}};
  if (!soundFont.empty()) {
    casos.push_back({"WAV in a missing folder", soundFont, pasta / "nenhuma" / "a.wav"});
  }
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.descricao);
    registro.clear();
    SaidaMIDI saida(
        [&](Relogio& r) {
          std::vector<std::unique_ptr<MidiPort>> portas;
          portas.push_back(std::make_unique<PortaFluidSynth>(r, caso.soundFont, caso.wav));
          portas.push_back(
              std::make_unique<teste::PortaGravacao>(Lista{"g"}, std::set<int>{0}, r, registro));
          return portas;
        },
        relogio, textos);
    EXPECT_EQ(saida.listarDispositivos(), (Lista{PortaFluidSynth::NOME, "g"}));
    EXPECT_EQ(saida.getDispositivo(), 1);
    EXPECT_EQ(teste::textos(registro).front(), "abrir 0");

    // Selecting the synthesizer again leaves the output closed, silently.
    saida.selecionarDispositivo(0);
    EXPECT_FALSE(saida.portaAberta());
    EXPECT_NO_THROW(ReprodutorMIDI(saida).tocarAcorde({40, 45}));
  }
  EXPECT_FALSE(std::filesystem::exists(pasta / "a.wav"));
}

TEST(PortaFluidSynth, SoundFontEscolhidaPeloAmbiente) {
  const VariavelAmbiente escolhida("TESSARA_SOUNDFONT", "/opt/sons/meu.sf2");
  EXPECT_EQ(PortaFluidSynth::procurarSoundFont(), "/opt/sons/meu.sf2");
}

TEST(ArquivoWav, CabecalhoDescreveOQueFoiEscritoAteAgora) {
  teste::PastaTemporaria pasta;
  ArquivoWav wav(pasta / "a.wav");
  ASSERT_TRUE(wav.aberto());
  const int16_t amostras[] = {0, 0, 16384, -16384, -32768, 32767};
  for (size_t quadros : {1u, 2u}) {
    wav.acrescentar(amostras + 2 * (3 - quadros), quadros);
  }
  // Nothing replaces the file until it is concluded.
  EXPECT_FALSE(std::filesystem::exists(pasta / "a.wav"));
  ASSERT_TRUE(wav.concluir());
  const std::string bytes = teste::lerArquivo(pasta / "a.wav");
  ASSERT_EQ(bytes.size(), 44u + 3 * 4);
  EXPECT_EQ(bytes.substr(0, 4), "RIFF");
  EXPECT_EQ(static_cast<unsigned char>(bytes[4]), 36 + 12);
  EXPECT_EQ(static_cast<unsigned char>(bytes[40]), 12);  // data size
  const auto som = teste::lerWav(pasta / "a.wav");
  ASSERT_TRUE(som);
  EXPECT_EQ(som->taxa, 44100);
  EXPECT_EQ(som->canais, 2);
  ASSERT_EQ(som->mono.size(), 3u);
  EXPECT_DOUBLE_EQ(som->mono[0], (-32768 + 32767) / 2.0 / 32768);  // little-endian, L then R
  EXPECT_FALSE(ArquivoWav(pasta / "nenhuma" / "b.wav").aberto());
}

}  // namespace
}  // namespace tessara
