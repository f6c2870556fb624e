#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BytesWav.h"
#include "PastaTemporaria.h"
#include "TesteCli.h"
#include "sound/PortaFluidSynth.h"

namespace tessara {
namespace {

using teste::BytesWav;

class CliOuvir : public teste::TesteCli {
 protected:
  CliOuvir() { idioma = "en"; }

  std::string seno(const std::string& nome, double frequencia, uint32_t taxa = 44100) {
    BytesWav wav;
    wav.taxa = taxa;
    wav.dados = BytesWav::seno16(frequencia, 1.0, taxa);
    return arquivos.escrever(nome, wav.bytes()).string();
  }

  teste::PastaTemporaria arquivos;
};

TEST_F(CliOuvir, ListenNomeiaOAcordeQueOPlayRenderizou) {
  if (PortaFluidSynth::procurarSoundFont().empty()) GTEST_SKIP() << "no SoundFont installed";
  const std::string wav = (arquivos / "am.wav").string();
  ASSERT_EQ(cli({"play", "x02210", "--wav", wav}).status, 0);
  auto r = cli({"listen", wav, "--format", "tsv"});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida.substr(0, 5), "0.00\t");
  EXPECT_EQ(r.saida.substr(r.saida.rfind('\t')), "\tAm\n");
  r = cli({"listen", wav});
  EXPECT_EQ(r.saida.substr(0, 8), "    0.00");
  EXPECT_NE(r.saida.find("  Am\n"), std::string::npos) << r.saida;
}

TEST_F(CliOuvir, TuneDizANotaEACordaMaisProxima) {
  const std::string la = seno("la.wav", 440);
  auto r = cli({"tune", la});
  ASSERT_EQ(r.status, 0) << r.erros;
  EXPECT_EQ(r.saida, "A4 440.0 Hz +0.1 cents\nstring 5 (E4) +500.1 cents\n");
  // The A of another reference, the strings of another instrument, a capo.
  r = cli({"tune", la, "--reference", "415", "--instrument", "Cavaquinho"});
  EXPECT_EQ(r.saida, "A#4 440.0 Hz +1.3 cents\nstring 3 (E4) +601.3 cents\n") << r.erros;
  r = cli({"--capo", "5", "tune", seno("mi.wav", 110, 8000)});
  EXPECT_EQ(r.saida, "A2 110.0 Hz +0.1 cents\nstring 0 (A2) +0.1 cents\n") << r.erros;
}

// What cannot be heard is named with the reason, and nothing is printed on the output.
TEST_F(CliOuvir, ArquivosRuinsEArgumentosRecusados) {
  BytesWav vazio;
  BytesWav lento;
  lento.taxa = 100;
  lento.dados = std::string(200, '\0');
  BytesWav adpcm;
  adpcm.formato = 2;
  adpcm.bits = 4;
  BytesWav silencio;
  silencio.dados = std::string(44100, '\0');
  const struct {
    std::vector<std::string> argumentos;
    int status;
    std::string erro;
  } casos[] = {
      {{"listen", (arquivos / "nada.wav").string()}, 1, "no such file"},
      {{"tune", arquivos.escrever("texto.wav", "not a WAV file at all").string()}, 1, "RIFF"},
      {{"listen", arquivos.escrever("vazio.wav", vazio.bytes()).string()}, 1, "no sound"},
      {{"tune", arquivos.escrever("lento.wav", lento.bytes()).string()}, 1, "100 Hz"},
      {{"listen", arquivos.escrever("adpcm.wav", adpcm.bytes()).string()}, 1, "not PCM"},
      {{"tune", arquivos.escrever("silencio.wav", silencio.bytes()).string()}, 1, "no clear note"},
      {{"listen"}, 2, "FILE.wav"},
      {{"listen", "a.wav", "--format", "xml"}, 2, "--format"},
      {{"tune", "a.wav", "--reference", "500"}, 2, "--reference"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.argumentos.front() + " " + c.erro);
    const auto r = cli(c.argumentos);
    EXPECT_EQ(r.status, c.status);
    EXPECT_NE(r.erros.find(c.erro), std::string::npos) << r.erros;
    EXPECT_EQ(r.saida, "");
  }
}

}  // namespace
}  // namespace tessara
