#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

#include "AplicacaoTeste.h"
#include "TformListaIdiomas.h"

namespace tessara {
namespace {

const std::vector<std::string> kNomes = {"English", "Português (Brasil)"};

// Shows the chooser with `selecionado`, does `passo` once it is up and returns its answer.
std::optional<int> escolherCom(int selecionado,
                               const std::function<void(TformListaIdiomas&, QListWidget&)>& passo) {
  TformListaIdiomas janela(kNomes, selecionado);
  auto* lista = janela.findChild<QListWidget*>();
  QTimer::singleShot(0, &janela, [&] {
    EXPECT_TRUE(janela.isVisible());
    passo(janela, *lista);
    if (janela.isVisible()) janela.reject();
  });
  return janela.escolher();
}

QPushButton* botao(TformListaIdiomas& janela, QDialogButtonBox::StandardButton qual) {
  return janela.findChild<QDialogButtonBox*>()->button(qual);
}

TEST(TformListaIdiomas, DuploCliqueOkECancelar) {
  teste::AplicacaoTeste aplicacao;
  struct Caso {
    const char* nome;
    int selecionado;
    std::function<void(TformListaIdiomas&, QListWidget&)> passo;
    std::optional<int> esperado;
  };
  const Caso casos[] = {
      {"double click on a name", 0,
       [](TformListaIdiomas&, QListWidget& lista) {
         const QRect linha = lista.visualItemRect(lista.item(1));
         QTest::mouseClick(lista.viewport(), Qt::LeftButton, {}, linha.center());
         QTest::mouseDClick(lista.viewport(), Qt::LeftButton, {}, linha.center());
       },
       1},
      {"OK on the current one", 1,
       [](TformListaIdiomas& janela, QListWidget& lista) {
         EXPECT_EQ(janela.focusWidget(), &lista);
         botao(janela, QDialogButtonBox::Ok)->click();
       },
       1},
      {"Enter is OK", 0,
       [](TformListaIdiomas&, QListWidget& lista) { QTest::keyClick(&lista, Qt::Key_Return); }, 0},
      {"OK with nothing selected", -1,
       [](TformListaIdiomas& janela, QListWidget&) {
         botao(janela, QDialogButtonBox::Ok)->click();
       },
       std::nullopt},
      {"Cancel", 0,
       [](TformListaIdiomas& janela, QListWidget&) {
         botao(janela, QDialogButtonBox::Cancel)->click();
       },
       std::nullopt},
      {"Escape", 0,
       [](TformListaIdiomas& janela, QListWidget&) { QTest::keyClick(&janela, Qt::Key_Escape); },
       std::nullopt},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(escolherCom(caso.selecionado, caso.passo), caso.esperado) << caso.nome;
  }
}

}  // namespace
}  // namespace tessara
