#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
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
#include "PastaTemporaria.h"
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

TEST_F(TformImportarCifraTest, ImportarLevaCadaAcordeUmaVezSobOTituloEFecha) {
  memo()->setPlainText(QStringLiteral("{title: Wave}\n{key: D}\nAm C Am\nletra Am\n[C]mais"));
  clicar("btnImportarCifra");
  EXPECT_EQ(listaImpressao(), (QStringList{QStringLiteral("Am"), QStringLiteral("C")}));
  EXPECT_FALSE(cifra().isVisible());
  EXPECT_EQ(fachada.getIndiceAcordeAtual(), -1);
  // The list's lines keep their fingerings: the print job gets one per line.
  EXPECT_EQ(principal->getListaImpressao().copias().size(), 2);
  const auto& musicas = principal->getListaImpressao().musicas();
  ASSERT_EQ(musicas.size(), 1u);
  EXPECT_EQ(musicas[0].titulo, "Wave");
  EXPECT_EQ(musicas[0].tom, "D");
  // The sheet goes with it, as chords over lyrics, for the song's songbook page.
  EXPECT_NE(musicas[0].letra.find("letra Am"), std::string::npos) << musicas[0].letra;
  EXPECT_NE(musicas[0].letra.find("C\nmais"), std::string::npos) << musicas[0].letra;
  EXPECT_EQ(principal->getListaImpressao().linhas()[1].musica, 0);
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

  // A list the user made is replaced, joined or kept as they answer.
  struct Caso {
    int botao;
    QStringList lista;
    size_t impressoes;
  };
  const Caso casos[] = {
      {TformImportarCifra::CANCELAR, {QStringLiteral("G")}, 0},
      {TformImportarCifra::ACRESCENTAR,
       {QStringLiteral("G"), QStringLiteral("Am"), QStringLiteral("C")},
       1},
      {TformImportarCifra::SUBSTITUIR, {QStringLiteral("Am"), QStringLiteral("C")}, 1},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.botao);
    principal->getListaImpressao().limpar();
    principal->getListaImpressao().adicionarPorNome("G", true);
    ambiente.interacao.mensagens.clear();
    ambiente.interacao.botoesOferecidos.clear();
    modos.clear();
    ambiente.interacao.botao = caso.botao;
    clicar("btnImprimir");
    ASSERT_EQ(ambiente.interacao.mensagens.size(), 1u);
    EXPECT_EQ(ambiente.interacao.mensagens[0].texto,
              fachada.getTexto("fmImportarCifra", "msgSubstituirLista"));
    const std::vector<std::string> botoes{fachada.getTexto("fmImportarCifra", "btnSubstituir"),
                                          fachada.getTexto("fmImportarCifra", "btnAcrescentar"),
                                          fachada.getTexto("fmImportarCifra", "btnCancelar")};
    EXPECT_EQ(ambiente.interacao.botoesOferecidos, std::vector<std::vector<std::string>>{botoes});
    EXPECT_EQ(listaImpressao(), caso.lista);
    EXPECT_EQ(modos.size(), caso.impressoes);
  }
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

// Files: a ChordPro song opens as it is written, shows its title, key and capo, and joins the
// recent files; the sheet saves as ChordPro or as text by the file's extension.
TEST_F(TformImportarCifraTest, AbreESalvaChordProETexto) {
  const QString chordPro = QStringLiteral(
      "{title: Garota de Ipanema}\n{key: F}\n{capo: 2}\n[F7M]Olha que coisa mais [G7]linda\n");
  const auto arquivo = ambiente.pasta.escrever("garota.cho", chordPro.toStdString());
  ASSERT_TRUE(cifra().abrirArquivo(arquivo));
  EXPECT_EQ(memo()->toPlainText(), chordPro);
  const QString cabecalho = filho<QLabel>("lblCancao")->text();
  EXPECT_TRUE(cabecalho.contains(QStringLiteral("Garota de Ipanema"))) << cabecalho.toStdString();
  EXPECT_TRUE(cabecalho.contains(QStringLiteral("Key F"))) << cabecalho.toStdString();
  EXPECT_TRUE(cabecalho.contains(QStringLiteral("Capo 2"))) << cabecalho.toStdString();
  EXPECT_EQ(cifra().findChild<QMenu*>(QStringLiteral("mnuRecentes")) != nullptr, true);

  // As text the chords stand over their syllables; back as ChordPro it is the song again.
  const auto texto = ambiente.pasta / "garota.txt";
  ASSERT_TRUE(cifra().salvarArquivo(texto));
  const std::string escrito = teste::lerArquivo(texto);
  EXPECT_NE(escrito.find("F7M" + std::string(17, ' ') + "G7\nOlha que coisa mais linda\n"),
            std::string::npos)
      << escrito;
  ASSERT_TRUE(cifra().abrirArquivo(texto));
  const auto deNovo = ambiente.pasta / "de-novo.cho";
  ASSERT_TRUE(cifra().salvarArquivo(deNovo));
  EXPECT_EQ(teste::lerArquivo(deNovo), chordPro.toStdString());

  // A file that cannot be read is named and the sheet stays as it was.
  EXPECT_FALSE(cifra().abrirArquivo(ambiente.pasta / "none.cho"));
  EXPECT_EQ(ambiente.interacao.mensagens.size(), 1u);
  EXPECT_EQ(memo()->toPlainText().toStdString(), escrito);
}

TEST_F(TformImportarCifraTest, UmArquivoSoltoSobreACifraAbre) {
  const auto arquivo = ambiente.pasta.escrever("solta.cho", "{title: Solta}\n[Am]la\n");
  QMimeData dados;
  dados.setUrls({QUrl::fromLocalFile(QString::fromStdString(arquivo.string()))});
  QWidget* alvo = memo()->viewport();
  const QPointF ponto(20, 20);
  QDragEnterEvent entrada(ponto.toPoint(), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(alvo, &entrada);
  EXPECT_TRUE(entrada.isAccepted());
  QDropEvent soltura(ponto, Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(alvo, &soltura);
  EXPECT_EQ(memo()->toPlainText(), QStringLiteral("{title: Solta}\n[Am]la\n"));
  EXPECT_EQ(filho<QLabel>("lblCancao")->text(), QStringLiteral("Solta"));
}

// The sheet is kept in the user's folder: the next start shows it again.
TEST_F(TformImportarCifraTest, ACifraVoltaNoProximoInicio) {
  memo()->setPlainText(QStringLiteral("Em C\nletra \u00E7\u266A"));
  cifra().close();
  ambiente.nucleo.definirFachadaGUI(nullptr);
  principal.reset();
  principal = std::make_unique<TformPrincipal>(fachada, ambiente.interacao);
  ambiente.nucleo.definirFachadaGUI(&principal->getFrente());
  EXPECT_EQ(cifra().findChild<QPlainTextEdit*>(QStringLiteral("memoCifra"))->toPlainText(),
            QStringLiteral("Em C\nletra \u00E7\u266A"));
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

TEST_F(TformImportarCifraTest, AumentadaAFolhaCresceEOsBotoesFicamNoCanto) {
  const QSize menor = cifra().size();
  const QRect folha = memo()->geometry();
  auto* imprimir = filho<QPushButton>("btnImprimir");
  const int margemDireita = menor.width() - imprimir->geometry().right();
  const int margemBaixo = menor.height() - imprimir->geometry().bottom();
  auto* fechar = filho<QToolButton>("btnFechar");
  const int fecharDaDireita = menor.width() - fechar->x();

  cifra().resize(menor + QSize(300, 200));
  EXPECT_EQ(memo()->width(), folha.width() + 300);
  EXPECT_EQ(memo()->height(), folha.height() + 200);
  EXPECT_EQ(cifra().width() - imprimir->geometry().right(), margemDireita);
  EXPECT_EQ(cifra().height() - imprimir->geometry().bottom(), margemBaixo);
  EXPECT_EQ(cifra().width() - fechar->x(), fecharDaDireita);

  cifra().resize(QSize(100, 100));
  EXPECT_EQ(cifra().size(), menor) << "never smaller than built";
}

}  // namespace
}  // namespace tessara
