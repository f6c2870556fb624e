#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "PastaTemporaria.h"
#include "foundations/Cp1252.h"
#include "foundations/GerenciadorConfiguracao.h"
#include "foundations/OutOfBoundsException.h"

namespace tessara {
namespace {

using teste::lerArquivo;
using teste::PastaTemporaria;

class ConfiguracaoTest : public ::testing::Test {
 protected:
  GerenciadorConfiguracao carregar(std::string_view conteudo) const {
    return GerenciadorConfiguracao(pasta.escrever("tessara.ini", conteudo));
  }
  PastaTemporaria pasta;
};

TEST_F(ConfiguracaoTest, SemArquivoValemOsPadroesDasChaves) {
  const GerenciadorConfiguracao c(pasta / "tessara.ini");
  EXPECT_EQ(c.getIdioma(), "English");
  EXPECT_EQ(c.getDriver(), 0);
  EXPECT_EQ(c.getPosicaoBraco(), 0);
  EXPECT_EQ(c.volume, 50);
  EXPECT_EQ(c.getNomeInstrumento(), TXT("Violão Padrão"));
  EXPECT_EQ(c.getExibicaoEscalas(), 0);
  EXPECT_FALSE(std::filesystem::exists(pasta / "tessara.ini"));
}

// A file edited in a UTF-8 editor and one written in CP1252 before both read right, each
// value on its own; a CP1252 value that happens to be well-formed UTF-8 is not a case here.
TEST_F(ConfiguracaoTest, TextosEmUtf8OuCp1252) {
  const std::string pt = TXT("Português (Brasil)");
  const std::string viola = TXT("Viola caipira (cebolão em Mi)");
  const struct {
    std::string idioma;
    std::string instrumento;
  } casos[] = {
      {"Português (Brasil)", "Viola caipira (cebolão em Mi)"},  // UTF-8
      {pt, viola},                                              // CP1252
      {"Português (Brasil)", viola},
      {pt, "Viola caipira (cebolão em Mi)"},
  };
  for (const auto& c : casos) {
    const auto lida =
        carregar("[geral]\nidioma=" + c.idioma + "\ninstrumento=" + c.instrumento + "\n");
    EXPECT_FALSE(lida.arquivoDanificado());
    EXPECT_EQ(lida.getIdioma(), pt) << c.idioma;
    EXPECT_EQ(lida.getNomeInstrumento(), viola) << c.instrumento;
  }
  // A character CP1252 does not hold cannot name anything of ours; it does not damage the file.
  EXPECT_EQ(carregar("[geral]\ninstrumento=Guitarra ★\n").getNomeInstrumento(), "Guitarra ?");
}

// The first start (no file, or a file that names no language) takes the language it is given,
// the locale's; a file that names one keeps it.
TEST_F(ConfiguracaoTest, IdiomaInicialSoSemIdiomaNoArquivo) {
  const std::string pt = TXT("Português (Brasil)");
  EXPECT_EQ(GerenciadorConfiguracao(pasta / "nenhum.ini", pt).getIdioma(), pt);
  EXPECT_EQ(GerenciadorConfiguracao(pasta.escrever("a.ini", "[geral]\nvolume=3\n"), pt).getIdioma(),
            pt);
  EXPECT_EQ(
      GerenciadorConfiguracao(pasta.escrever("b.ini", "[geral]\nidioma=English\n"), pt).getIdioma(),
      "English");
}

TEST_F(ConfiguracaoTest, LeTodosOsCampos) {
  const auto c = carregar(
      "[Geral]\r\n"
      "DRIVER = 3\r\n"
      "idioma=" +
      TXT("Português (Brasil)") +
      "\r\n"
      "posicaoBraco=1\r\npoliticaNovoInstrumento=-2\r\npoliticaNovoPadrao=4\r\nvolume=70\r\n"
      "instrumento=Cavaquinho\r\nvisualExecucao=5\r\nvisualAcordes=6\r\nexibicaoEscalas=1\r\n");
  EXPECT_EQ(c.getDriver(), 3);
  EXPECT_EQ(c.getIdioma(), TXT("Português (Brasil)"));
  EXPECT_EQ(c.getPosicaoBraco(), 1);
  EXPECT_EQ(c.politicaNovoInstrumento, -2);
  EXPECT_EQ(c.politicaNovoPadrao, 4);
  EXPECT_EQ(c.volume, 70);
  EXPECT_EQ(c.getNomeInstrumento(), "Cavaquinho");
  EXPECT_EQ(c.visualExecucao, 5);
  EXPECT_EQ(c.visualAcordes, 6);
  EXPECT_EQ(c.getExibicaoEscalas(), 1);
}

// The capo is a fret the window offers (0..12); any other number reads as no capo, without
// counting the file as damaged. The voicing is kept as written.
TEST_F(ConfiguracaoTest, CapoForaDaFaixaLeComoNenhum) {
  const struct {
    const char* linha;
    int capo;
  } casos[] = {{"capo=0", 0},  {"capo=5", 5},  {"capo=12", 12},
               {"capo=13", 0}, {"capo=-1", 0}, {"", 0}};
  for (const auto& caso : casos) {
    const auto c = carregar(std::string("[geral]\n") + caso.linha + "\ndisposicao=drop2\n");
    EXPECT_EQ(c.getCapo(), caso.capo) << caso.linha;
    EXPECT_EQ(c.getDisposicao(), "drop2") << caso.linha;
    EXPECT_FALSE(c.arquivoDanificado()) << caso.linha;
  }
  EXPECT_EQ(carregar("[geral]\n").getDisposicao(), "root");
}

// The window's size is 100 to 200 percent; anything else reads as 100, the file not damaged.
// The tuner's A is 415 to 466 Hz; anything else reads as 440, the file not damaged. A device
// name reads back as written, none being the system's default.
TEST_F(ConfiguracaoTest, ReferenciaLaForaDaFaixaLeComo440) {
  const struct {
    const char* linha;
    int hz;
  } casos[] = {{"referenciaLa=415", 415}, {"referenciaLa=466", 466}, {"referenciaLa=432", 432},
               {"referenciaLa=414", 440}, {"referenciaLa=467", 440}, {"", 440}};
  for (const auto& caso : casos) {
    const auto c = carregar(std::string("[geral]\n") + caso.linha + "\n");
    EXPECT_EQ(c.getReferenciaLa(), caso.hz) << caso.linha;
    EXPECT_FALSE(c.arquivoDanificado()) << caso.linha;
  }
  EXPECT_EQ(carregar("[geral]\n").getEntradaAudio(), "");
  EXPECT_EQ(carregar("[geral]\nentradaAudio=USB Mic\n").getEntradaAudio(), "USB Mic");
}

TEST_F(ConfiguracaoTest, EscalaDaJanelaForaDaFaixaLeComoCem) {
  const struct {
    const char* linha;
    int escala;
  } casos[] = {{"escala=100", 100}, {"escala=150", 150}, {"escala=200", 200},
               {"escala=99", 100},  {"escala=250", 100}, {"", 100}};
  for (const auto& caso : casos) {
    const auto c = carregar(std::string("[geral]\n") + caso.linha + "\n");
    EXPECT_EQ(c.getEscala(), caso.escala) << caso.linha;
    EXPECT_FALSE(c.arquivoDanificado()) << caso.linha;
  }
}

// A value that is not a number resets every field, also those read before it.
TEST_F(ConfiguracaoTest, ValorInvalidoReiniciaTudo) {
  for (const char* ruim :
       {"volume=abc", "volume=", "volume=12x", "volume=99999999999", "visualAcordes=0x10"}) {
    const auto c = carregar(std::string("[geral]\ndriver=4\nidioma=Deutsch\nposicaoBraco=1\n") +
                            ruim + "\ninstrumento=Cavaquinho\n");
    EXPECT_EQ(c.getDriver(), 0) << ruim;
    EXPECT_EQ(c.getIdioma(), "English") << ruim;
    EXPECT_EQ(c.getPosicaoBraco(), 2) << ruim;
    EXPECT_EQ(c.volume, 50) << ruim;
    EXPECT_EQ(c.getNomeInstrumento(), TXT("Violão Padrão")) << ruim;
    EXPECT_EQ(c.getExibicaoEscalas(), 0) << ruim;
  }
}

// One typo must not lose the other values silently: the damaged file is kept beside, the
// latest one replacing an older one, and a good file leaves nothing beside.
TEST_F(ConfiguracaoTest, ArquivoDanificadoFicaGuardado) {
  const auto danificado = pasta / "tessara.ini.damaged";
  // Each kind of damage, kept whole: a typo, a file saved as UTF-16, one past the size limit.
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("[geral]\nvolume=7\n")) utf16 += std::string{c, '\0'};
  const std::string grande =
      "[geral]\n" + std::string(GerenciadorConfiguracao::TAMANHO_MAXIMO, '#');
  for (const std::string& conteudo : {std::string("[geral]\nvolume=5O\n"), utf16, grande}) {
    EXPECT_TRUE(carregar(conteudo).arquivoDanificado()) << conteudo.size();
    EXPECT_EQ(lerArquivo(danificado), conteudo) << conteudo.size();
  }

  const std::string primeiro = "[geral]\nidioma=Deutsch\nvolume=5O\n";
  const std::string segundo = "[geral]\ndriver=x\n";
  EXPECT_TRUE(carregar(primeiro).arquivoDanificado());
  EXPECT_EQ(lerArquivo(danificado), primeiro);
  EXPECT_TRUE(carregar(segundo).arquivoDanificado());
  EXPECT_EQ(lerArquivo(danificado), segundo);
  EXPECT_FALSE(carregar("[geral]\nvolume=50\n").arquivoDanificado());
  EXPECT_EQ(lerArquivo(danificado), segundo);
}

// Only a regular file of bounded size is read; anything else is a damaged file, read at once
// and without filling memory.
TEST_F(ConfiguracaoTest, SoUmArquivoComumDeTamanhoLimitado) {
  namespace fs = std::filesystem;
  const std::string bom = "[geral]\nvolume=7\n";
  const std::string grande = bom + std::string(GerenciadorConfiguracao::TAMANHO_MAXIMO, '#');
  const auto noLimite =
      bom + std::string(GerenciadorConfiguracao::TAMANHO_MAXIMO - bom.size(), ' ');
  EXPECT_EQ(carregar(noLimite).volume, 7);
  const auto c = carregar(grande);
  EXPECT_TRUE(c.arquivoDanificado());
  EXPECT_EQ(c.volume, 50);

  const auto fifo = pasta / "fifo.ini";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const auto zero = pasta / "zero.ini";
  fs::create_symlink("/dev/zero", zero);
  const auto pastaIni = pasta / "pasta.ini";
  fs::create_directory(pastaIni);
  for (const auto& arquivo : {fifo, zero, pastaIni}) {
    const GerenciadorConfiguracao lido(arquivo);
    EXPECT_TRUE(lido.arquivoDanificado()) << arquivo;
    EXPECT_EQ(lido.getPosicaoBraco(), 2) << arquivo;  // the reset value
    // Nor is it written through: that would hang on a pipe and "save" into /dev/zero.
    std::string erro;
    EXPECT_FALSE(lido.salvar(&erro)) << arquivo;
    EXPECT_NE(erro.find(arquivo.string()), std::string::npos) << erro;
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(ConfiguracaoTest, CamposDeOitoBitsGuardamOsBitsBaixos) {
  struct Caso {
    const char* valor;
    int esperado;
  };
  for (const Caso& caso : {Caso{"258", 2}, Caso{"200", -56}, Caso{"-129", 127}, Caso{"+3", 3}}) {
    const auto c = carregar(std::string("[geral]\nposicaoBraco=") + caso.valor + "\n");
    EXPECT_EQ(c.getPosicaoBraco(), caso.esperado) << caso.valor;
  }
}

TEST_F(ConfiguracaoTest, SalvarEscreveExatamenteAsDezesseteLinhas) {
  auto c = carregar("[outra]\nx=1\n[geral]\nposicaoBraco=200\nchaveExtra=9\nidioma=English\n");
  c.setNomeInstrumento(TXT("Violão 7"));
  c.setExibicaoEscalas(1);
  c.setEntradaAudio(TXT("Microfone Analógico"));
  c.setReferenciaLa(442);
  ASSERT_TRUE(c.salvar());
  // In UTF-8, as the user's editor shows it.
  EXPECT_EQ(
      lerArquivo(c.getArquivo()),
      "[geral]\ndriver=0\nidioma=English\nposicaoBraco=-56\npoliticaNovoInstrumento=0\n"
      "politicaNovoPadrao=0\nvolume=50\ninstrumento=Violão 7\nvisualExecucao=0\n"
      "visualAcordes=0\nexibicaoEscalas=1\ncapo=0\ndisposicao=root\nescala=100\nbracoInteiro=0\n"
      "entradaAudio=Microfone Analógico\nreferenciaLa=442\n");
  // What was written reads back the same.
  const GerenciadorConfiguracao relida(c.getArquivo());
  EXPECT_EQ(relida.conteudoArquivo(), c.conteudoArquivo());
}

TEST_F(ConfiguracaoTest, FalhaAoSalvarMantemOArquivoAntigo) {
  // The settings path lies under a regular file: the folder cannot exist.
  pasta.escrever("bloqueio", "x");
  const GerenciadorConfiguracao impossivel(pasta / "bloqueio" / "tessara.ini");
  EXPECT_FALSE(impossivel.salvar());

  // The target is a folder with content: the rename fails and the old content stays.
  const auto alvo = pasta / "ocupado.ini";
  std::filesystem::create_directories(alvo / "dentro");
  const GerenciadorConfiguracao c(alvo);
  EXPECT_FALSE(c.salvar());
  EXPECT_TRUE(std::filesystem::is_directory(alvo / "dentro"));
  for (const auto& e : std::filesystem::directory_iterator(pasta.caminho())) {
    EXPECT_EQ(e.path().filename().string().find(".ocupado.ini"), std::string::npos)
        << "temporary file left behind: " << e.path();
  }
}

TEST_F(ConfiguracaoTest, DriverRecusadoVoltaParaZero) {
  GerenciadorConfiguracao c(pasta / "tessara.ini");
  std::vector<int> pedidos;
  auto dispositivos = [&pedidos](int indice) {
    pedidos.push_back(indice);
    if (indice > 2) throw OutOfBoundsException("canal", indice, "SaidaMIDI", "setDevice");
  };
  c.setDriver(2, dispositivos);
  EXPECT_EQ(c.getDriver(), 2);
  c.setDriver(5, dispositivos);
  EXPECT_EQ(c.getDriver(), 0);
  EXPECT_EQ(pedidos, (std::vector<int>{2, 5, 0}));
}

}  // namespace
}  // namespace tessara
