#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "AplicacaoTeste.h"
#include "NucleoTeste.h"
#include "TformImportarCifra.h"
#include "TformPrincipal.h"
#include "app/Fachada.h"
#include "telas/ListaImpressao.h"

namespace tessara {
namespace {

// The chord sheet of the main window, in English, with the shipped chord base, the recording
// MIDI port and a settings folder of the test's own.
class TformImportarCifraTest : public ::testing::Test {
 protected:
  TformImportarCifraTest() {
    principal = std::make_unique<TformPrincipal>(fachada, ambiente.interacao);
    ambiente.nucleo.definirFachadaGUI(&principal->getFrente());
    principal->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(principal.get()));
    principal->findChild<QPushButton*>(QStringLiteral("btnImportarCifra"))->click();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&cifra()));
  }
  ~TformImportarCifraTest() override { ambiente.nucleo.definirFachadaGUI(nullptr); }

  TformImportarCifra& cifra() { return principal->getImportarCifra(); }
  template <typename T>
  T* filho(const char* nome) {
    auto* w = cifra().findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
  }
  QPlainTextEdit* memo() { return filho<QPlainTextEdit>("memoCifra"); }
  void clicar(const char* botao) { filho<QPushButton>(botao)->click(); }
  QStringList listaImpressao() {
    QStringList linhas;
    auto* lista = principal->findChild<QListWidget*>(QStringLiteral("listaImpressao"));
    for (int i = 0; i < lista->count(); ++i) linhas << lista->item(i)->text();
    return linhas;
  }

  teste::AplicacaoTeste aplicacao;
  teste::NucleoTeste ambiente{
      {"scales.xml", "instrumentos.xml"}, "en", {"en.idm", "en.dat", "chords-en.bin"}};
  Fachada& fachada = ambiente.nucleo.fachada();
  std::unique_ptr<TformPrincipal> principal;
};

TEST_F(TformImportarCifraTest, ColarTrocaTabulacaoPorDoisBrancosELinhasDeOutroSistema) {
  memo()->setPlainText(QStringLiteral("old text"));
  QApplication::clipboard()->setText(QStringLiteral("C\tG\r\nletra\tAm\rfim"));
  clicar("btnColar");
  EXPECT_EQ(memo()->toPlainText(), QStringLiteral("C  G\nletra  Am\nfim"));
}

TEST_F(TformImportarCifraTest, TransporUmSemitomAcimaEAbaixoPelosBotoes) {
  struct Caso {
    const char* botao;
    QString antes;
    QString depois;
  };
  const Caso casos[] = {
      {"btnTransporAcima", QStringLiteral("Am   C/G"), QStringLiteral("Bbm   Db/Ab")},
      {"btnTransporAbaixo", QStringLiteral("Am   C/G"), QStringLiteral("G#m   B/F#")},
      {"btnTransporAcima", QStringLiteral("[Am] letra\nEm casa"),
       QStringLiteral("[Bbm] letra\nEm casa")},
      // Characters the chord names' code page lacks stay as they were.
      {"btnTransporAcima", QStringLiteral("Am  \u266A\nletra \u4F60\u597D [C] \U0001F3B8"),
       QStringLiteral("Bbm  \u266A\nletra \u4F60\u597D [Db] \U0001F3B8")},
  };
  for (const auto& caso : casos) {
    memo()->setPlainText(caso.antes);
    clicar(caso.botao);
    EXPECT_EQ(memo()->toPlainText(), caso.depois) << caso.botao << " " << caso.antes.toStdString();
  }
}

// A transposition is one edit of the lines it changed: one Undo takes it back, and the cursor
// stays on its character in a line that did not change.
TEST_F(TformImportarCifraTest, TransporEUmaSoEdicaoQueODesfazerVolta) {
  const QString original = QStringLiteral("Am   C\nletra da música\nG");
  memo()->setPlainText(original);
  QTextCursor cursor = memo()->textCursor();
  cursor.setPosition(original.indexOf(QStringLiteral("música")));
  memo()->setTextCursor(cursor);
  clicar("btnTransporAcima");
  const QString transposta = QStringLiteral("Bbm   Db\nletra da música\nAb");
  ASSERT_EQ(memo()->toPlainText(), transposta);
  EXPECT_EQ(memo()->textCursor().position(), transposta.indexOf(QStringLiteral("música")));
  memo()->undo();
  EXPECT_EQ(memo()->toPlainText(), original);
  memo()->redo();
  EXPECT_EQ(memo()->toPlainText(), transposta);
}

TEST_F(TformImportarCifraTest, ImportarLevaOsAcordesDasLinhasDeAcordesComRepeticoesEFecha) {
  memo()->setPlainText(QStringLiteral("Am C Am\nletra Am"));
  clicar("btnImportarCifra");
  EXPECT_EQ(listaImpressao(),
            (QStringList{QStringLiteral("Am"), QStringLiteral("C"), QStringLiteral("Am")}));
  EXPECT_FALSE(cifra().isVisible());
  EXPECT_EQ(fachada.getIndiceAcordeAtual(), -1);
  // The list's lines keep their fingerings: the print job gets one per line.
  EXPECT_EQ(principal->getListaImpressao().copias().size(), 3);
}

TEST_F(TformImportarCifraTest, ImprimirTrocaAListaSemRepetirEPassaOTextoAoTrabalho) {
  // Printing needs the print dialog: the main window's sheet has it, a sheet alone has not.
  EXPECT_TRUE(filho<QPushButton>("btnImprimir")->isEnabled());
  TformImportarCifra semImpressao(fachada, principal->getListaImpressao(), principal->getFrente(),
                                  principal.get());
  EXPECT_FALSE(semImpressao.findChild<QPushButton*>(QStringLiteral("btnImprimir"))->isEnabled());
  std::vector<int> modos;
  cifra().definirAbrirImpressao([&](int modo) { modos.push_back(modo); });
  ASSERT_TRUE(filho<QPushButton>("btnImprimir")->isEnabled());
  principal->getListaImpressao().adicionarPorNome("G", true);
  memo()->setPlainText(QStringLiteral("Am C Am\nletra Am\n"));

  // A list the user made is replaced only when they agree.
  ambiente.interacao.resposta = false;
  clicar("btnImprimir");
  ASSERT_EQ(ambiente.interacao.mensagens.size(), 1u);
  EXPECT_EQ(ambiente.interacao.mensagens[0].botoes, Interacao::Botoes::SimNao);
  EXPECT_EQ(ambiente.interacao.mensagens[0].texto,
            fachada.getTexto("fmImportarCifra", "msgSubstituirLista"));
  EXPECT_EQ(listaImpressao(), QStringList{QStringLiteral("G")});
  EXPECT_TRUE(modos.empty());

  ambiente.interacao.resposta = true;
  clicar("btnImprimir");
  EXPECT_EQ(listaImpressao(), (QStringList{QStringLiteral("Am"), QStringLiteral("C")}));
  EXPECT_EQ(fachada.getTextoImpressao(), "Am C Am\nletra Am\n");
  EXPECT_EQ(modos, std::vector<int>{TformImportarCifra::MODO_IMPRESSAO_CIFRA});
  EXPECT_TRUE(cifra().isVisible());

  // An empty list has nothing to lose: no question.
  principal->getListaImpressao().limpar();
  ambiente.interacao.mensagens.clear();
  clicar("btnImprimir");
  EXPECT_TRUE(ambiente.interacao.mensagens.empty());
  EXPECT_EQ(modos.size(), 2u);
}

TEST_F(TformImportarCifraTest, EscFechaEOTextoFicaParaAProximaVez) {
  memo()->setPlainText(QStringLiteral("Em C\nletra"));
  QTest::keyClick(memo(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(memo()->textCursor().selectedText(), QStringLiteral("Em C\u2029letra"));
  QTest::keyClick(memo(), Qt::Key_Escape);
  EXPECT_FALSE(cifra().isVisible());
  principal->findChild<QPushButton*>(QStringLiteral("btnImportarCifra"))->click();
  EXPECT_TRUE(cifra().isVisible());
  EXPECT_EQ(memo()->toPlainText(), QStringLiteral("Em C\nletra"));
}

TEST_F(TformImportarCifraTest, AjudaAbreAPaginaDasCifras) {
  std::vector<QUrl> abertas;
  TformImportarCifra propria(fachada, principal->getListaImpressao(), principal->getFrente(),
                             principal.get(), [&](const QUrl& url) {
                               abertas.push_back(url);
                               return true;
                             });
  const auto pagina = fachada.getCaminhoAjuda();
  std::filesystem::create_directories(pagina.parent_path());
  std::ofstream(pagina) << "<html></html>";
  propria.findChild<QToolButton*>(QStringLiteral("btnAjuda"))->click();
  ASSERT_EQ(abertas.size(), 1u);
  EXPECT_EQ(abertas[0].fragment(), QStringLiteral("telaCifras"));
  EXPECT_EQ(abertas[0].toLocalFile().toStdString(), pagina.string());
  EXPECT_TRUE(ambiente.interacao.mensagens.empty());
}

}  // namespace
}  // namespace tessara
