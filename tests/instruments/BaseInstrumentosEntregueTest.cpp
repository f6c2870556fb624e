// Checks the instrument base the build installs beside the executables.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "IdiomaTeste.h"
#include "PastaTemporaria.h"
#include "foundations/LeitorIni.h"
#include "instruments/TraducaoInstrumentos.h"
#include "instruments/XMLInstrumentoParser.h"
#include "model/Notas.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;

const fs::path PASTA_DADOS{TESSARA_BIN_DIR};

TEST(BaseInstrumentosEntregue, OsIdiomasNomeiamOArquivoEntregue) {
  for (const char* idioma : {"en.idm", "pt-BR.idm"}) {
    const auto nome =
        LeitorIni::deArquivo(PASTA_DADOS / idioma).ler("parametros", "baseInstrumentos", "");
    EXPECT_EQ(nome, "instrumentos.xml") << idioma;
  }
  EXPECT_TRUE(fs::is_regular_file(PASTA_DADOS / "instrumentos.xml"));
}

TEST(BaseInstrumentosEntregue, InstrumentosTocaveisNoFormatoDoPrograma) {
  teste::IdiomaTeste en("en");
  teste::IdiomaTeste pt("pt");
  teste::PastaTemporaria pasta;
  XMLInstrumentoParser parser(en.idiomas, pasta.caminho(), PASTA_DADOS);
  const auto arquivo = PASTA_DADOS / "instrumentos.xml";
  const auto instrumentos = parser.getInstrumentos(arquivo);
  ASSERT_GE(instrumentos.size(), 5u);

  // Exactly what the program writes for these instruments: CP1252, tabs, CR LF.
  EXPECT_EQ(teste::lerArquivo(arquivo), XMLInstrumentoParser::gerarTexto(instrumentos));

  std::set<std::string> nomes = {en.texto("geral", "violaoPadrao"),
                                 pt.texto("geral", "violaoPadrao"),
                                 en.texto("geral", "cavaquinhoPadrao")};
  for (const auto& i : instrumentos) {
    SCOPED_TRACE(i.getName());
    EXPECT_TRUE(nomes.insert(i.getName()).second) << "repeated or built-in name";
    EXPECT_GE(i.getDescricao().size(), 40u);
    EXPECT_GE(i.getNumeroCordas(), 4);
    EXPECT_LE(i.getNumeroCordas(), 6);
    // The editor's fret range: up to 12 frets with four strings, 14 with five or six.
    EXPECT_GE(i.getNumeroCasas(), 12);
    EXPECT_LE(i.getNumeroCasas(), i.getNumeroCordas() == 4 ? 12 : 14);
    EXPECT_GE(i.getDistancia(), 3);
    EXPECT_LE(i.getDistancia(), 5);
    EXPECT_GE(i.getSom(), 0);
    EXPECT_LE(i.getSom(), 127);
    EXPECT_EQ(i.getAfinacao().size(), static_cast<size_t>(i.getNumeroCordas()));
    for (int nota : i.getAfinacao()) {
      EXPECT_GE(nota, 24) << nomeNotaOitava(nota);
      EXPECT_LE(nota, 84) << nomeNotaOitava(nota);
    }
  }

  // First use copies it into the user's folder.
  const auto doUsuario = parser.prepararArquivo("instrumentos.xml");
  EXPECT_EQ(doUsuario, pasta / "instrumentos.xml");
  EXPECT_EQ(teste::lerArquivo(doUsuario), teste::lerArquivo(arquivo));
}

TEST(BaseInstrumentosEntregue, CadaIdiomaMostraOsInstrumentosEntreguesComPalavrasSuas) {
  teste::IdiomaTeste en("en");
  teste::IdiomaTeste pt("pt");
  teste::PastaTemporaria pasta;
  XMLInstrumentoParser parser(en.idiomas, pasta.caminho(), PASTA_DADOS);
  const TraducaoInstrumentos emIngles(en.idiomas);
  const TraducaoInstrumentos emPortugues(pt.idiomas);
  for (const auto& i : parser.getInstrumentos(PASTA_DADOS / "instrumentos.xml")) {
    SCOPED_TRACE(i.getName());
    // Portuguese words for every shipped instrument; the English file keeps its own words.
    EXPECT_NE(emPortugues.descricao(i.getName(), i.getDescricao()), i.getDescricao());
    EXPECT_FALSE(emPortugues.nome(i.getName()).empty());
    EXPECT_EQ(emIngles.descricao(i.getName(), i.getDescricao()), i.getDescricao());
  }
  EXPECT_EQ(emPortugues.nome("Bass guitar (E A D G)"), "Contrabaixo (E A D G)");
  EXPECT_EQ(emIngles.nome("Viola caipira (cebol\xE3o em Mi)"), "Viola caipira (cebol\xE3o in E)");
}

}  // namespace
}  // namespace tessara
