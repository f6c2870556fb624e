#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTest>
#include <QTimer>
#include <functional>

#include "JanelaPrincipal.h"
#include "PastaTemporaria.h"
#include "TformImportarCifra.h"
#include "TformImpressao.h"
#include "TformVisualizarImpressao.h"
#include "printing/TrabalhoImpressao.h"
#include "qt/ImpressoraQt.h"

namespace tessara {
namespace {

class TformImpressaoTest : public teste::JanelaPrincipal {
 protected:
  TformImpressao& dialogo() { return janela->getImpressao(); }
  TformVisualizarImpressao& previa() { return janela->getVisualizacao(); }
  template <typename T>
  T* em(QWidget& janelaFilha, const char* nome) {
    auto* w = janelaFilha.findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
  }
  void adicionar(const char* nome, int vezes) {
    digitar(QString::fromLatin1(nome));
    for (int i = 0; i < vezes; ++i) filho<QPushButton>("btnAdicionar")->click();
  }
  // Opens the preview from the print dialog, runs `passo` while it is up, then closes it.
  void naPrevia(const std::function<void()>& passo) {
    QTimer::singleShot(0, &previa(), [&] {
      EXPECT_TRUE(previa().isVisible());
      passo();
      if (previa().isVisible()) previa().reject();
    });
    em<QPushButton>(dialogo(), "btnVisualizarImpressao")->click();
  }
  QImage pagina() { return em<QLabel>(previa(), "imageVisualizar")->pixmap().toImage(); }
  // The page fills the view's width but for the scroll bar's room, without a horizontal bar.
  bool cabeNaLargura() {
    auto* vista = em<QScrollArea>(previa(), "scrollVisualiza");
    const int largura = pagina().width();
    return largura <= vista->viewport()->width() && largura > vista->viewport()->width() - 40;
  }
  // The platform's print dialog answered by writing a PDF file, or by Cancel.
  void responderComPdf(const std::filesystem::path& arquivo, bool confirma = true) {
    dialogo().definirDialogo([this, arquivo, confirma](QPrinter& impressora) {
      ++dialogosAbertos;
      ImpressoraQt::configurarPdf(impressora, arquivo);
      return confirma;
    });
  }
  int dialogosAbertos = 0;
};

TEST_F(TformImpressaoTest, ModoDizOQueVaiNasPaginas) {
  // The list prints diagrams, as they stand or as a songbook; the sheet's text needs the sheet.
  struct Caso {
    int modo;
    int conteudo;
    std::vector<bool> itens;
  };
  const Caso casos[] = {
      {TformImpressao::MODO_LISTA, 1, {false, true, false, true}},
      {TformImpressao::MODO_CIFRA, 0, {true, true, true, true}},
      {7, 0, {true, true, true, true}},  // any other mode leaves the dialog as it was
  };
  auto* lista = em<QComboBox>(dialogo(), "comboOpcoesImpressao");
  auto* itens = qobject_cast<QStandardItemModel*>(lista->model());
  ASSERT_NE(itens, nullptr);
  for (const auto& caso : casos) {
    dialogo().definirModo(caso.modo);
    EXPECT_EQ(dialogo().conteudo(), caso.conteudo) << caso.modo;
    std::vector<bool> habilitados;
    for (int i = 0; i < itens->rowCount(); ++i) habilitados.push_back(itens->item(i)->isEnabled());
    EXPECT_EQ(habilitados, caso.itens) << caso.modo;
  }
}

TEST_F(TformImpressaoTest, BotaoImprimirDaJanelaAbreODialogoSoComDiagramas) {
  dialogo().definirModo(TformImpressao::MODO_CIFRA);
  bool visto = false;
  QTimer::singleShot(0, &dialogo(), [&] {
    visto = dialogo().isVisible();
    EXPECT_EQ(dialogo().conteudo(), 1);
    auto* itens = qobject_cast<QStandardItemModel*>(
        em<QComboBox>(dialogo(), "comboOpcoesImpressao")->model());
    EXPECT_FALSE(itens->item(TrabalhoImpressao::TEXTO_E_DIAGRAMAS)->isEnabled());
    EXPECT_TRUE(itens->item(TrabalhoImpressao::CANCIONEIRO)->isEnabled());
    dialogo().reject();
  });
  filho<QPushButton>("btnImprimir")->click();
  EXPECT_TRUE(visto);
}

TEST_F(TformImpressaoTest, CifraImprimeComODialogoEscolhendoOConteudo) {
  auto& cifra = janela->getImportarCifra();
  cifra.findChild<QPlainTextEdit*>(QStringLiteral("memoCifra"))
      ->setPlainText(QStringLiteral("Am C\nletra"));
  dialogo().definirModo(TformImpressao::MODO_LISTA);
  bool visto = false;
  QTimer::singleShot(0, &dialogo(), [&] {
    visto = dialogo().isVisible();
    EXPECT_EQ(dialogo().conteudo(), 0);
    EXPECT_TRUE(em<QComboBox>(dialogo(), "comboOpcoesImpressao")->isEnabled());
    dialogo().reject();
  });
  em<QPushButton>(cifra, "btnImprimir")->click();
  EXPECT_TRUE(visto);
  EXPECT_EQ(fachada.getTextoImpressao(), "Am C\nletra\n");
}

TEST_F(TformImpressaoTest, PreviaDeUmaPaginaNaoDeixaEscolherPagina) {
  adicionar("C", 1);
  naPrevia([&] {
    EXPECT_FALSE(em<QSpinBox>(previa(), "spinPagina")->isEnabled());
    EXPECT_EQ(em<QLabel>(previa(), "lblDe")->text(), QStringLiteral("of 1"));
    EXPECT_TRUE(cabeNaLargura()) << pagina().width();
  });
}

TEST_F(TformImpressaoTest, PreviaAumentadaAjustaAPaginaALargura) {
  adicionar("C", 1);
  naPrevia([&] {
    EXPECT_GT(pagina().width(), 360) << "a page larger than the old thumbnail";
    const int antes = pagina().width();
    previa().resize(previa().width() + 300, previa().height() + 100);
    QTRY_VERIFY(pagina().width() > antes + 200);
    EXPECT_TRUE(cabeNaLargura()) << pagina().width();
    // At a fixed zoom the page keeps its size whatever the window's.
    em<QComboBox>(previa(), "comboZoom")->setCurrentIndex(1);
    EXPECT_EQ(previa().zoom(), 100);
    EXPECT_EQ(pagina().width(), 360);
    previa().resize(previa().minimumSize());
    EXPECT_EQ(previa().size(),
              QSize(TformVisualizarImpressao::LARGURA, TformVisualizarImpressao::ALTURA));
    EXPECT_EQ(pagina().width(), 360);
  });
}

TEST_F(TformImpressaoTest, PreviaViraPaginasMudaOZoomENaoAceitaDigitacao) {
  adicionar("C", 40);
  naPrevia([&] {
    auto* paginas = em<QSpinBox>(previa(), "spinPagina");
    ASSERT_TRUE(paginas->isEnabled());
    const int total = paginas->maximum();
    ASSERT_GE(total, 2);
    EXPECT_EQ(em<QLabel>(previa(), "lblDe")->text(), QStringLiteral("of %1").arg(total));
    const QImage primeira = pagina();
    paginas->setValue(2);
    EXPECT_NE(pagina(), primeira);
    const QImage segunda = pagina();

    em<QComboBox>(previa(), "comboZoom")->setCurrentIndex(1);
    EXPECT_EQ(previa().zoom(), 100);
    EXPECT_EQ(paginas->value(), 2);
    EXPECT_EQ(pagina().width(), 360);
    em<QComboBox>(previa(), "comboZoom")->setCurrentIndex(2);
    EXPECT_EQ(previa().zoom(), 200);
    EXPECT_EQ(paginas->value(), 2);
    EXPECT_EQ(pagina().width(), 720);
    EXPECT_NE(segunda.width(), 0);

    QTest::keyClick(paginas, Qt::Key_1);
    EXPECT_EQ(paginas->value(), 2) << "typed into the page selector";
    QTest::keyClick(paginas, Qt::Key_Down);
    EXPECT_EQ(paginas->value(), 1);
    QTest::keyClick(&previa(), Qt::Key_Escape);
    EXPECT_FALSE(previa().isVisible());
  });
  EXPECT_EQ(previa().pagina(), 1);
  // The next preview opens fitting the width again.
  naPrevia([&] { EXPECT_TRUE(cabeNaLargura()) << pagina().width(); });
}

TEST_F(TformImpressaoTest, ImprimirEmPdfSubstituiOArquivoSoQuandoODocumentoFicaInteiro) {
  adicionar("C", 2);
  const auto pdf = ambiente.pasta.escrever("chords.pdf", "the user's old file");

  responderComPdf(pdf, false);
  em<QPushButton>(dialogo(), "btnImprimir")->click();
  EXPECT_EQ(dialogosAbertos, 1);
  EXPECT_EQ(teste::lerArquivo(pdf), "the user's old file") << "cancelled";

  responderComPdf(pdf);
  em<QPushButton>(dialogo(), "btnImprimir")->click();
  const std::string feito = teste::lerArquivo(pdf);
  EXPECT_EQ(feito.rfind("%PDF", 0), 0u);
  EXPECT_NE(feito.find("%%EOF"), std::string::npos);
  EXPECT_TRUE(ambiente.interacao.mensagens.empty());

  // From the preview too, with the dialog's choices.
  std::filesystem::remove(pdf);
  naPrevia([&] { em<QPushButton>(previa(), "btnImprimir")->click(); });
  EXPECT_EQ(dialogosAbertos, 3);
  EXPECT_TRUE(std::filesystem::exists(pdf));

  const auto semPasta = ambiente.pasta / "missing" / "chords.pdf";
  responderComPdf(semPasta);
  em<QPushButton>(dialogo(), "btnImprimir")->click();
  EXPECT_FALSE(std::filesystem::exists(semPasta));
  ASSERT_EQ(ambiente.interacao.mensagens.size(), 1u);
  const std::string& aviso = ambiente.interacao.mensagens[0].texto;
  EXPECT_EQ(aviso.rfind(fachada.getTexto("fmImpressao", "erroGravarPdf"), 0), 0u) << aviso;
  EXPECT_NE(aviso.find("missing"), std::string::npos) << "the reason names the file";
}

TEST_F(TformImpressaoTest, SalvarSvgEscreveUmArquivoPorPaginaOuAvisa) {
  adicionar("C", 2);
  const auto svg = ambiente.pasta / "chords.svg";
  QString sugerido;
  const auto responder = [&](const std::filesystem::path& arquivo) {
    dialogo().definirEscolhaSvg([&sugerido, arquivo](const QString& inicial) {
      sugerido = inicial;
      return QString::fromStdString(arquivo.string());
    });
  };

  dialogo().definirEscolhaSvg([](const QString&) { return QString(); });  // cancelled
  em<QPushButton>(dialogo(), "btnSalvarSvg")->click();
  EXPECT_FALSE(std::filesystem::exists(svg));

  responder(svg);
  em<QPushButton>(dialogo(), "btnSalvarSvg")->click();
  EXPECT_TRUE(sugerido.endsWith(QStringLiteral("Tessara.svg"))) << sugerido.toStdString();
  const std::string feito = teste::lerArquivo(svg);
  EXPECT_NE(feito.find("<svg"), std::string::npos);
  EXPECT_NE(feito.find(">C</text>"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(ambiente.pasta / "chords-2.svg"));  // one page
  EXPECT_TRUE(ambiente.interacao.mensagens.empty());

  responder(ambiente.pasta / "missing" / "chords.svg");
  em<QPushButton>(dialogo(), "btnSalvarSvg")->click();
  ASSERT_EQ(ambiente.interacao.mensagens.size(), 1u);
  const std::string& aviso = ambiente.interacao.mensagens[0].texto;
  EXPECT_EQ(aviso.rfind(fachada.getTexto("fmImpressao", "erroGravarSvg"), 0), 0u) << aviso;
  EXPECT_NE(aviso.find("missing"), std::string::npos) << "the reason names the file";
}

}  // namespace
}  // namespace tessara
