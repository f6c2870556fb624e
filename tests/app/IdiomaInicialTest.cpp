#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

#include "FachadaGUIGravada.h"
#include "InteracaoGravada.h"
#include "PastaTemporaria.h"
#include "app/Fachada.h"
#include "app/Nucleo.h"
#include "foundations/NomeIdioma.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;

// The program's objects over both language files and a user folder that lives across starts,
// in the environment each start is given.
class IdiomaInicialTest : public ::testing::Test {
 protected:
  IdiomaInicialTest() {
    fs::create_directories(pasta / "programa");
    for (const char* arquivo : {"en.idm", "pt-BR.idm"}) {
      fs::copy_file(fs::path(TESSARA_SOURCE_DATA) / arquivo, pasta / "programa" / arquivo);
    }
  }

  struct Partida {
    Partida(const teste::PastaTemporaria& pasta, std::map<std::string, std::string> ambiente)
        : nucleo(entradas(pasta, std::move(ambiente))) {
      nucleo.definirInteracao(&interacao);
      nucleo.definirFachadaGUI(&gui);
    }
    ~Partida() {
      nucleo.definirFachadaGUI(nullptr);
      nucleo.definirInteracao(nullptr);
    }
    static Nucleo::Entradas entradas(const teste::PastaTemporaria& pasta,
                                     std::map<std::string, std::string> ambiente) {
      auto e = Nucleo::Entradas::nasPastas(pasta / "programa", pasta / "usuario");
      e.ambiente = Ambiente::com(std::move(ambiente));
      return e;
    }
    teste::InteracaoGravada interacao;
    teste::FachadaGUIGravada gui{interacao};
    Nucleo nucleo;
  };

  teste::PastaTemporaria pasta;
};

TEST_F(IdiomaInicialTest, PrimeiraPartidaNoIdiomaDoLocale) {
  const struct {
    const char* lang;
    std::string idioma;
  } casos[] = {{"pt_BR.UTF-8", nomeIdiomaPortugues()}, {"C", "English"}, {"de_DE", "English"}};
  for (const auto& c : casos) {
    Partida partida(pasta, {{"LANG", c.lang}});
    Fachada& fachada = partida.nucleo.fachada();
    EXPECT_EQ(fachada.getIdiomaConfigurado(), c.idioma) << c.lang;
    ASSERT_TRUE(fachada.selecionarIdiomaConfigurado()) << c.lang;
    EXPECT_EQ(fachada.getNomeIdiomaAtual(), c.idioma) << c.lang;
    EXPECT_TRUE(partida.interacao.mensagens.empty()) << c.lang;
  }
}

// A language chosen because the configured one is gone is the one the next start uses,
// whatever the locale says.
TEST_F(IdiomaInicialTest, IdiomaEscolhidoFicaParaAProximaPartida) {
  fs::create_directories(pasta / "usuario");
  pasta.escrever("usuario/tessara.ini", "[geral]\nidioma=Deutsch\n");
  {
    Partida primeira(pasta, {{"LANG", "C"}});
    Fachada& fachada = primeira.nucleo.fachada();
    const auto nomes = fachada.getNomesIdiomas();
    primeira.interacao.escolha = static_cast<int>(
        std::find(nomes.begin(), nomes.end(), nomeIdiomaPortugues()) - nomes.begin());
    ASSERT_TRUE(fachada.selecionarIdiomaConfigurado());
    EXPECT_EQ(primeira.interacao.escolhasOferecidas.size(), 1u);
    fachada.salvarConfiguracao(false);
  }
  Partida segunda(pasta, {{"LANG", "C"}});
  Fachada& fachada = segunda.nucleo.fachada();
  EXPECT_EQ(fachada.getIdiomaConfigurado(), nomeIdiomaPortugues());
  ASSERT_TRUE(fachada.selecionarIdiomaConfigurado());
  EXPECT_EQ(fachada.getNomeIdiomaAtual(), nomeIdiomaPortugues());
  EXPECT_TRUE(segunda.interacao.escolhasOferecidas.empty());
}

}  // namespace
}  // namespace tessara
