#include <gtest/gtest.h>

#include <QListWidget>
#include <QMimeData>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "AplicacaoTeste.h"
#include "ControleListaImpressao.h"
#include "NucleoTeste.h"
#include "PastaTemporaria.h"
#include "TformPrincipal.h"
#include "app/Fachada.h"
#include "telas/ListaImpressao.h"

namespace tessara {
namespace {

// The main window's print list, in English with the shipped chord base, in a settings folder
// of the test's own, started again as often as a test needs.
class ControleListaImpressaoTest : public ::testing::Test {
 protected:
  ControleListaImpressaoTest() { iniciar(); }
  ~ControleListaImpressaoTest() override { encerrar(); }

  void iniciar() {
    principal = std::make_unique<TformPrincipal>(fachada, ambiente.interacao);
    ambiente.nucleo.definirFachadaGUI(&principal->getFrente());
  }
  void encerrar() {
    ambiente.nucleo.definirFachadaGUI(nullptr);
    principal.reset();
  }
  QListWidget* widget() {
    return principal->findChild<QListWidget*>(QStringLiteral("listaImpressao"));
  }
  QStringList linhas() {
    QStringList nomes;
    for (int i = 0; i < widget()->count(); ++i) nomes << widget()->item(i)->text();
    return nomes;
  }
  ListaImpressao& lista() { return principal->getListaImpressao(); }
  std::filesystem::path guardado() const {
    return ambiente.usuario() / ControleListaImpressao::ARQUIVO_GUARDADO;
  }

  teste::AplicacaoTeste aplicacao;
  teste::NucleoTeste ambiente{
      {"scales.xml", "instrumentos.xml"}, "en", {"en.idm", "en.dat", "chords-en.bin"}};
  Fachada& fachada = ambiente.nucleo.fachada();
  std::unique_ptr<TformPrincipal> principal;
};

TEST_F(ControleListaImpressaoTest, AListaSobreviveAoReinicio) {
  lista().adicionarPorNome("G", true);
  lista().adicionarCancao({"Wave", "D", 2, " D    A7\nVou te contar\n"}, {"D", "A7"});
  encerrar();
  iniciar();
  EXPECT_EQ(linhas(),
            (QStringList{QStringLiteral("G"), QStringLiteral("D"), QStringLiteral("A7")}));
  ASSERT_EQ(lista().musicas().size(), 1u);
  EXPECT_EQ(lista().musicas()[0], (CabecalhoCancao{"Wave", "D", 2, " D    A7\nVou te contar\n"}));
  EXPECT_TRUE(ambiente.interacao.mensagens.empty());
}

TEST_F(ControleListaImpressaoTest, UmaListaGuardadaDanificadaAvisaEFicaGuardada) {
  encerrar();
  const std::string danificada = "x32010 C\nnot a line\n320003 G\n";
  std::ofstream(guardado(), std::ios::binary) << danificada;
  iniciar();
  EXPECT_EQ(linhas(), (QStringList{QStringLiteral("C"), QStringLiteral("G")}));
  ASSERT_EQ(ambiente.interacao.mensagens.size(), 1u);
  EXPECT_NE(ambiente.interacao.mensagens[0].texto.find(
                fachada.getTexto("fmPrincipal", "msgListaDanificada")),
            std::string::npos);
  EXPECT_EQ(teste::lerArquivo(guardado().string() + ".damaged"), danificada);
}

TEST_F(ControleListaImpressaoTest, SalvaEAbreCancioneiroNoLugarOuDepois) {
  lista().adicionarPorNome("C", true);
  lista().adicionarPorNome("G", true);
  auto& controle = principal->getControleLista();
  const auto arquivo = ambiente.pasta / "meu.songbook";
  ASSERT_TRUE(controle.salvarCancioneiro(arquivo));
  lista().limpar();
  lista().adicionarPorNome("Am", true);
  ASSERT_TRUE(controle.abrirCancioneiro(arquivo, true));
  EXPECT_EQ(linhas(),
            (QStringList{QStringLiteral("Am"), QStringLiteral("C"), QStringLiteral("G")}));
  ASSERT_TRUE(controle.abrirCancioneiro(arquivo, false));
  EXPECT_EQ(linhas(), (QStringList{QStringLiteral("C"), QStringLiteral("G")}));
  EXPECT_TRUE(ambiente.interacao.mensagens.empty());

  // What could not be read is named; the rest is loaded and the file is left as it was.
  const std::string ruim = "x32010 C\n???\n2220 NoSuchChord!\n";
  std::ofstream(arquivo, std::ios::binary) << ruim;
  ASSERT_TRUE(controle.abrirCancioneiro(arquivo, false));
  EXPECT_EQ(linhas(), QStringList{QStringLiteral("C")});
  ASSERT_EQ(ambiente.interacao.mensagens.size(), 1u);
  const std::string& aviso = ambiente.interacao.mensagens[0].texto;
  EXPECT_NE(aviso.find(fachada.getTexto("fmPrincipal", "msgLinhasIgnoradas") + " 2"),
            std::string::npos)
      << aviso;
  EXPECT_NE(aviso.find("NoSuchChord!"), std::string::npos) << aviso;
  EXPECT_EQ(teste::lerArquivo(arquivo), ruim);
}

// A line dragged onto another lands in its place; the list, not the widget, moves it.
TEST_F(ControleListaImpressaoTest, ArrastarReordenaALista) {
  principal->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(principal.get()));
  for (const char* nome : {"C", "G", "Am", "F"}) lista().adicionarPorNome(nome, true);
  widget()->setCurrentRow(0);
  const QRect destino = widget()->visualRect(widget()->model()->index(2, 0));
  principal->getControleLista().soltar(QPoint(destino.center().x(), destino.bottom() - 1));
  EXPECT_EQ(linhas(), (QStringList{QStringLiteral("G"), QStringLiteral("Am"), QStringLiteral("C"),
                                   QStringLiteral("F")}));
  EXPECT_EQ(lista().linhas()[2].posicao.getCasas(), (std::vector<int>{-1, 3, 2, 0, 1, 0}));
}

}  // namespace
}  // namespace tessara
