#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "AplicacaoTeste.h"
#include "InteracaoGravada.h"
#include "NucleoTeste.h"
#include "TformAviso.h"
#include "TformPrincipal.h"
#include "app/Fachada.h"
#include "fretboard/Braco.h"

namespace tessara {
namespace {

using Casas = std::vector<int>;

// The main window over the root's objects: English with its pictures, the scale base and the
// shipped chord base, the recording MIDI port, a settings folder of the test's own.
class TformPrincipalTest : public ::testing::Test {
 protected:
  TformPrincipalTest() {
    janela = std::make_unique<TformPrincipal>(fachada, ambiente.interacao);
    ambiente.nucleo.definirFachadaGUI(janela.get());
    janela->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
  }
  ~TformPrincipalTest() override { ambiente.nucleo.definirFachadaGUI(nullptr); }

  template <typename T>
  T* filho(const char* nome) {
    auto* w = janela->findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
  }
  void digitar(const QString& nome) {
    auto* caixa = filho<QLineEdit>("editNomeAcorde");
    caixa->setText(nome);
    QTest::keyClick(caixa, Qt::Key_Return);
  }

  teste::AplicacaoTeste aplicacao;
  teste::NucleoTeste ambiente{
      {"scales.xml", "instrumentos.xml"}, "en", {"en.idm", "en.dat", "chords-en.bin"}};
  Fachada& fachada = ambiente.nucleo.fachada();
  std::unique_ptr<TformPrincipal> janela;
};

TEST_F(TformPrincipalTest, AcordeDigitadoEmMinusculaApareceNoBracoENasListas) {
  EXPECT_TRUE(ambiente.interacao.mensagens.empty());
  digitar(QStringLiteral("  c7 "));
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), (Casas{-1, 3, 2, 3, 1, 0}));
  EXPECT_EQ(filho<QLineEdit>("editNomeAcorde")->text(), QStringLiteral("C7"));
  EXPECT_EQ(filho<QComboBox>("comboBaseAcordes")->currentText(), QStringLiteral("C7"));
  // The next fingering, and back.
  filho<QPushButton>("btnProximo")->click();
  EXPECT_NE(janela->getBraco().getPosicao().getCasas(), (Casas{-1, 3, 2, 3, 1, 0}));
  filho<QPushButton>("btnAnterior")->click();
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), (Casas{-1, 3, 2, 3, 1, 0}));
}

TEST_F(TformPrincipalTest, NomeRecusadoMostraOAvisoComAPaginaDosNomes) {
  QString visto;
  std::filesystem::path ajuda;
  QTimer::singleShot(0, [&] {
    auto* aviso = janela->findChild<TformAviso*>();
    ASSERT_NE(aviso, nullptr);
    visto = aviso->getTexto();
    ajuda = aviso->getAjuda();
    aviso->reject();
  });
  digitar(QStringLiteral("Hmaj"));
  EXPECT_EQ(visto, QStringLiteral("Tessara does not know this chord name. See how chord names "
                                  "are written in the help."));
  EXPECT_EQ(ajuda, fachada.getCaminhoAjudaAcordes());
  // An empty box does nothing.
  filho<QLineEdit>("editNomeAcorde")->clear();
  QTest::keyClick(filho<QLineEdit>("editNomeAcorde"), Qt::Key_Return);
}

TEST_F(TformPrincipalTest, ModoDeEscalasMostraAEscalaEscolhidaEVoltaAoAcorde) {
  digitar(QStringLiteral("G"));
  const Casas g = janela->getBraco().getPosicao().getCasas();
  auto* modos = filho<QComboBox>("comboModoVisualizacao");
  modos->setCurrentIndex(2);  // intervals
  emit modos->activated(2);
  filho<QPushButton>("btnExibicaoEscalas")->click();
  ASSERT_TRUE(janela->modoEscalas());
  EXPECT_TRUE(fachada.getNomesEscalas().size() > 0);
  EXPECT_EQ(filho<QComboBox>("comboModoVisualizacao")->count(), 2);
  EXPECT_EQ(janela->getBraco().getModoVisualizacao(), Braco::MODO_DEDOS);
  EXPECT_FALSE(filho<QLineEdit>("editNomeAcorde")->isVisible());
  auto* escala = filho<QComboBox>("comboNomeEscalas");
  auto* tom = filho<QComboBox>("comboTomEscalas");
  escala->setCurrentIndex(0);
  tom->setCurrentIndex(0);
  emit tom->activated(0);
  ASSERT_TRUE(janela->getBraco().temEscala());
  EXPECT_EQ(janela->getTonicaEscolhida(), "C");
  EXPECT_EQ(janela->getBraco().getEscala()->getNumeroNotas(), 8);

  filho<QPushButton>("btnBaseAcordes")->click();
  EXPECT_FALSE(janela->modoEscalas());
  EXPECT_EQ(filho<QComboBox>("comboModoVisualizacao")->count(), 3);
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), g);  // the chord left on show
}

TEST_F(TformPrincipalTest, ListaDeImpressaoAdicionaRemoveEDevolveCopias) {
  for (const char* nome : {"C", "G", "Am"}) {
    digitar(QString::fromLatin1(nome));
    filho<QPushButton>("btnAdicionar")->click();
  }
  auto* lista = filho<QListWidget>("listaImpressao");
  ASSERT_EQ(lista->count(), 3);
  EXPECT_EQ(janela->getListaImpressao().size(), 3);
  EXPECT_EQ(janela->getListaImpressao().getElement(1)->getNome(), "G");
  lista->item(0)->setSelected(true);
  lista->item(2)->setSelected(true);
  filho<QPushButton>("btnRemover")->click();
  ASSERT_EQ(lista->count(), 1);
  EXPECT_EQ(lista->item(0)->text(), QStringLiteral("G"));
  EXPECT_EQ(janela->getListaImpressao().getElement(0)->getNome(), "G");
}

}  // namespace
}  // namespace tessara
