#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolTip>
#include <functional>
#include <string>
#include <vector>

#include "BotaoSeletorAcorde.h"
#include "ContrasteTexto.h"
#include "JanelaPrincipal.h"
#include "TformAssistenteMIDI.h"
#include "TformConfiguracoes.h"
#include "TformImportarCifra.h"
#include "TformImpressao.h"
#include "TformOuvir.h"
#include "TformVisualizarImpressao.h"
#include "WidgetBraco.h"
#include "telas/Braco.h"

namespace tessara {
namespace {

constexpr double MINIMO = 4.5;

// Qt's own boxes, menus, tips and dialogs opened from each of the program's windows: the wood
// style of a window must not leave light text on their light backgrounds.
class LegibilidadeTest : public teste::JanelaPrincipal {
 protected:
  struct Janela {
    const char* nome;
    std::function<QWidget*(TformPrincipal&)> abrir;
  };
  static std::vector<Janela> janelas() {
    auto mostrar = [](QWidget& w) {
      w.show();
      return &w;
    };
    return {
        {"main window", [](TformPrincipal& j) { return &j; }},
        {"chord sheet", [=](TformPrincipal& j) { return mostrar(j.getImportarCifra()); }},
        {"settings", [=](TformPrincipal& j) { return mostrar(j.getConfiguracoes()); }},
        {"print", [=](TformPrincipal& j) { return mostrar(j.getImpressao()); }},
        {"preview", [=](TformPrincipal& j) { return mostrar(j.getVisualizacao()); }},
        {"MIDI wizard", [=](TformPrincipal& j) { return mostrar(j.getAssistente()); }},
        {"tuner", [=](TformPrincipal& j) { return mostrar(j.getOuvir()); }},
    };
  }

  // Every enabled, visible text of `janela` (a top-level) read against its own background.
  static void conferirTextos(QWidget& janela, const std::string& onde) {
    const QImage imagem = janela.grab().toImage();
    int lidos = 0;
    for (QWidget* w : janela.findChildren<QWidget*>()) {
      if (!w->isVisibleTo(&janela) || !w->isEnabled() || w->window() != &janela) continue;
      const QRect area = areaDoTexto(*w);
      if (area.isEmpty()) continue;
      ++lidos;
      const QRect naJanela(w->mapTo(&janela, area.topLeft()), area.size());
      EXPECT_GE(teste::ContrasteTexto::medir(imagem, naJanela), MINIMO)
          << onde << ": " << w->metaObject()->className() << " '" << textoDe(*w).toStdString()
          << "'";
    }
    EXPECT_GT(lidos, 0) << onde;
  }
  static QString textoDe(const QWidget& w) {
    if (const auto* l = qobject_cast<const QLabel*>(&w)) return l->text();
    if (const auto* b = qobject_cast<const QAbstractButton*>(&w)) return b->text();
    return {};
  }
  // Where the widget draws its words, borders and indicators left out.
  static QRect areaDoTexto(const QWidget& w) {
    if (textoDe(w).trimmed().isEmpty()) return {};
    if (qobject_cast<const QLabel*>(&w) != nullptr) return w.rect();
    const bool marca =
        qobject_cast<const QCheckBox*>(&w) != nullptr || qobject_cast<const QRadioButton*>(&w);
    if (!marca) return w.rect().adjusted(4, 4, -4, -4);
    QStyleOptionButton opcao;
    opcao.initFrom(&w);
    const auto elemento = qobject_cast<const QCheckBox*>(&w) != nullptr
                              ? QStyle::SE_CheckBoxContents
                              : QStyle::SE_RadioButtonContents;
    return w.style()->subElementRect(elemento, &opcao, &w);
  }
};

TEST_F(LegibilidadeTest, CaixaDeMensagemDeCadaJanela) {
  for (const auto& [nome, abrir] : janelas()) {
    QWidget* pai = abrir(*janela);
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("Tessara"),
                      QStringLiteral("Do you really want to quit?"),
                      QMessageBox::Ok | QMessageBox::Cancel, pai);
    caixa.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&caixa));
    conferirTextos(caixa, nome);
    caixa.hide();
    if (pai != janela.get()) pai->hide();
  }
}

TEST_F(LegibilidadeTest, DialogoDeImpressaoDoSistema) {
  for (QWidget* pai :
       {static_cast<QWidget*>(janela.get()), static_cast<QWidget*>(&janela->getImpressao())}) {
    QPrinter impressora;
    QPrintDialog dialogo(&impressora, pai);
    dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogo));
    conferirTextos(dialogo, pai->objectName().toStdString());
    dialogo.hide();
  }
}

TEST_F(LegibilidadeTest, MenuDaNotaNoBracoEListaDaBaseDeAcordes) {
  digitar(QStringLiteral("C"));
  auto* braco = janela->findChild<WidgetBraco*>();
  ASSERT_NE(braco, nullptr);
  const auto& g = janela->getBraco().getGeometria();
  const QPoint nota(g.getXCasas()[3], g.getYCordas()[1]);  // C's root, A string, 3rd fret
  ASSERT_TRUE(janela->getBraco().existeNotaEm(nota.x(), nota.y()));
  QTest::mouseClick(braco, Qt::RightButton, {}, nota);
  auto* menu = braco->findChild<QMenu*>(QStringLiteral("menuNota"));
  ASSERT_NE(menu, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
  const QImage imagem = menu->grab().toImage();
  for (QAction* acao : menu->actions()) {
    if (acao->isSeparator()) continue;
    EXPECT_GE(
        teste::ContrasteTexto::medir(imagem, menu->actionGeometry(acao).adjusted(2, 2, -2, -2)),
        MINIMO)
        << acao->text().toStdString();
  }
  menu->close();

  auto* base = filho<QComboBox>("comboBaseAcordes");
  base->showPopup();
  QAbstractItemView* lista = base->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(lista->window()));
  QWidget* popup = lista->window();
  QTest::qWait(50);  // the popup's opening effect
  const QImage itens = popup->grab().toImage();
  // The rows on show, wherever the list has scrolled to.
  const int primeira = lista->indexAt(QPoint(4, 4)).row();
  ASSERT_GE(primeira, 0);
  for (int i = primeira; i < std::min(base->count(), primeira + 5); ++i) {
    const QRect linha = lista->visualRect(base->model()->index(i, 0));
    const QRect naJanela(lista->viewport()->mapTo(popup, linha.topLeft()), linha.size());
    EXPECT_GE(teste::ContrasteTexto::medir(itens, naJanela), MINIMO)
        << base->itemText(i).toStdString();
  }
  base->hidePopup();
}

TEST_F(LegibilidadeTest, DicaDeUmBotao) {
  auto* ouvir = filho<QPushButton>("btnOuvir");
  QToolTip::showText(ouvir->mapToGlobal(QPoint(4, 4)), ouvir->toolTip(), ouvir);
  QWidget* dica = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->inherits("QTipLabel") && w->isVisible()) dica = w;
  }
  ASSERT_NE(dica, nullptr);
  EXPECT_GE(
      teste::ContrasteTexto::medir(dica->grab().toImage(), dica->rect().adjusted(2, 2, -2, -2)),
      MINIMO);
  QToolTip::hideText();
}

// The chord picker's headings on its dark panel, and its rows, the chosen ones too.
TEST_F(LegibilidadeTest, SeletorDeAcordesAberto) {
  digitar(QStringLiteral("Gm7/F"));
  auto* seletor = filho<BotaoSeletorAcorde>("btnSeletorAcorde");
  seletor->click();
  QFrame& painel = seletor->getPainel();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&painel));
  conferirTextos(painel, "chord picker");
  const QImage imagem = painel.grab().toImage();
  for (QListWidget* lista :
       {&seletor->getRaizes(), &seletor->getQualidades(), &seletor->getBaixos()}) {
    ASSERT_GT(lista->currentRow(), 0) << lista->objectName().toStdString();
    for (int i : {0, 1, lista->currentRow()}) {
      const QRect linha = lista->visualItemRect(lista->item(i));
      const QRect noPainel(lista->viewport()->mapTo(&painel, linha.topLeft()), linha.size());
      EXPECT_GE(teste::ContrasteTexto::medir(imagem, noPainel), MINIMO)
          << lista->item(i)->text().toStdString();
    }
  }
  painel.hide();
}

}  // namespace
}  // namespace tessara
