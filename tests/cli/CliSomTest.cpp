#include <gtest/gtest.h>

#include "AnaliseWav.h"
#include "ExecucaoCli.h"
#include "PastaTemporaria.h"
#include "Processo.h"
#include "TesteCli.h"
#include "sound/PortaFluidSynth.h"

namespace tessara {
namespace {

using Argumentos = std::vector<std::string>;

class CliSom : public teste::TesteCli {
 protected:
  void exigirSoundFont() {
    if (PortaFluidSynth::procurarSoundFont().empty()) {
      GTEST_SKIP() << "no General MIDI SoundFont installed (package fluid-soundfont-gm)";
    }
  }

  teste::PastaTemporaria arquivos;
};

TEST_F(CliSom, DevicesComecaPeloSintetizadorEMarcaOConfigurado) {
  auto r = cli({"devices"});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida.substr(0, r.saida.find('\n') + 1), "*0\tBuilt-in synthesizer\n");

  configuracao.escrever("tessara.ini", "[geral]\ndriver=-1\n");  // none chosen yet
  r = cli({"devices"});
  EXPECT_EQ(r.saida.substr(0, r.saida.find('\n') + 1), "0\tBuilt-in synthesizer\n");
  EXPECT_EQ(r.saida.find('*'), std::string::npos);

  EXPECT_EQ(cli({"devices", "extra"}).status, 2);
  r = cli({"--lang", "pt", "devices"});
  EXPECT_EQ(r.saida.substr(0, r.saida.find('\n') + 1), "0\tSintetizador embutido\n");
}

TEST_F(CliSom, PlayRenderizaOAcordeNoWav) {
  exigirSoundFont();
  const auto wav = arquivos / "c.wav";
  const auto r = cli({"play", "x32010", "--wav", wav.string()});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, "C3,E3,G3,C4,E4\n");
  const auto som = teste::lerWav(wav);
  ASSERT_TRUE(som);
  EXPECT_EQ(som->taxa, 44100);
  EXPECT_EQ(som->bits, 16);
  EXPECT_EQ(som->canais, 2);
  EXPECT_GE(som->duracao(), 1.0);
  teste::verificarArpejo(*som, {130.8, 164.8, 196.0, 261.6, 329.6}, 0.160);
}

TEST_F(CliSom, PlayAceitaCasasSeparadasPorVirgulaEOInstrumentoEscolhido) {
  exigirSoundFont();
  const auto wav = (arquivos / "a.wav").string();
  struct Caso {
    Argumentos argumentos;
    std::string notas;
  };
  const std::vector<Caso> casos = {
      {{"play", "x,3,2,0,1,0", "--wav", wav}, "C3,E3,G3,C4,E4\n"},
      {{"play", "8, 10,10,9,8,8", "--wav", wav}, "C3,G3,C4,E4,G4,C5\n"},
      {{"play", "XX0232", "--wav", wav}, "D3,A3,D4,F#4\n"},
      {{"--instrument", "cavaquinho", "play", "0000", "--wav", wav}, "D3,G3,B3,E4\n"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.argumentos[1]);
    const auto r = cli(caso.argumentos);
    EXPECT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(r.saida, caso.notas);
  }
}

TEST_F(CliSom, PlayTocaNaSaidaDeAudio) {
  exigirSoundFont();
  // A sound card that plays into nothing: the ALSA null device as the user's default, with
  // the sound servers out of reach, so that the built-in synthesizer opens its audio output
  // here and plays in real time, whatever the machine has.
  teste::PastaTemporaria casa;
  casa.escrever(".asoundrc", "pcm.!default { type null }\n");
  const auto r = teste::executarProcesso(TESSARA_CLI, {"play", "x32010"},
                                         {{"TESSARA_CONFIG_DIR", configuracao.caminho().string()},
                                          {"HOME", casa.caminho().string()},
                                          {"PULSE_SERVER", "unix:" + (casa / "nenhum").string()},
                                          {"PIPEWIRE_REMOTE", (casa / "nenhum").string()}});
  EXPECT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, "C3,E3,G3,C4,E4\n");
  EXPECT_EQ(r.erros, "");
}

TEST_F(CliSom, PlayUsaOProgramaDoInstrumentoNoIdioma) {
  exigirSoundFont();
  // The built-in guitar is nylon (24) in Portuguese and steel (25) in English.
  for (const char* idioma : {"pt", "en"}) {
    const auto r = cli({"--lang", idioma, "play", "x32010", "--wav", (arquivos / idioma).string()});
    ASSERT_EQ(r.status, 0) << r.erros;
  }
  EXPECT_NE(teste::lerArquivo(arquivos / "pt"), teste::lerArquivo(arquivos / "en"));
}

TEST_F(CliSom, PlayRecusaSemEscreverNada) {
  const auto wav = (arquivos / "nada.wav").string();
  struct Caso {
    Argumentos argumentos;
    int status;
    std::string erro;
  };
  const std::vector<Caso> casos = {
      {{"play", "H7", "--wav", wav}, 1, "is not a chord name"},
      {{"play", "x3201", "--wav", wav}, 1, "gives 5 strings; the instrument has 6"},
      {{"play", "x,3,2,0,1,99", "--wav", wav}, 1, "fret 99 is past"},
      {{"play", "x32010", "--device", "99"}, 1, "no MIDI output device 99"},
      {{"play", "x32010", "--wav", (arquivos / "falta" / "a.wav").string()}, 1, "cannot render"},
      {{"--instrument", "theremin", "play", "x32010", "--wav", wav}, 2, "no instrument named"},
      {{"play", "x32010", "--wav", wav, "--device", "0"}, 2, "usage"},
      {{"play", "x32010", "--device"}, 2, "usage"},
      {{"play", "x32010", "--device", "one"}, 2, "usage"},
      {{"play"}, 2, "usage"},
      {{"play", "x32010", "x32010"}, 2, "usage"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(::testing::PrintToString(caso.argumentos));
    const auto r = cli(caso.argumentos);
    EXPECT_EQ(r.status, caso.status);
    EXPECT_TRUE(r.saida.empty()) << r.saida;
    EXPECT_NE(r.erros.find(caso.erro), std::string::npos) << r.erros;
  }
  EXPECT_FALSE(std::filesystem::exists(wav));
}

}  // namespace
}  // namespace tessara
