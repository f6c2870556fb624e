#include <gtest/gtest.h>

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <set>

#include "BotaoSeletorAcorde.h"
#include "JanelaPrincipal.h"
#include "TformPrincipal.h"
#include "app/Fachada.h"
#include "telas/Braco.h"

namespace tessara {
namespace {

using SeletorEEscalaDaJanela = teste::JanelaPrincipal;

// The pitch classes the fretboard sounds.
std::set<int> classesSoando(Braco& braco) {
  std::set<int> classes;
  for (const int nota : braco.getNotas()) {
    if (nota >= 0) classes.insert(nota % 12);
  }
  return classes;
}

int linhaCom(QListWidget& lista, const QString& texto) {
  const auto achados = lista.findItems(texto, Qt::MatchExactly);
  EXPECT_EQ(achados.size(), 1) << texto.toStdString();
  return achados.isEmpty() ? -1 : lista.row(achados.front());
}

// Root, then quality, then bass: each choice names the chord in the box and shows it, as
// typing it would; the alphabetical list follows.
TEST_F(SeletorEEscalaDaJanela, EscolhasDoSeletorEnchemACaixaEMostramOAcorde) {
  auto* seletor = filho<BotaoSeletorAcorde>("btnSeletorAcorde");
  auto* caixa = filho<QLineEdit>("editNomeAcorde");
  seletor->click();
  ASSERT_TRUE(seletor->getPainel().isVisible());
  EXPECT_EQ(seletor->getRaizes().count(), 12);
  EXPECT_EQ(seletor->getBaixos().count(), 13);
  EXPECT_EQ(seletor->getQualidades().item(0)->text(), QStringLiteral("major"));

  seletor->getRaizes().setCurrentRow(linhaCom(seletor->getRaizes(), QStringLiteral("G")));
  EXPECT_EQ(caixa->text(), QStringLiteral("G"));
  EXPECT_EQ(classesSoando(janela->getBraco()), (std::set<int>{7, 11, 2}));

  seletor->getQualidades().setCurrentRow(linhaCom(seletor->getQualidades(), QStringLiteral("m7")));
  EXPECT_EQ(caixa->text(), QStringLiteral("Gm7"));
  EXPECT_EQ(classesSoando(janela->getBraco()), (std::set<int>{7, 10, 2, 5}));
  EXPECT_EQ(filho<QComboBox>("comboBaseAcordes")->currentText(), QStringLiteral("Gm7"));

  seletor->getBaixos().setCurrentRow(linhaCom(seletor->getBaixos(), QStringLiteral("/F")));
  EXPECT_EQ(caixa->text(), QStringLiteral("Gm7/F"));
  const auto notas = janela->getBraco().getNotas();
  const auto grave = std::find_if(notas.begin(), notas.end(), [](int n) { return n >= 0; });
  ASSERT_NE(grave, notas.end());
  EXPECT_EQ(*grave % 12, 5);  // F in the bass
  EXPECT_TRUE(ambiente.interacao.mensagens.empty());
}

// A typed name sets the picker when it is one of its chords, however it is written; another
// leaves it as it was.
TEST_F(SeletorEEscalaDaJanela, NomeDigitadoAcertaOSeletorOuODeixa) {
  auto* seletor = filho<BotaoSeletorAcorde>("btnSeletorAcorde");
  digitar(QStringLiteral("Dbmaj7"));
  EXPECT_EQ(seletor->getRaizes().currentItem()->text(), QStringLiteral("C#"));
  EXPECT_EQ(seletor->getQualidades().currentItem()->text(), QStringLiteral("maj7"));
  EXPECT_EQ(seletor->getBaixos().currentRow(), 0);
  digitar(QStringLiteral("C13(#11)"));
  ASSERT_TRUE(janela->getBraco().temNota());
  EXPECT_EQ(seletor->getQualidades().currentItem()->text(), QStringLiteral("maj7"));
  EXPECT_EQ(seletor->getRaizes().currentItem()->text(), QStringLiteral("C#"));
}

// Scale mode: the intervals view, and the whole neck switched on, drawn and remembered.
TEST_F(SeletorEEscalaDaJanela, EscalaComIntervalosEBracoInteiroLembrado) {
  filho<QPushButton>("btnExibicaoEscalas")->click();
  auto* escala = filho<QComboBox>("comboNomeEscalas");
  auto* tom = filho<QComboBox>("comboTomEscalas");
  escala->setCurrentIndex(escala->findText(QStringLiteral("Minor pentatonic")));
  tom->setCurrentIndex(7);
  emit tom->activated(7);
  Braco& braco = janela->getBraco();
  ASSERT_TRUE(braco.temEscala());

  auto* modos = filho<QComboBox>("comboModoVisualizacao");
  ASSERT_EQ(modos->count(), 3);
  modos->setCurrentIndex(2);
  emit modos->activated(2);
  std::set<std::string> intervalos;
  for (int k = 0; k < braco.getNumeroMarcadoresEscala(); ++k) {
    const auto& m = braco.getMarcadoresEscala()[static_cast<size_t>(k)];
    if (m.intervalo.visivel) intervalos.insert(m.intervalo.texto);
  }
  EXPECT_EQ(intervalos, (std::set<std::string>{"R", "b3", "4", "5", "b7"}));

  auto* inteiro = filho<QPushButton>("btnBracoInteiro");
  ASSERT_TRUE(inteiro->isVisible());
  EXPECT_FALSE(inteiro->isChecked());
  const int daPosicao = braco.getNumeroMarcadoresEscala();
  inteiro->click();
  EXPECT_TRUE(braco.getBracoInteiro());
  EXPECT_GT(braco.getNumeroMarcadoresEscala(), 3 * daPosicao);
  EXPECT_TRUE(braco.getQuadroPosicao().visivel);
  // The arrows still step through the positions, the frame with them.
  const int xAntes = braco.getQuadroPosicao().xEsquerda;
  filho<QPushButton>("btnProximo")->click();
  EXPECT_NE(braco.getQuadroPosicao().xEsquerda, xAntes);

  filho<QPushButton>("btnBaseAcordes")->click();
  EXPECT_FALSE(inteiro->isVisible());
  ambiente.interacao.resposta = true;
  janela->close();
  const std::string ini = teste::lerArquivo(ambiente.usuario() / "tessara.ini");
  EXPECT_NE(ini.find("\nbracoInteiro=1\n"), std::string::npos) << ini;
  TformPrincipal segunda(fachada, ambiente.interacao);
  EXPECT_TRUE(segunda.findChild<QPushButton*>(QStringLiteral("btnBracoInteiro"))->isChecked());
  EXPECT_TRUE(segunda.getBraco().getBracoInteiro());
}

}  // namespace
}  // namespace tessara
