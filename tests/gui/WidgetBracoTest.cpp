#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <vector>

#include "AmbienteBraco.h"
#include "AplicacaoTeste.h"
#include "qt/PintorBraco.h"

namespace tessara {
namespace {

using Casas = std::vector<int>;

class WidgetBracoTest : public teste::AmbienteBraco {
 protected:
  WidgetBracoTest() {
    QObject::connect(&widget, &WidgetBraco::editado, [this] { ++edicoes; });
  }

  void clicar(Qt::MouseButton botao, QPoint ponto) {
    QTest::mouseClick(&widget, botao, Qt::NoModifier, ponto);
  }
  void clicar(int corda, int casa) { clicar(Qt::LeftButton, centro(corda, casa)); }
  QMenu* menu() const { return widget.findChild<QMenu*>(); }
  // Picks an item of the open menu as the user does, which also closes it.
  void escolher(const char* acao) {
    QMenu* aberto = menu();
    ASSERT_NE(aberto, nullptr);
    auto* item = aberto->findChild<QAction*>(acao);
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(aberto, Qt::LeftButton, Qt::NoModifier,
                      aberto->actionGeometry(item).center());
  }

  int edicoes = 0;
};

TEST_F(WidgetBracoTest, CliqueEsquerdoPoeANotaDaCordaEARaizFicaNaMaisGrave) {
  struct Passo {
    int corda, casa;
    Casas casas;  // the fingering after the click
    int cordaRaiz;
  };
  const Passo passos[] = {
      {2, 3, {-1, -1, 3, -1, -1, -1}, 2},
      {4, 1, {-1, -1, 3, -1, 1, -1}, 2},
      {1, 2, {-1, 2, 3, -1, 1, -1}, 1},
      {1, 5, {-1, 5, 3, -1, 1, -1}, 1},  // another fret of the same string moves its note
  };
  for (const auto& passo : passos) {
    SCOPED_TRACE(testing::Message() << "string " << passo.corda << " fret " << passo.casa);
    const int antes = edicoes;
    clicar(passo.corda, passo.casa);
    EXPECT_EQ(edicoes, antes + 1);
    EXPECT_EQ(braco.getPosicao().getCasas(), passo.casas);
    for (int corda = 0; corda < 6; ++corda) {
      const int casa = passo.casas[static_cast<size_t>(corda)];
      if (casa < 0) continue;
      EXPECT_STREQ(cor(corda, casa), corda == passo.cordaRaiz ? "red" : "blue") << corda;
    }
  }
  EXPECT_STREQ(cor(1, 2), "neither");  // the note that moved away

  // Off the strings and frets nothing changes.
  const int antes = edicoes;
  clicar(Qt::LeftButton, {5, 5});
  clicar(Qt::LeftButton, {centro(2, 3).x(), 300});
  EXPECT_EQ(edicoes, antes);
  EXPECT_EQ(braco.getPosicao().getCasas(), passos[3].casas);
}

TEST_F(WidgetBracoTest, AcordeMontadoPorCliquesRecebeONomeQueAJanelaMostra) {
  for (const auto& [corda, casa] : {std::pair{1, 3}, {2, 2}, {3, 0}, {4, 1}, {5, 0}}) {
    clicar(corda, casa);
  }
  EXPECT_EQ(edicoes, 5);
  EXPECT_EQ(braco.getPosicao().getNome(), "C");
  EXPECT_STREQ(cor(1, 3), "red");
}

TEST_F(WidgetBracoTest, MenuDaNotaTornaARaizOuApaga) {
  for (const auto& [corda, casa] : {std::pair{1, 3}, {2, 2}, {4, 1}}) clicar(corda, casa);
  const int antes = edicoes;

  clicar(Qt::RightButton, centro(4, 1));
  QPointer<QMenu> aberto = menu();
  ASSERT_NE(aberto, nullptr);
  EXPECT_TRUE(aberto->isVisible());
  const auto itens = aberto->actions();
  ASSERT_EQ(itens.size(), 2);
  EXPECT_EQ(itens[0]->text(), QStringLiteral("Make this note the root"));
  EXPECT_EQ(itens[1]->text(), QStringLiteral("Remove this note"));
  escolher("acaoTonica");
  EXPECT_EQ(edicoes, antes + 1);
  EXPECT_EQ(braco.getPosicao().getCordaTonica(), 4);
  EXPECT_STREQ(cor(4, 1), "red");
  EXPECT_STREQ(cor(1, 3), "blue");
  QTest::qWait(0);  // the closed menu goes away
  EXPECT_TRUE(aberto.isNull());

  clicar(Qt::RightButton, centro(2, 2));
  escolher("acaoApagar");
  EXPECT_EQ(edicoes, antes + 2);
  EXPECT_EQ(braco.getPosicao().getCasas(), (Casas{-1, 3, -1, -1, 1, -1}));
  EXPECT_STREQ(cor(2, 2), "neither");
  EXPECT_STREQ(cor(4, 1), "red");  // a root chosen by hand stays
}

TEST_F(WidgetBracoTest, CliqueDireitoForaDeUmaNotaNaoOfereceMenu) {
  clicar(1, 3);
  const int antes = edicoes;
  for (const QPoint& ponto : {centro(0, 3), centro(1, 4), QPoint(5, 5)}) {
    clicar(Qt::RightButton, ponto);
    EXPECT_EQ(menu(), nullptr) << ponto.x() << "," << ponto.y();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  }
  EXPECT_EQ(edicoes, antes);
  EXPECT_EQ(braco.getPosicao().getCasas(), (Casas{-1, 3, -1, -1, -1, -1}));
}

// Interval and note labels of either language stay inside their dot: longer ones get a
// smaller font, short ones keep theirs.
TEST(PintorBraco, RotulosCabemNoPonto) {
  teste::AplicacaoTeste aplicacao;
  QFont base(QStringLiteral("Sans Serif"));
  base.setPixelSize(12);
  base.setBold(true);
  for (const char* rotulo :
       {"R", "3", "b3", "#5", "b7", "#11", "b13", "3M", "7M", "11+", "9-", "F#", "Bb", "Db"}) {
    const QString texto = QString::fromUtf8(rotulo);
    const QFont fonte = PintorBraco::fonteQueCabe(base, texto);
    EXPECT_LE(QFontMetricsF(fonte).horizontalAdvance(texto), PintorBraco::LARGURA_ROTULO + 0.5)
        << rotulo;
    EXPECT_GE(fonte.pixelSize(), PintorBraco::TAMANHO_MINIMO) << rotulo;
  }
  EXPECT_EQ(PintorBraco::fonteQueCabe(base, QStringLiteral("R")).pixelSize(), 12);
}

}  // namespace
}  // namespace tessara
