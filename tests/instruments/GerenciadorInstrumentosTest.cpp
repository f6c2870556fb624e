#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "IdiomaTeste.h"
#include "PastaTemporaria.h"
#include "foundations/Cp1252.h"
#include "foundations/FileNotFoundException.h"
#include "foundations/IllegalArgumentException.h"
#include "foundations/OutOfBoundsException.h"
#include "instruments/BaseIlegivelException.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "instruments/XMLInstrumentoParser.h"

namespace tessara {
namespace {

namespace fs = std::filesystem;

InstrumentoCordas instrumento(const std::string& nome, int som = 24) {
  return InstrumentoCordas(nome, "d", 4, 12, 3, som, {50, 55, 59, 64}, false);
}

class GerenciadorInstrumentosTest : public ::testing::Test {
 protected:
  explicit GerenciadorInstrumentosTest(const std::string& codigo = "en") : idioma(codigo) {
    XMLInstrumentoParser(idioma.idiomas, pasta.caminho(), pasta.caminho())
        .salvar(arquivo, {instrumento("Bandolim"), instrumento("Ukulele")});
  }

  std::vector<std::string> nomes() { return gerenciador.getNomesInstrumentos(); }

  teste::IdiomaTeste idioma;
  teste::PastaTemporaria pasta;
  const fs::path arquivo = pasta / "instrumentos.xml";
  XMLInstrumentoParser parser{idioma.idiomas, pasta.caminho(), pasta.caminho()};
  GerenciadorInstrumentos gerenciador{idioma.idiomas, parser, arquivo};
};

class GerenciadorInstrumentosPortugues : public GerenciadorInstrumentosTest {
 protected:
  GerenciadorInstrumentosPortugues() : GerenciadorInstrumentosTest("pt") {}
};

TEST_F(GerenciadorInstrumentosTest, InstrumentosEmbutidosNoIdioma) {
  EXPECT_EQ(gerenciador.getNumeroPadroes(), 2);
  EXPECT_EQ(nomes(),
            (std::vector<std::string>{"Standard Guitar", "Cavaquinho", "Bandolim", "Ukulele"}));
  const auto violao = gerenciador.getInstrumento(0);
  EXPECT_EQ(violao.getDescricao(), idioma.texto("geral", "descricaoViolaoPadrao"));
  EXPECT_EQ(violao.getNumeroCordas(), 6);
  EXPECT_EQ(violao.getNumeroCasas(), 12);
  EXPECT_EQ(violao.getDistancia(), 3);
  EXPECT_EQ(violao.getSom(), 25);
  EXPECT_EQ(violao.getAfinacao(), (std::vector<int>{40, 45, 50, 55, 59, 64}));
  EXPECT_TRUE(violao.usaBaseAcordes());
  const auto cavaquinho = gerenciador.getInstrumento(1);
  EXPECT_EQ(cavaquinho.getDescricao(), idioma.texto("geral", "descricaoCavaquinhoPadrao"));
  EXPECT_EQ(cavaquinho.getNumeroCordas(), 4);
  EXPECT_EQ(cavaquinho.getDistancia(), 4);
  EXPECT_EQ(cavaquinho.getSom(), 24);
  EXPECT_EQ(cavaquinho.getAfinacao(), (std::vector<int>{50, 55, 59, 64}));
  EXPECT_FALSE(cavaquinho.usaBaseAcordes());
  EXPECT_EQ(gerenciador.getInstrumento(3).getName(), "Ukulele");
  EXPECT_FALSE(gerenciador.getInstrumento(3).usaBaseAcordes());

  const auto todos = gerenciador.getInstrumentos();
  ASSERT_EQ(todos.size(), 4u);
  for (size_t i = 0; i < todos.size(); ++i) {
    EXPECT_EQ(todos[i].getName(), nomes()[i]);
    EXPECT_EQ(todos[i].getAfinacao(),
              gerenciador.getInstrumento(static_cast<int>(i)).getAfinacao());
  }
}

TEST_F(GerenciadorInstrumentosPortugues, ViolaoDeNylonEmPortugues) {
  EXPECT_EQ(nomes()[0], TXT("Violão Padrão"));
  EXPECT_EQ(gerenciador.getInstrumento(0).getSom(), 24);
}

TEST_F(GerenciadorInstrumentosTest, SelecaoAtualEAnterior) {
  EXPECT_EQ(gerenciador.getInstrumentoAtual(), nullptr);
  EXPECT_EQ(gerenciador.getInstrumentoAnterior(), nullptr);
  gerenciador.setInstrumento(-1);
  EXPECT_EQ(gerenciador.getInstrumentoAtual(), nullptr);

  gerenciador.setInstrumento(1);
  EXPECT_EQ(gerenciador.getNomeInstrumentoAtual(), "Cavaquinho");
  EXPECT_EQ(gerenciador.getInstrumentoAtual()->getNumeroCordas(), 4);
  gerenciador.setInstrumento(-1);
  EXPECT_EQ(gerenciador.getNomeInstrumentoAtual(), "Cavaquinho");
  EXPECT_EQ(gerenciador.getInstrumentoAnterior(), nullptr);

  gerenciador.guardarAnterior();
  gerenciador.setInstrumento(2);
  EXPECT_EQ(gerenciador.getNomeInstrumentoAtual(), "Bandolim");
  EXPECT_EQ(gerenciador.getInstrumentoAnterior()->getName(), "Cavaquinho");

  // A file instrument stays valid while it is current or previous, whatever the file does.
  const InstrumentoCordas* bandolim = gerenciador.getInstrumentoAtual();
  gerenciador.removerInstrumento(2);
  gerenciador.guardarAnterior();
  gerenciador.setInstrumento(0);
  EXPECT_EQ(gerenciador.getInstrumentoAnterior(), bandolim);
  EXPECT_EQ(bandolim->getName(), "Bandolim");
  EXPECT_EQ(bandolim->getAfinacao(), (std::vector<int>{50, 55, 59, 64}));
}

TEST_F(GerenciadorInstrumentosTest, IndicePassadoDoFimNaoMudaOAtual) {
  gerenciador.setInstrumento(3);
  for (int indice : {4, 1000}) {
    try {
      gerenciador.setInstrumento(indice);
      ADD_FAILURE() << indice;
    } catch (const OutOfBoundsException& e) {
      EXPECT_EQ(e.getIndice(), indice - 2);
      EXPECT_EQ(e.getMensagem(), "Invalid index '" + std::to_string(indice - 2) + "'");
    }
    EXPECT_EQ(gerenciador.getNomeInstrumentoAtual(), "Ukulele");
    EXPECT_EQ(gerenciador.getInstrumentoAtual()->getName(), "Ukulele");
  }
  EXPECT_THROW(gerenciador.getInstrumento(4), OutOfBoundsException);
  EXPECT_THROW(gerenciador.getInstrumento(-1), OutOfBoundsException);
  EXPECT_THROW(gerenciador.getInstrumento(std::numeric_limits<int>::min()), OutOfBoundsException);
}

TEST_F(GerenciadorInstrumentosTest, EmbutidosNaoMudam) {
  const std::string antes = teste::lerArquivo(arquivo);
  for (int indice : {-1, 0, 1}) {
    gerenciador.editInstrumento(indice, instrumento("X"));
    gerenciador.removerInstrumento(indice);
  }
  EXPECT_EQ(teste::lerArquivo(arquivo), antes);
  EXPECT_EQ(gerenciador.getInstrumento(1).getName(), "Cavaquinho");
}

TEST_F(GerenciadorInstrumentosTest, AlteracoesPorIndiceDaLista) {
  gerenciador.editInstrumento(3, instrumento("Ukulele tenor", 25));
  gerenciador.removerInstrumento(2);
  EXPECT_EQ(nomes(), (std::vector<std::string>{"Standard Guitar", "Cavaquinho", "Ukulele tenor"}));
  EXPECT_EQ(gerenciador.getInstrumento(2).getSom(), 25);
  EXPECT_THROW(gerenciador.removerInstrumento(3), OutOfBoundsException);
  // Editing checks no names: a user instrument may take another one's name.
  gerenciador.addInstrumento(instrumento("Viola"));
  gerenciador.editInstrumento(3, instrumento("Ukulele tenor"));
  EXPECT_EQ(nomes().back(), "Ukulele tenor");
}

TEST_F(GerenciadorInstrumentosTest, NomesRepetidosSaoRecusados) {
  for (const std::string nome : {"Standard Guitar", "Cavaquinho", "Ukulele"}) {
    EXPECT_TRUE(gerenciador.instrumentoExistente(instrumento(nome)));
    try {
      gerenciador.addInstrumento(instrumento(nome));
      ADD_FAILURE() << nome;
    } catch (const IllegalArgumentException& e) {
      EXPECT_EQ(e.getMensagem(), idioma.texto("exception", "instrumentoExistente"));
      EXPECT_EQ(e.getArgumento(), "instrumento->getName()");
      EXPECT_EQ(e.getRastro(), std::vector<std::string>{
                                   "GerenciadorInstrumentos::addInstrumento(InstrumentoCordas*)"});
    }
  }
  EXPECT_EQ(nomes().size(), 4u);
  gerenciador.addInstrumento(instrumento("standard guitar"));
  EXPECT_EQ(nomes().back(), "standard guitar");
  EXPECT_EQ(gerenciador.getInstrumento(4).getName(), "standard guitar");
}

TEST_F(GerenciadorInstrumentosTest, BaseVaziaOuInexistente) {
  parser.salvar(arquivo, {});
  EXPECT_EQ(nomes(), (std::vector<std::string>{"Standard Guitar", "Cavaquinho"}));
  fs::remove(arquivo);
  try {
    nomes();
    FAIL();
  } catch (const FileNotFoundException& e) {
    EXPECT_EQ(e.getMensagem(),
              idioma.texto("exception", "baseInstrumentosNaoEncontrada") + arquivo.string() + "'");
    EXPECT_EQ(e.getItem(), arquivo.string());
    EXPECT_EQ(e.getRastro(),
              std::vector<std::string>{"GerenciadorInstrumentos::getNomesInstrumentos"});
  }
  EXPECT_THROW(gerenciador.addInstrumento(instrumento("Novo")), FileNotFoundException);
  EXPECT_FALSE(fs::exists(arquivo));
  // The built-in instruments need no file.
  gerenciador.setInstrumento(1);
  EXPECT_EQ(gerenciador.getNomeInstrumentoAtual(), "Cavaquinho");
}

// A base that exists but cannot be read leaves the built-in instruments in use and says why;
// a damaged one is kept aside and may be started again, anything else refuses changes.
TEST_F(GerenciadorInstrumentosTest, BaseIlegivelDeixaOsEmbutidos) {
  const std::vector<std::string> embutidos{"Standard Guitar", "Cavaquinho"};
  pasta.escrever("instrumentos.xml", "<colecaoInstrumento><instrumento><nome>Band");
  EXPECT_EQ(nomes(), embutidos);
  EXPECT_NE(gerenciador.getAvisoBase().find(arquivo.string() + "' ("), std::string::npos);
  EXPECT_NE(gerenciador.getAvisoBase().find(idioma.texto("exception", "baseInstrumentosCopiada")),
            std::string::npos);
  gerenciador.addInstrumento(instrumento("Novo"));
  EXPECT_EQ(nomes().back(), "Novo");
  EXPECT_EQ(gerenciador.getAvisoBase(), "");

  fs::remove(arquivo);
  mkfifo(arquivo.c_str(), 0644);
  EXPECT_EQ(nomes(), embutidos);
  EXPECT_NE(gerenciador.getAvisoBase().find("not a regular file"), std::string::npos);
  EXPECT_THROW(gerenciador.addInstrumento(instrumento("Outro")), BaseIlegivelException);
  gerenciador.setInstrumento(1);
  EXPECT_EQ(gerenciador.getNomeInstrumentoAtual(), "Cavaquinho");
  EXPECT_TRUE(fs::is_fifo(arquivo));
}

}  // namespace
}  // namespace tessara
