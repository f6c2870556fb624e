#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "FaixaDiagramas.h"
#include "JanelaPrincipal.h"
#include "MenuFigura.h"
#include "PastaTemporaria.h"
#include "WidgetBraco.h"
#include "app/Fachada.h"
#include "qt/TextoQt.h"
#include "telas/Braco.h"
#include "telas/GeometriaBraco.h"

namespace tessara {
namespace {

using Casas = std::vector<int>;

class FaixaDiagramasTest : public teste::JanelaPrincipal {
 protected:
  FaixaDiagramas* faixa() { return filho<FaixaDiagramas>("faixaDiagramas"); }
  QString contagem() { return filho<QLabel>("lblContagem")->text(); }
  // The fingerings the arrows browse, by their frets.
  std::vector<Casas> todas() {
    std::vector<Casas> casas;
    for (const auto& p : fachada.getPosicoesAcordeAtual()) casas.push_back(p.getCasas());
    return casas;
  }
  void clicarDiagrama(int indice, Qt::MouseButton botao = Qt::LeftButton) {
    QTest::mouseClick(faixa()->viewport(), botao, {}, faixa()->caixa(indice).center());
  }
  // The picture actions of the menu a right click opened, by the action's name.
  void escolherNoMenu(QWidget* dono, const char* menu, const char* acao) {
    auto* aberto = dono->findChild<QMenu*>(QString::fromLatin1(menu));
    ASSERT_NE(aberto, nullptr) << menu;
    auto* item = aberto->findChild<QAction*>(QString::fromLatin1(acao));
    if (item == nullptr) {
      for (QAction* a : aberto->actions()) {
        if (a->objectName() == QLatin1String(acao)) item = a;
      }
    }
    ASSERT_NE(item, nullptr) << acao;
    item->trigger();
    aberto->close();
    QTest::qWait(0);
  }
  // The file dialog answers with `arquivo` (empty: cancelled) and remembers what it offered.
  void responder(const std::filesystem::path& arquivo) {
    janela->getMenuFigura().definirEscolhaArquivo(
        [this, arquivo](const QString&, const QString& sugerido, const QString&) {
          oferecido = sugerido;
          return QString::fromStdString(arquivo.string());
        });
  }

  teste::PastaTemporaria arquivos;
  QString oferecido;
};

// A click on the third small diagram shows that fingering, as the arrows would, and the count
// says so; the keys do the same once the row has the focus.
TEST_F(FaixaDiagramasTest, ClickAndKeysShowThatFingering) {
  digitar(QStringLiteral("C"));
  const auto casas = todas();
  const int total = static_cast<int>(casas.size());
  ASSERT_GT(total, 10);  // every fingering, not only the stored ones
  EXPECT_EQ(contagem(), QStringLiteral("Fingering 1 of %1").arg(total));

  clicarDiagrama(2);
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), casas[2]);
  EXPECT_EQ(contagem(), QStringLiteral("Fingering 3 of %1").arg(total));
  EXPECT_EQ(filho<QLineEdit>("editNomeAcorde")->text(), QStringLiteral("C"));
  filho<QPushButton>("btnProximo")->click();  // the arrows go on from there
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), casas[3]);

  faixa()->setFocus();
  QTest::keyClick(faixa(), Qt::Key_End);
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), casas.back());
  EXPECT_EQ(contagem(), QStringLiteral("Fingering %1 of %1").arg(total));
  // The last one scrolled into view.
  EXPECT_GT(faixa()->horizontalScrollBar()->value(), 0);
  EXPECT_TRUE(faixa()->viewport()->rect().contains(faixa()->caixa(total - 1)));
  QTest::keyClick(faixa(), Qt::Key_Left);
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), casas[static_cast<size_t>(total - 2)]);
  QTest::keyClick(faixa(), Qt::Key_Home);
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), casas[0]);
  EXPECT_EQ(faixa()->horizontalScrollBar()->value(), 0);
  EXPECT_TRUE(faixa()->accessibleDescription().startsWith(QStringLiteral("Fingering 1 of ")));
}

// With a capo the row lists the capo's fingerings; in scale mode it is hidden, and a cleared
// fretboard leaves it empty.
TEST_F(FaixaDiagramasTest, FollowsCapoAndHidesInScaleMode) {
  digitar(QStringLiteral("D"));
  const auto semCapo = todas();
  auto* capo = filho<QComboBox>("comboCapo");
  capo->setCurrentIndex(2);
  emit capo->activated(2);
  const auto comCapo = todas();
  EXPECT_NE(comCapo, semCapo);
  clicarDiagrama(1);
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), comCapo[1]);

  filho<QPushButton>("btnExibicaoEscalas")->click();
  EXPECT_FALSE(faixa()->isVisible());
  filho<QPushButton>("btnBaseAcordes")->click();
  EXPECT_TRUE(faixa()->isVisible());
  filho<QPushButton>("btnLimparBraco")->click();
  clicarDiagrama(0);  // nothing there to choose
  EXPECT_FALSE(janela->getBraco().temNota());
  EXPECT_EQ(contagem(), QString());
}

// Ctrl+C copies the diagram of the fingering on show (taller than wide, white), or in scale
// mode the fretboard's picture.
TEST_F(FaixaDiagramasTest, CtrlCCopiesTheDiagramOrTheFretboard) {
  digitar(QStringLiteral("Am7"));
  QApplication::clipboard()->clear();
  faixa()->setFocus();
  QTest::keyClick(faixa(), Qt::Key_C, Qt::ControlModifier);
  const QImage diagrama = QApplication::clipboard()->image();
  ASSERT_FALSE(diagrama.isNull());
  EXPECT_GT(diagrama.height(), 300);
  EXPECT_EQ(diagrama.pixelColor(2, 2), QColor(Qt::white));
  // In the name box: its selected text, or with none selected the picture.
  auto* caixa = filho<QLineEdit>("editNomeAcorde");
  caixa->setFocus();
  caixa->selectAll();
  QTest::keyClick(caixa, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Am7"));
  caixa->deselect();
  QTest::keyClick(caixa, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->image().size(), diagrama.size());

  filho<QPushButton>("btnExibicaoEscalas")->click();
  QApplication::clipboard()->clear();
  QTest::keyClick(janela.get(), Qt::Key_C, Qt::ControlModifier);
  const QImage braco = QApplication::clipboard()->image();
  EXPECT_EQ(braco.size(), QSize(GeometriaBraco::LARGURA, GeometriaBraco::ALTURA));
}

// A small diagram's menu saves its picture as a valid PNG or SVG (text kept as text), under
// the chord's name; a cancelled dialog writes nothing and a folder that is not there is told.
TEST_F(FaixaDiagramasTest, SavesADiagramAsPngOrSvg) {
  digitar(QStringLiteral("C"));
  const auto png = arquivos / "c.png";
  const auto svg = arquivos / "c.svg";

  responder({});
  clicarDiagrama(0, Qt::RightButton);
  escolherNoMenu(faixa(), "menuFiguraDiagrama", "mnuSalvarFiguraPng");
  EXPECT_TRUE(oferecido.endsWith(QStringLiteral("/C.png"))) << oferecido.toStdString();
  EXPECT_TRUE(std::filesystem::is_empty(arquivos.caminho()));

  responder(png);
  clicarDiagrama(0, Qt::RightButton);
  escolherNoMenu(faixa(), "menuFiguraDiagrama", "mnuSalvarFiguraPng");
  QImage lida;
  ASSERT_TRUE(lida.load(QString::fromStdString(png.string()), "PNG"));
  EXPECT_GT(lida.height(), 300);

  responder(svg);
  clicarDiagrama(0, Qt::RightButton);
  escolherNoMenu(faixa(), "menuFiguraDiagrama", "mnuSalvarFiguraSvg");
  const std::string documento = teste::lerArquivo(svg);
  EXPECT_NE(documento.find("<svg"), std::string::npos);
  EXPECT_NE(documento.find(">C</text>"), std::string::npos);
  EXPECT_NE(documento.find(">\u00d7</text>"), std::string::npos);  // x32010's muted string
  EXPECT_TRUE(ambiente.interacao.mensagens.empty());

  responder(arquivos / "missing" / "c.svg");
  clicarDiagrama(0, Qt::RightButton);
  escolherNoMenu(faixa(), "menuFiguraDiagrama", "mnuSalvarFiguraSvg");
  ASSERT_EQ(ambiente.interacao.mensagens.size(), 1u);
  EXPECT_EQ(ambiente.interacao.mensagens[0].texto.rfind(
                fachada.getTexto("fmPrincipal", "erroGravarFigura"), 0),
            0u);
}

// A right click on the fretboard away from a note offers its picture alone; on a note, the
// note's actions come first.
TEST_F(FaixaDiagramasTest, FretboardMenuSavesItsPicture) {
  digitar(QStringLiteral("C"));
  auto* braco = janela->findChild<WidgetBraco*>();
  const auto svg = arquivos / "braco.svg";
  responder(svg);
  QTest::mouseClick(braco, Qt::RightButton, {}, QPoint(5, 5));
  escolherNoMenu(braco, "menuFiguraBraco", "mnuSalvarFiguraSvg");
  EXPECT_NE(teste::lerArquivo(svg).find("<svg"), std::string::npos);

  const auto& g = janela->getBraco().getGeometria();
  QTest::mouseClick(braco, Qt::RightButton, {}, QPoint(g.getXCasas()[3], g.getYCordas()[1]));
  auto* menu = braco->findChild<QMenu*>(QStringLiteral("menuNota"));
  ASSERT_NE(menu, nullptr);
  QStringList nomes;
  for (QAction* a : menu->actions()) nomes << a->objectName();
  EXPECT_EQ(nomes, (QStringList{"acaoTonica", "acaoApagar", "", "mnuCopiarFigura",
                                "mnuSalvarFiguraPng", "mnuSalvarFiguraSvg"}));
  menu->close();
}

}  // namespace
}  // namespace tessara
