#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "InteracaoGravada.h"
#include "JanelaPrincipal.h"
#include "NucleoTeste.h"
#include "TformAssistenteMIDI.h"
#include "TformAviso.h"
#include "TformPrincipal.h"
#include "WidgetBraco.h"
#include "app/Fachada.h"
#include "qt/TextoQt.h"
#include "telas/Braco.h"
#include "telas/GeometriaBraco.h"
#include "telas/ListaImpressao.h"

namespace tessara {
namespace {

using Casas = std::vector<int>;

using TformPrincipalTest = teste::JanelaPrincipal;

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

// Scales, then chords, then scales again: the scale, its key and its position come back.
TEST_F(TformPrincipalTest, EscalaVoltaDepoisDosAcordes) {
  filho<QPushButton>("btnExibicaoEscalas")->click();
  auto* escala = filho<QComboBox>("comboNomeEscalas");
  auto* tom = filho<QComboBox>("comboTomEscalas");
  escala->setCurrentIndex(0);
  tom->setCurrentIndex(7);
  emit tom->activated(7);
  filho<QPushButton>("btnProximo")->click();
  ASSERT_TRUE(janela->getBraco().temEscala());
  const auto casas = janela->getBraco().getEscala()->getCasas();

  filho<QPushButton>("btnBaseAcordes")->click();
  digitar(QStringLiteral("Am"));
  filho<QPushButton>("btnExibicaoEscalas")->click();
  ASSERT_TRUE(janela->getBraco().temEscala());
  EXPECT_EQ(janela->getBraco().getEscala()->getCasas(), casas);
  EXPECT_GT(janela->getBraco().getNumeroMarcadoresEscala(), 0);
  EXPECT_EQ(tom->currentIndex(), 7);
  EXPECT_EQ(fachada.getIndiceExibicao(), 1);
  // The arrows go on from there.
  filho<QPushButton>("btnProximo")->click();
  EXPECT_EQ(fachada.getIndiceExibicao(), 2);
}

// Where the arrows stand shows beside them, and the name box's up and down keys step too.
TEST_F(TformPrincipalTest, ContagemEPassosPeloTeclado) {
  auto* contagem = filho<QLabel>("lblContagem");
  EXPECT_EQ(contagem->text(), QString());
  digitar(QStringLiteral("C"));
  ASSERT_TRUE(contagem->text().startsWith(QStringLiteral("Fingering 1 of ")))
      << contagem->text().toStdString();
  auto* caixa = filho<QLineEdit>("editNomeAcorde");
  QTest::keyClick(caixa, Qt::Key_Down);
  QTest::keyClick(caixa, Qt::Key_PageDown);
  EXPECT_EQ(fachada.getVistaAcorde().indicePosicao, 2);
  EXPECT_TRUE(contagem->text().startsWith(QStringLiteral("Fingering 3 of ")));
  QTest::keyClick(caixa, Qt::Key_Up);
  EXPECT_EQ(fachada.getVistaAcorde().indicePosicao, 1);
  EXPECT_EQ(caixa->text(), QStringLiteral("C"));

  filho<QPushButton>("btnExibicaoEscalas")->click();
  EXPECT_EQ(contagem->text(), QString());
  auto* tom = filho<QComboBox>("comboTomEscalas");
  filho<QComboBox>("comboNomeEscalas")->setCurrentIndex(0);
  tom->setCurrentIndex(0);
  emit tom->activated(0);
  EXPECT_EQ(contagem->text(), QStringLiteral("Position 1 of %1").arg(fachada.getNumeroExibicoes()));
}

// Ctrl+Q asks, as closing does.
TEST_F(TformPrincipalTest, CtrlQPerguntaAntesDeSair) {
  ambiente.interacao.resposta = false;
  QTest::keyClick(janela.get(), Qt::Key_Q, Qt::ControlModifier);
  ASSERT_EQ(ambiente.interacao.mensagens.size(), 1u);
  EXPECT_EQ(ambiente.interacao.mensagens[0].texto,
            fachada.getTexto("fmPrincipal", "msgConfirmacaoSaida"));
  EXPECT_TRUE(janela->isVisible());
}

// Listen without a sound output says why in the status line, once, and offers the MIDI
// set-up; with the output back, it plays and the line goes.
TEST_F(TformPrincipalTest, OuvirSemSaidaDizPorQueNaLinhaDeEstado) {
  digitar(QStringLiteral("C"));
  ambiente.porta->fechar();
  const size_t antes = ambiente.midi.size();
  auto* ouvir = filho<QPushButton>("btnOuvir");
  auto* estado = filho<QLabel>("lblEstado");
  for (int vez = 0; vez < 2; ++vez) ouvir->click();
  EXPECT_TRUE(estado->isVisible());
  const QString texto = estado->text();
  EXPECT_TRUE(
      texto.contains(qt(fachada.getTexto("fmPrincipal", "lblSemSaida")).toHtmlEscaped()) ||
      texto.contains(qt(fachada.getTexto("fmPrincipal", "lblSemSoundFont")).toHtmlEscaped()))
      << texto.toStdString();
  EXPECT_TRUE(texto.contains(qt(fachada.getTexto("fmPrincipal", "lnkConfigurarMidi"))));
  EXPECT_EQ(ambiente.midi.size(), antes);
  EXPECT_TRUE(ambiente.interacao.mensagens.empty());  // no box in the way

  bool assistenteAberto = false;
  QTimer::singleShot(0, &janela->getAssistente(), [&] {
    assistenteAberto = janela->getAssistente().isVisible();
    janela->getAssistente().reject();
  });
  emit estado->linkActivated(QStringLiteral("midi"));
  EXPECT_TRUE(assistenteAberto);
  EXPECT_FALSE(estado->isVisible());

  ambiente.porta->abrir(0);
  ouvir->click();
  EXPECT_FALSE(estado->isVisible());
  EXPECT_GT(ambiente.midi.size(), antes);
}

// Ctrl+Z and Ctrl+Shift+Z take back and redo a click on the fretboard, and the names follow.
TEST_F(TformPrincipalTest, CtrlZDesfazUmCliqueNoBraco) {
  digitar(QStringLiteral("C"));
  const Casas c = janela->getBraco().getPosicao().getCasas();
  auto* braco = janela->findChild<WidgetBraco*>();
  const auto& g = janela->getBraco().getGeometria();
  QTest::mouseClick(braco, Qt::LeftButton, {}, QPoint(g.getXCasas()[3], g.getYCordas()[0]));
  const Casas editada = janela->getBraco().getPosicao().getCasas();
  ASSERT_NE(editada, c);
  filho<QListWidget>("listaImpressao")->setFocus();
  QTest::keyClick(janela.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), c);
  EXPECT_EQ(filho<QLineEdit>("editNomeAcorde")->text(), QStringLiteral("C"));
  QTest::keyClick(janela.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), editada);
}

// A screen reader finds a name for every control, in the window's language, and reads the
// fretboard as the chord, the count and the frets and fingers.
TEST_F(TformPrincipalTest, ControlesTemNomesAcessiveisEOBracoSeLeComoTexto) {
  for (QWidget* w : janela->findChildren<QWidget*>()) {
    if (w->window() != janela.get() || !w->isVisible() || w->focusPolicy() == Qt::NoFocus) continue;
    EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
  }
  EXPECT_EQ(filho<QPushButton>("btnOuvir")->accessibleName(), QStringLiteral("Listen"));
  EXPECT_FALSE(filho<QPushButton>("btnProximo")->accessibleName().isEmpty());

  digitar(QStringLiteral("C"));
  auto* braco = janela->findChild<WidgetBraco*>();
  EXPECT_TRUE(braco->accessibleName().contains(QStringLiteral("C")))
      << braco->accessibleName().toStdString();
  EXPECT_TRUE(braco->accessibleName().contains(filho<QLabel>("lblContagem")->text()));
  EXPECT_TRUE(braco->accessibleDescription().contains(QStringLiteral("x 3 2 0 1 0")))
      << braco->accessibleDescription().toStdString();
}

// The window grows whole: at twice its size every control and the fretboard are twice as
// large, a click lands on the note under it, and the size is kept for the next start.
TEST_F(TformPrincipalTest, JanelaAumentadaCresceInteiraEGuardaOTamanho) {
  digitar(QStringLiteral("C"));
  auto* ouvir = filho<QPushButton>("btnOuvir");
  const QRect antes = ouvir->geometry();
  janela->resize(2 * TformPrincipal::LARGURA, 2 * TformPrincipal::ALTURA);
  QApplication::processEvents();
  EXPECT_EQ(janela->escalaEmPorcento(), 200);
  EXPECT_EQ(ouvir->geometry(), QRect(2 * antes.topLeft(), 2 * antes.size()));
  auto* braco = janela->findChild<WidgetBraco*>();
  EXPECT_EQ(braco->size(), QSize(2 * GeometriaBraco::LARGURA, 2 * GeometriaBraco::ALTURA));

  const auto& g = janela->getBraco().getGeometria();
  QTest::mouseClick(braco, Qt::LeftButton, {}, 2 * QPoint(g.getXCasas()[3], g.getYCordas()[0]));
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas()[0], 3);

  ambiente.interacao.resposta = true;
  janela->close();
  const std::string ini = teste::lerArquivo(ambiente.usuario() / "tessara.ini");
  EXPECT_NE(ini.find("\nescala=200\n"), std::string::npos) << ini;
  TformPrincipal segunda(fachada, ambiente.interacao);
  EXPECT_EQ(segunda.size(), QSize(2 * TformPrincipal::LARGURA, 2 * TformPrincipal::ALTURA));
}

// At the first start nothing is on show, and the chord list names nothing either.
TEST_F(TformPrincipalTest, PrimeiraPartidaNaoNomeiaAcordeNenhum) {
  EXPECT_EQ(filho<QComboBox>("comboBaseAcordes")->currentIndex(), -1);
  EXPECT_FALSE(janela->getBraco().temNota());
  EXPECT_EQ(filho<QLineEdit>("editNomeAcorde")->text(), QString());
}

// Clear empties the fretboard and both names: the arrows have nothing left to browse.
TEST_F(TformPrincipalTest, LimparApagaOsNomes) {
  digitar(QStringLiteral("C"));
  filho<QPushButton>("btnLimparBraco")->click();
  EXPECT_EQ(filho<QLineEdit>("editNomeAcorde")->text(), QString());
  EXPECT_EQ(filho<QComboBox>("comboBaseAcordes")->currentIndex(), -1);
  EXPECT_EQ(fachada.getIndiceAcordeAtual(), -1);
  filho<QPushButton>("btnProximo")->click();
  EXPECT_FALSE(janela->getBraco().temNota());
}

// A click into the name box selects the name there: typing replaces it.
TEST_F(TformPrincipalTest, CliqueNaCaixaDoNomeSelecionaOTexto) {
  digitar(QStringLiteral("C"));
  filho<QListWidget>("listaImpressao")->setFocus();
  auto* caixa = filho<QLineEdit>("editNomeAcorde");
  QTest::mouseClick(caixa, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(caixa->selectedText(), QStringLiteral("C"));
}

// A line taken back from the print list: the arrows go on from its fingering, and its notes
// keep the flats of its name.
TEST_F(TformPrincipalTest, LinhaDaListaContinuaDaSuaPosicaoComAGrafiaDoNome) {
  digitar(QStringLiteral("C"));
  filho<QPushButton>("btnProximo")->click();
  filho<QPushButton>("btnProximo")->click();
  const Casas terceira = janela->getBraco().getPosicao().getCasas();
  filho<QPushButton>("btnProximo")->click();
  const Casas quarta = janela->getBraco().getPosicao().getCasas();
  filho<QPushButton>("btnAnterior")->click();
  filho<QPushButton>("btnAdicionar")->click();
  digitar(QStringLiteral("Bb"));
  filho<QPushButton>("btnAdicionar")->click();

  auto* lista = filho<QListWidget>("listaImpressao");
  ASSERT_EQ(lista->count(), 2);
  lista->setCurrentRow(0);
  emit lista->itemClicked(lista->item(0));
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), terceira);
  filho<QPushButton>("btnProximo")->click();
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), quarta);

  janela->getBraco().setModoVisualizacao(ModoRotulo::NOTAS);
  lista->setCurrentRow(1);
  emit lista->itemClicked(lista->item(1));
  EXPECT_EQ(filho<QLineEdit>("editNomeAcorde")->text(), QStringLiteral("Bb"));
  std::string rotulos;
  for (const auto& corda : janela->getBraco().getCordas()) {
    if (corda.nota.visivel) rotulos += corda.nota.texto + " ";
  }
  EXPECT_NE(rotulos.find("Bb"), std::string::npos) << rotulos;
  EXPECT_EQ(rotulos.find("A#"), std::string::npos) << rotulos;
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
  // Scales have an intervals view too: the view stays.
  EXPECT_EQ(filho<QComboBox>("comboModoVisualizacao")->count(), 3);
  EXPECT_EQ(janela->getBraco().getModoVisualizacao(), ModoRotulo::INTERVALOS);
  EXPECT_FALSE(filho<QLineEdit>("editNomeAcorde")->isVisible());
  auto* escala = filho<QComboBox>("comboNomeEscalas");
  auto* tom = filho<QComboBox>("comboTomEscalas");
  escala->setCurrentIndex(0);
  tom->setCurrentIndex(0);
  emit tom->activated(0);
  ASSERT_TRUE(janela->getBraco().temEscala());
  EXPECT_EQ(fachada.getTonicaEscala(), "C");
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
  EXPECT_EQ(janela->getListaImpressao().copias().size(), 3);
  EXPECT_EQ(janela->getListaImpressao().copias().getElement(1)->getNome(), "G");
  QTest::keyClick(lista, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(lista->selectedItems().size(), 3);
  lista->clearSelection();
  lista->item(0)->setSelected(true);
  lista->item(2)->setSelected(true);
  filho<QPushButton>("btnRemover")->click();
  ASSERT_EQ(lista->count(), 1);
  EXPECT_EQ(lista->item(0)->text(), QStringLiteral("G"));
  EXPECT_EQ(janela->getListaImpressao().copias().getElement(0)->getNome(), "G");
}

// Clicks the fretboard at a string's fret, as the user would.
void clicar(TformPrincipal& janela, int corda, int casa) {
  const auto& g = janela.getBraco().getGeometria();
  auto* widget = janela.findChild<WidgetBraco*>();
  QTest::mouseClick(
      widget, Qt::LeftButton, {},
      QPoint(g.getXCasas()[static_cast<size_t>(casa)], g.getYCordas()[static_cast<size_t>(corda)]));
}

TEST_F(TformPrincipalTest, AdicionarUmDedilhadoDeNomeRecusadoNaoOGuardaSobOAcordeAnterior) {
  digitar(QStringLiteral("C"));
  auto estranha = janela->getBraco().getPosicao();
  estranha.setNome("C?");
  digitar(QStringLiteral("G"));
  // A fingering on show whose name the chord manager refuses, while G is current.
  janela->getBraco().exibirPosicao(&estranha, 0, false);
  ASSERT_EQ(fachada.getNomeAcordeAtual(), "G");

  filho<QPushButton>("btnAdicionar")->click();
  auto* lista = filho<QListWidget>("listaImpressao");
  ASSERT_EQ(lista->count(), 1);
  EXPECT_EQ(lista->item(0)->text(), QStringLiteral("C?"));
  EXPECT_EQ(janela->getListaImpressao().copias().getElement(0)->getCasas(), estranha.getCasas());
  EXPECT_EQ(fachada.getNomeAcordeAtual(), "G");
  EXPECT_FALSE(fachada.existePosicao(&estranha)) << "filed under G";
}

TEST_F(TformPrincipalTest, SubstituirTrocaALinhaSelecionadaESoEla) {
  for (const char* nome : {"C", "G"}) {
    digitar(QString::fromLatin1(nome));
    filho<QPushButton>("btnAdicionar")->click();
  }
  auto* lista = filho<QListWidget>("listaImpressao");
  auto* substituir = filho<QPushButton>("btnSubstituir");
  digitar(QStringLiteral("Am"));
  substituir->click();  // no line selected: nothing changes
  EXPECT_EQ(lista->item(0)->text(), QStringLiteral("C"));
  EXPECT_EQ(lista->item(1)->text(), QStringLiteral("G"));

  lista->setCurrentRow(0);
  digitar(QStringLiteral("Am"));
  substituir->click();
  EXPECT_EQ(lista->item(0)->text(), QStringLiteral("Am"));
  EXPECT_EQ(lista->item(1)->text(), QStringLiteral("G"));
  EXPECT_EQ(janela->getListaImpressao().copias().getElement(0)->getCasas(),
            janela->getBraco().getPosicao().getCasas());
  EXPECT_TRUE(ambiente.interacao.mensagens.empty());
}

TEST_F(TformPrincipalTest, SubstituirPorAcordeSemDedosAvisaENaoMudaALista) {
  digitar(QStringLiteral("C"));
  filho<QPushButton>("btnAdicionar")->click();
  const Casas antes = janela->getListaImpressao().copias().getElement(0)->getCasas();
  filho<QPushButton>("btnLimparBraco")->click();
  // Frets 1 and 9 at once: no hand reaches both.
  clicar(*janela, 0, 1);
  clicar(*janela, 5, 9);
  ASSERT_TRUE(janela->getBraco().temNota());
  ASSERT_FALSE(janela->getBraco().temDedilhado());
  auto* lista = filho<QListWidget>("listaImpressao");
  lista->setCurrentRow(0);
  filho<QPushButton>("btnSubstituir")->click();
  ASSERT_EQ(ambiente.interacao.mensagens.size(), 1u);
  EXPECT_EQ(ambiente.interacao.mensagens[0].texto,
            fachada.getTexto("fmPrincipalAbaAcordes", "msgAcordeInexequivel"));
  EXPECT_EQ(ambiente.interacao.mensagens[0].titulo, "Attention");
  EXPECT_EQ(lista->item(0)->text(), QStringLiteral("C"));
  EXPECT_EQ(janela->getListaImpressao().copias().getElement(0)->getCasas(), antes);
}

// The voicing and the capo change the fingering on show (the shape counted from the capo,
// named by its sound and its shape), and the next start finds both again.
TEST_F(TformPrincipalTest, DisposicaoECapoMudamODedilhadoEFicamParaAProximaPartida) {
  digitar(QStringLiteral("D"));
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), (Casas{-1, -1, 0, 2, 3, 2}));
  EXPECT_FALSE(janela->getBraco().getBarraCapo().visivel);
  auto* capo = filho<QComboBox>("comboCapo");
  EXPECT_EQ(capo->currentIndex(), 0);
  EXPECT_EQ(capo->count(), 13);  // no capo, then frets 1 to 12
  capo->setCurrentIndex(2);
  emit capo->activated(2);
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), (Casas{-1, 3, 2, 0, 1, 0}));
  EXPECT_TRUE(janela->getBraco().getBarraCapo().visivel);
  EXPECT_EQ(janela->getBraco().getNotas(), (Casas{-1, 50, 54, 57, 62, 66}));  // at pitch
  EXPECT_TRUE(filho<QLabel>("lblContagem")->text().startsWith(QStringLiteral("D, shape C")))
      << filho<QLabel>("lblContagem")->text().toStdString();

  auto* disposicao = filho<QComboBox>("comboDisposicao");
  EXPECT_EQ(disposicao->currentIndex(), 0);
  disposicao->setCurrentIndex(1);
  emit disposicao->activated(1);
  const std::string inversao = janela->getBraco().getPosicao().getNome();
  EXPECT_TRUE(inversao == "D/F#" || inversao == "D/A") << inversao;
  const Casas casas = janela->getBraco().getPosicao().getCasas();

  ambiente.interacao.resposta = true;
  janela->close();
  const std::string ini = teste::lerArquivo(ambiente.usuario() / "tessara.ini");
  EXPECT_NE(ini.find("\ncapo=2\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("\ndisposicao=inversions\n"), std::string::npos) << ini;

  teste::NucleoTeste depois{
      {"scales.xml", "instrumentos.xml"}, "en", {"en.idm", "en.dat", "chords-en.bin"}};
  depois.pasta.escrever("usuario/tessara.ini", ini);
  TformPrincipal segunda(depois.nucleo.fachada(), depois.interacao);
  depois.nucleo.definirFachadaGUI(&segunda.getFrente());
  EXPECT_EQ(segunda.findChild<QComboBox*>(QStringLiteral("comboCapo"))->currentIndex(), 2);
  EXPECT_EQ(segunda.findChild<QComboBox*>(QStringLiteral("comboDisposicao"))->currentIndex(), 1);
  auto* caixa = segunda.findChild<QLineEdit*>(QStringLiteral("editNomeAcorde"));
  caixa->setText(QStringLiteral("D"));
  QTest::keyClick(caixa, Qt::Key_Return);
  EXPECT_EQ(segunda.getBraco().getPosicao().getCasas(), casas);
  depois.nucleo.definirFachadaGUI(nullptr);
}

// No device chosen yet (a settings file from before any was): the wizard runs once the window
// shows, and what it finds is stored; a cancelled one leaves the first device.
TEST(TformPrincipalPrimeiraPartida, SemDispositivoEscolhidoOAssistenteAbreUmaVez) {
  teste::AplicacaoTeste aplicacao;
  teste::NucleoTeste ambiente{
      {"scales.xml", "instrumentos.xml"}, "en", {"en.idm", "en.dat", "chords-en.bin"}};
  Fachada& fachada = ambiente.nucleo.fachada();
  try {
    fachada.setDriver(-1);
  } catch (const std::exception&) {
  }
  ASSERT_EQ(fachada.getDriver(), -1);
  TformPrincipal janela(fachada, ambiente.interacao);
  ambiente.nucleo.definirFachadaGUI(&janela.getFrente());
  int vezes = 0;
  QTimer vigia;
  QObject::connect(&vigia, &QTimer::timeout, [&] {
    if (!janela.getAssistente().isVisible()) return;
    ++vezes;
    janela.getAssistente().reject();
  });
  vigia.start(5);
  janela.show();
  QTest::qWait(200);
  janela.hide();
  janela.show();
  QTest::qWait(100);
  EXPECT_EQ(vezes, 1);
  EXPECT_EQ(fachada.getDriver(), 0);
  ambiente.nucleo.definirFachadaGUI(nullptr);
}

}  // namespace
}  // namespace tessara
