// A session at the main window from the first chord to quitting, the way a guitarist uses it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <regex>

#include "JanelaPrincipal.h"
#include "PastaTemporaria.h"
#include "TformImpressao.h"
#include "TformVisualizarImpressao.h"
#include "WidgetBraco.h"
#include "foundations/Caminhos.h"
#include "qt/ImpressoraQt.h"
#include "telas/Braco.h"

namespace tessara {
namespace {

using UsoDaJanela = teste::JanelaPrincipal;

TEST_F(UsoDaJanela, DoPrimeiroAcordeAoPdfEAoFecharComAsConfiguracoesGravadas) {
  // A chord typed, then browsed.
  digitar(QStringLiteral("am7"));
  auto* nome = filho<QLineEdit>("editNomeAcorde");
  EXPECT_EQ(nome->text(), QStringLiteral("Am7"));
  const auto primeira = janela->getBraco().getPosicao().getCasas();
  filho<QPushButton>("btnProximo")->click();
  EXPECT_NE(janela->getBraco().getPosicao().getCasas(), primeira);
  filho<QPushButton>("btnAnterior")->click();
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), primeira);

  // Edited by a click: D in place of C on the second string names another chord.
  const auto& g = janela->getBraco().getGeometria();
  QTest::mouseClick(janela->findChild<WidgetBraco*>(), Qt::LeftButton, {},
                    QPoint(g.getXCasas()[3], g.getYCordas()[4]));
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas()[4], 3);
  const QString editado = nome->text();
  EXPECT_NE(editado, QStringLiteral("Am7"));
  filho<QPushButton>("btnAdicionar")->click();
  digitar(QStringLiteral("C"));
  filho<QPushButton>("btnAdicionar")->click();
  auto* lista = filho<QListWidget>("listaImpressao");
  ASSERT_EQ(lista->count(), 2);
  EXPECT_EQ(lista->item(0)->text(), editado);

  // A scale, played to its end on the window's agenda.
  filho<QPushButton>("btnExibicaoEscalas")->click();
  auto* escala = filho<QComboBox>("comboNomeEscalas");
  auto* tom = filho<QComboBox>("comboTomEscalas");
  escala->setCurrentIndex(escala->findText(QStringLiteral("Major (Ionian)")));
  tom->setCurrentIndex(7);
  emit tom->activated(7);
  ASSERT_TRUE(janela->getBraco().temEscala());
  ambiente.midi.clear();
  auto* ouvir = filho<QPushButton>("btnOuvir");
  ouvir->click();
  EXPECT_EQ(ouvir->text(), QStringLiteral("Stop"));
  while (agenda->disparar()) {
  }
  EXPECT_EQ(ouvir->text(), QStringLiteral("Listen"));
  const std::regex notaLigada("9[0-9A-F] [0-9A-F]{2} ([1-7][0-9A-F]|0[1-9A-F])$");
  const auto notasLigadas =
      std::count_if(ambiente.midi.begin(), ambiente.midi.end(),
                    [&](const auto& r) { return std::regex_search(r.texto, notaLigada); });
  EXPECT_GE(notasLigadas, 8);

  // Back to the chords: the print list is still there; preview it, then print it to PDF.
  filho<QPushButton>("btnBaseAcordes")->click();
  auto& impressao = janela->getImpressao();
  auto& previa = janela->getVisualizacao();
  const auto pdf = ambiente.pasta / "acordes.pdf";
  impressao.definirDialogo([&](QPrinter& impressora) {
    ImpressoraQt::configurarPdf(impressora, pdf);
    return true;
  });
  int paginasVistas = 0;
  QTimer::singleShot(0, &impressao, [&] {
    QTimer::singleShot(0, &previa, [&] {
      paginasVistas = previa.findChild<QSpinBox*>(QStringLiteral("spinPagina"))->maximum();
      previa.reject();
    });
    impressao.findChild<QPushButton*>(QStringLiteral("btnVisualizarImpressao"))->click();
    impressao.findChild<QPushButton*>(QStringLiteral("btnImprimir"))->click();
    impressao.reject();
  });
  filho<QPushButton>("btnImprimir")->click();
  EXPECT_EQ(paginasVistas, 1);
  EXPECT_EQ(teste::lerArquivo(pdf).rfind("%PDF", 0), 0u);

  // Quit from scale mode: the confirmation, then the settings.
  filho<QPushButton>("btnExibicaoEscalas")->click();
  EXPECT_TRUE(janela->close());
  ASSERT_EQ(ambiente.interacao.mensagens.size(), 1u);
  EXPECT_EQ(ambiente.interacao.mensagens[0].texto,
            fachada.getTexto("fmPrincipal", "msgConfirmacaoSaida"));
  const std::string configuracao =
      teste::lerArquivo(ambiente.usuario() / Caminhos::NOME_CONFIGURACAO);
  EXPECT_NE(configuracao.find("exibicaoEscalas=1"), std::string::npos) << configuracao;
  EXPECT_NE(configuracao.find("instrumento=" + fachada.getNomeInstrumentoAtual()),
            std::string::npos)
      << configuracao;
}

}  // namespace
}  // namespace tessara
