#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <functional>

#include "AplicacaoTeste.h"
#include "LimiteDeTamanho.h"
#include "NucleoTeste.h"
#include "TformConfiguracoes.h"
#include "TformInstrumento.h"
#include "TformPrincipal.h"
#include "app/Fachada.h"
#include "instruments/XMLInstrumentoParser.h"
#include "qt/TextoQt.h"
#include "telas/Braco.h"
#include "telas/ListaImpressao.h"

namespace tessara {
namespace {

using Nomes = std::vector<std::string>;

// The main window in English over a user instrument file of the test's own (a ukulele and a
// mandolin, indexes 2 and 3), the recording MIDI port with devices d0 and d1.
class TformConfiguracoesTest : public ::testing::Test {
 protected:
  TformConfiguracoesTest() {
    salvarBase({InstrumentoCordas("Ukulele", "soprano", 4, 12, 4, 24, {67, 60, 64, 69}, false),
                InstrumentoCordas("Mandolin", "GDAE", 4, 12, 4, 25, {55, 62, 69, 76}, false)});
  }
  ~TformConfiguracoesTest() override { ambiente.nucleo.definirFachadaGUI(nullptr); }

  void salvarBase(const std::vector<InstrumentoCordas>& instrumentos) {
    ambiente.nucleo.parserInstrumentos().salvar(arquivo(), instrumentos);
  }
  void abrirJanela() {
    janela = std::make_unique<TformPrincipal>(fachada, ambiente.interacao);
    ambiente.nucleo.definirFachadaGUI(&janela->getFrente());
    janela->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
  }

  std::filesystem::path arquivo() const { return ambiente.usuario() / "instrumentos.xml"; }
  std::string conteudo() const { return teste::lerArquivo(arquivo()); }
  std::vector<InstrumentoCordas> daBase() {
    return ambiente.nucleo.parserInstrumentos().getInstrumentos(arquivo());
  }
  TformConfiguracoes& dialogo() { return janela->getConfiguracoes(); }
  TformInstrumento& editor() { return dialogo().getEditor(); }
  template <typename T>
  T* em(QWidget& pai, const char* nome) {
    auto* w = pai.findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
  }
  QListWidget* lista() { return em<QListWidget>(dialogo(), "listaInstrumentos"); }
  void clicar(QWidget& pai, const char* botao) { em<QPushButton>(pai, botao)->click(); }
  std::vector<std::string> mensagens() const {
    std::vector<std::string> textos;
    for (const auto& m : ambiente.interacao.mensagens) textos.push_back(m.texto);
    return textos;
  }

  // Opens the settings from a main-window button and runs `passos` while the dialog is up;
  // they end by closing it.
  void comDialogo(const char* botaoJanela, const std::function<void()>& passos) {
    bool rodou = false;
    QTimer::singleShot(0, [&] {
      rodou = true;
      passos();
      if (dialogo().isVisible()) dialogo().reject();
    });
    clicar(*janela, botaoJanela);
    EXPECT_TRUE(rodou);
  }
  // Presses a button of the settings dialog that opens the editor, and runs `passos` in it.
  void comEditor(const char* botao, const std::function<void()>& passos) {
    bool rodou = false;
    QTimer::singleShot(0, [&] {
      rodou = true;
      passos();
      if (editor().isVisible()) editor().reject();
    });
    clicar(dialogo(), botao);
    EXPECT_TRUE(rodou);
  }
  void escolherNota(int linha, const QString& grupo, const QString& escolha) {
    auto* botao = em<QToolButton>(editor(), QStringLiteral("nota%1").arg(linha).toLatin1());
    for (QAction* g : botao->menu()->actions()) {
      if (g->menu() == nullptr || g->text() != grupo) continue;
      for (QAction* a : g->menu()->actions()) {
        if (a->text() == escolha) return a->trigger();
      }
    }
    ADD_FAILURE() << "no " << grupo.toStdString() << " / " << escolha.toStdString();
  }

  teste::AplicacaoTeste aplicacao;
  teste::NucleoTeste ambiente{
      {"scales.xml", "instrumentos.xml"}, "en", {"en.idm", "en.dat", "pt-BR.idm", "chords-en.bin"}};
  Fachada& fachada = ambiente.nucleo.fachada();
  std::unique_ptr<TformPrincipal> janela;
};

TEST_F(TformConfiguracoesTest, CriaEditaERemoveUmInstrumentoPelosDialogos) {
  abrirJanela();
  comDialogo("btnInstrumento", [&] {
    EXPECT_EQ(em<QTabWidget>(dialogo(), "Pasta")->currentIndex(),
              TformConfiguracoes::PAGINA_INSTRUMENTOS);
    EXPECT_EQ(lista()->currentItem()->text(), QStringLiteral("Standard Guitar"));

    comEditor("btnNovoInst", [&] {
      em<QLineEdit>(editor(), "editNome")->setText(QStringLiteral("Tenor banjo"));
      auto* cordas = em<QComboBox>(editor(), "comboCordas");
      cordas->setCurrentIndex(0);
      emit cordas->activated(0);  // four strings, twelve frets
      escolherNota(0, QStringLiteral("A"), QStringLiteral("Middle (4) - 440Hz"));
      escolherNota(3, QStringLiteral("Low (2)"), QStringLiteral("C"));
      EXPECT_EQ(em<QToolButton>(editor(), "nota0")->text(), QStringLiteral("A4"));
      // A string sounds while it is held.
      ambiente.midi.clear();
      auto* corda = em<QPushButton>(editor(), "corda0");
      QTest::mousePress(corda, Qt::LeftButton);
      EXPECT_EQ(teste::textos(ambiente.midi), (Nomes{"91 45 7F"}));
      QTest::mouseRelease(corda, Qt::LeftButton);
      EXPECT_EQ(teste::textos(ambiente.midi), (Nomes{"91 45 7F", "91 45 00"}));
      clicar(editor(), "btnSalvar");
    });
    ASSERT_EQ(daBase().size(), 3u);
    const InstrumentoCordas banjo = daBase()[2];
    EXPECT_EQ(banjo.getName(), "Tenor banjo");
    EXPECT_EQ(banjo.getNumeroCordas(), 4);
    EXPECT_EQ(banjo.getNumeroCasas(), 12);
    EXPECT_EQ(banjo.getAfinacao(), (std::vector<int>{36, 55, 59, 69}));
    // Refilled from the manager, and the new one is current.
    EXPECT_EQ(lista()->count(), 5);
    EXPECT_EQ(lista()->currentRow(), 4);
    EXPECT_EQ(fachada.getNomeInstrumentoAtual(), "Tenor banjo");
    EXPECT_EQ(em<QLabel>(dialogo(), "lblNomeInstrumento")->text(), QStringLiteral("Tenor banjo"));

    comEditor("btnEditarInst", [&] {
      EXPECT_EQ(em<QLineEdit>(editor(), "editNome")->text(), QStringLiteral("Tenor banjo"));
      em<QLineEdit>(editor(), "editDescricao")->setText(QStringLiteral("CGDA"));
      clicar(editor(), "btnSalvar");
    });
    ASSERT_EQ(daBase().size(), 3u);
    EXPECT_EQ(daBase()[2].getDescricao(), "CGDA");
    EXPECT_EQ(em<QLabel>(dialogo(), "lblTipoAfinacao")->text(), QStringLiteral("CGDA"));

    lista()->setCurrentRow(0);
    EXPECT_FALSE(em<QPushButton>(dialogo(), "btnRemoverInst")->isEnabled());
    lista()->setCurrentRow(4);
    ambiente.interacao.resposta = true;
    clicar(dialogo(), "btnRemoverInst");
    EXPECT_EQ(ambiente.interacao.mensagens.back().botoes, Interacao::Botoes::SimNao);
    ASSERT_EQ(daBase().size(), 2u);
    EXPECT_EQ(lista()->count(), 4);
    // The one above the removed current instrument takes its place.
    EXPECT_EQ(lista()->currentRow(), 3);
    EXPECT_EQ(fachada.getNomeInstrumentoAtual(), "Mandolin");
    clicar(dialogo(), "btnOk");
  });
  EXPECT_EQ(fachada.getNomeInstrumentoAtual(), "Mandolin");
  EXPECT_EQ(janela->getBraco().getGeometria().getGrupo(), 2);  // laid out for four strings
}

// The frets box takes no value past what the picture holds, and says so beside it; a bass's
// low E (E1) is in the notes menu.
TEST_F(TformConfiguracoesTest, EditorDizOLimiteDasCasasEChegaAoGraveDoBaixo) {
  abrirJanela();
  comDialogo("btnInstrumento", [&] {
    comEditor("btnNovoInst", [&] {
      struct Caso {
        int indiceCordas, cordas, maximo;
      };
      for (const Caso& c : {Caso{0, 4, 12}, Caso{2, 6, 14}}) {
        auto* cordas = em<QComboBox>(editor(), "comboCordas");
        cordas->setCurrentIndex(c.indiceCordas);
        emit cordas->activated(c.indiceCordas);
        auto* casas = em<QSpinBox>(editor(), "spinCasas");
        casas->setValue(99);
        EXPECT_EQ(casas->value(), c.maximo);
        const QString limite = em<QLabel>(editor(), "lblLimiteCasas")->text();
        EXPECT_TRUE(limite.contains(QString::number(c.maximo)) &&
                    limite.contains(QStringLiteral("%1 strings").arg(c.cordas)))
            << limite.toStdString();
      }
      escolherNota(0, QStringLiteral("E"), QStringLiteral("Low (1)"));
      EXPECT_EQ(em<QToolButton>(editor(), "nota0")->text(), QStringLiteral("E1"));
    });
  });
}

// The language is chosen in Settings for the next start, with a note saying so; the window
// keeps its words until then.
TEST_F(TformConfiguracoesTest, IdiomaEscolhidoValeNaProximaPartida) {
  abrirJanela();
  comDialogo("btnConfiguracoes", [&] {
    auto* idioma = em<QComboBox>(dialogo(), "comboIdioma");
    auto* nota = em<QLabel>(dialogo(), "lblNotaIdioma");
    EXPECT_EQ(idioma->currentText(), QStringLiteral("English"));
    EXPECT_FALSE(nota->isVisible());
    const int portugues = idioma->findText(QStringLiteral("Portugu"), Qt::MatchStartsWith);
    ASSERT_GE(portugues, 0);
    idioma->setCurrentIndex(portugues);
    EXPECT_TRUE(nota->isVisible());
    clicar(dialogo(), "btnOk");
  });
  EXPECT_EQ(fachada.getNomeIdiomaAtual(), "English");
  EXPECT_EQ(fachada.getIdiomaConfigurado().rfind("Portugu", 0), 0u);
  ambiente.interacao.resposta = true;
  janela->close();
  const std::string ini = teste::lerArquivo(ambiente.usuario() / "tessara.ini");
  EXPECT_NE(ini.find("idioma=Portugu"), std::string::npos) << ini;
}

// A size chosen in Settings resizes the window at once.
TEST_F(TformConfiguracoesTest, TamanhoEscolhidoRedimensionaAJanela) {
  abrirJanela();
  comDialogo("btnConfiguracoes", [&] {
    auto* escala = em<QComboBox>(dialogo(), "comboEscala");
    EXPECT_EQ(escala->currentData().toInt(), 100);
    escala->setCurrentIndex(escala->findData(150));
    clicar(dialogo(), "btnOk");
  });
  EXPECT_EQ(janela->size(),
            QSize(qRound(TformPrincipal::LARGURA * 1.5), qRound(TformPrincipal::ALTURA * 1.5)));
  EXPECT_EQ(janela->escalaEmPorcento(), 150);
}

TEST_F(TformConfiguracoesTest, RemoverPerguntaAntesEMantemOAtualEscolhido) {
  abrirJanela();
  const std::string antes = conteudo();
  comDialogo("btnInstrumento", [&] {
    lista()->setCurrentRow(3);
    clicar(dialogo(), "btnSelecionarInst");
    lista()->setCurrentRow(2);
    ambiente.interacao.resposta = false;
    clicar(dialogo(), "btnRemoverInst");
    EXPECT_EQ(conteudo(), antes);
    EXPECT_EQ(lista()->count(), 4);
    ASSERT_FALSE(ambiente.interacao.mensagens.empty());
    EXPECT_NE(ambiente.interacao.mensagens.back().texto.find("Ukulele"), std::string::npos);

    // Removed above the current instrument, whose line moves up and stays chosen: OK has
    // nothing to ask.
    ambiente.interacao.resposta = true;
    clicar(dialogo(), "btnRemoverInst");
    EXPECT_EQ(lista()->currentItem()->text(), QStringLiteral("Mandolin"));
    ambiente.interacao.mensagens.clear();
    clicar(dialogo(), "btnOk");
    EXPECT_FALSE(dialogo().isVisible());
    EXPECT_TRUE(ambiente.interacao.mensagens.empty());
  });
  EXPECT_EQ(fachada.getNomesInstrumentos(), (Nomes{"Standard Guitar", "Cavaquinho", "Mandolin"}));
  EXPECT_EQ(fachada.getNomeInstrumentoAtual(), "Mandolin");
}

// Names are refused as they will read back from the file; a file that cannot be written is
// reported and nothing changes. The editor stays open each time.
TEST_F(TformConfiguracoesTest, EditorRecusaNomesEFalhasDeGravacaoSemFechar) {
  abrirJanela();
  const std::string antes = conteudo();
  comDialogo("btnConfiguracoes", [&] {
    comEditor("btnNovoInst", [&] {
      for (const char* nome : {" Cavaquinho ", "Ukulele  ", "   "}) {
        em<QLineEdit>(editor(), "editNome")->setText(QString::fromLatin1(nome));
        clicar(editor(), "btnSalvar");
        EXPECT_TRUE(editor().isVisible()) << nome;
      }
      em<QLineEdit>(editor(), "editNome")->setText(QStringLiteral("Bandola"));
      {
        teste::LimiteDeTamanho limite(antes.size());
        clicar(editor(), "btnSalvar");
      }
      EXPECT_TRUE(editor().isVisible());
    });
    lista()->setCurrentRow(2);
    comEditor("btnEditarInst", [&] {
      em<QLineEdit>(editor(), "editNome")->setText(QStringLiteral(" Mandolin"));
      clicar(editor(), "btnSalvar");
      EXPECT_TRUE(editor().isVisible());
    });
    EXPECT_EQ(lista()->count(), 4);
  });
  EXPECT_EQ(conteudo(), antes);
  const auto vistas = mensagens();
  ASSERT_EQ(vistas.size(), 5u);
  EXPECT_EQ(vistas[0], fachada.getTexto("fmCriarInstrumento", "msgEdicaoInstrumentoPadrao"));
  EXPECT_EQ(vistas[1], fachada.getTexto("exception", "instrumentoExistente"));
  EXPECT_EQ(vistas[2], fachada.getTexto("fmCriarInstrumento", "mensagemNome"));
  EXPECT_TRUE(vistas[3].starts_with(fachada.getTexto("exception", "erroGravarBaseInstrumentos")));
  EXPECT_EQ(vistas[4], fachada.getTexto("exception", "instrumentoExistente"));
}

TEST_F(TformConfiguracoesTest, EditarOViolaoEmbutidoGravaUmNovoSelecionado) {
  abrirJanela();
  comDialogo("btnInstrumento", [&] {
    lista()->setCurrentRow(0);
    comEditor("btnEditarInst", [&] {
      em<QLineEdit>(editor(), "editNome")->setText(QStringLiteral("Guitar in D"));
      clicar(editor(), "btnSalvar");
    });
    EXPECT_EQ(lista()->count(), 5);
    EXPECT_EQ(lista()->currentRow(), 4);
    EXPECT_EQ(fachada.getNomeInstrumentoAtual(), "Guitar in D");
    clicar(dialogo(), "btnOk");
  });
  ASSERT_EQ(daBase().size(), 3u);
  EXPECT_EQ(daBase()[2].getAfinacao(), (std::vector<int>{40, 45, 50, 55, 59, 64}));
  EXPECT_EQ(fachada.getInstrumento(0).getName(), "Standard Guitar");
}

// However a held string's press ends, its note stops: no release may be lost.
TEST_F(TformConfiguracoesTest, CordaPressionadaSilenciaAoPerderOFocoOuAoFecharOEditor) {
  abrirJanela();
  comDialogo("btnInstrumento", [&] {
    lista()->setCurrentRow(0);
    comEditor("btnEditarInst", [&] {
      auto* corda = em<QPushButton>(editor(), "corda0");  // high E
      ambiente.midi.clear();
      QTest::mousePress(corda, Qt::LeftButton);
      QFocusEvent focoPerdido(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
      QApplication::sendEvent(corda, &focoPerdido);
      EXPECT_EQ(teste::textos(ambiente.midi), (Nomes{"91 40 7F", "91 40 00"}));
      EXPECT_FALSE(corda->isDown());
      QTest::mouseRelease(corda, Qt::LeftButton);  // the late release sounds nothing more

      ambiente.midi.clear();
      QTest::mousePress(em<QPushButton>(editor(), "corda5"), Qt::LeftButton);  // low E
      editor().reject();
      EXPECT_EQ(teste::textos(ambiente.midi), (Nomes{"91 28 7F", "91 28 00"}));
    });
    clicar(dialogo(), "btnCancelar");
  });
}

TEST_F(TformConfiguracoesTest, InstrumentoDanificadoPodeSerRemovidoSemPerderOsOutros) {
  const auto bons = daBase();
  std::string texto = XMLInstrumentoParser::gerarTexto(
      {bons[0], InstrumentoCordas("Broken", "", 4, 12, 3, 24, {1, 2, 3, 4}, false), bons[1]});
  texto.replace(texto.find("<som>24</som>", texto.find("Broken")), 13, "<som>x</som>");
  ambiente.pasta.escrever("usuario/instrumentos.xml", texto);
  abrirJanela();
  comDialogo("btnInstrumento", [&] {
    lista()->setCurrentRow(3);
    ASSERT_EQ(lista()->currentItem()->text(), QStringLiteral("Broken"));
    // It cannot become current: the user is told, nothing changes.
    clicar(dialogo(), "btnSelecionarInst");
    EXPECT_EQ(fachada.getNomeInstrumentoAtual(), "Standard Guitar");
    ambiente.interacao.resposta = true;
    clicar(dialogo(), "btnRemoverInst");
    EXPECT_EQ(lista()->count(), 4);
  });
  EXPECT_EQ(conteudo(), XMLInstrumentoParser::gerarTexto(bons));
}

TEST_F(TformConfiguracoesTest, InstrumentoConfiguradoDanificadoCaiNoViolaoComUmAviso) {
  std::string texto = XMLInstrumentoParser::gerarTexto(
      {InstrumentoCordas("Broken", "", 4, 12, 3, 24, {1, 2, 3, 4}, false)});
  texto.replace(texto.find("<som>24</som>"), 13, "<som>x</som>");
  ambiente.pasta.escrever("usuario/instrumentos.xml", texto);
  ambiente.pasta.escrever("usuario/tessara.ini", "[geral]\r\ninstrumento=Broken\r\n");
  abrirJanela();
  EXPECT_EQ(fachada.getNomeInstrumentoAtual(), "Standard Guitar");
  ASSERT_EQ(mensagens().size(), 1u);
  EXPECT_TRUE(mensagens()[0].starts_with(fachada.getTexto("fmPrincipal", "msgErroInstrumento")));
}

// An instrument chosen inside the dialog is in force only after OK: Cancel puts the one in
// use back, and the fretboard and the print list stay made for it.
TEST_F(TformConfiguracoesTest, CancelarDevolveOInstrumentoEmUso) {
  abrirJanela();
  auto* nome = em<QLineEdit>(*janela, "editNomeAcorde");
  nome->setText(QStringLiteral("C"));
  QTest::keyClick(nome, Qt::Key_Return);
  clicar(*janela, "btnAdicionar");
  comDialogo("btnInstrumento", [&] {
    lista()->setCurrentRow(2);
    clicar(dialogo(), "btnSelecionarInst");
    EXPECT_EQ(fachada.getNomeInstrumentoAtual(), "Ukulele");
    clicar(dialogo(), "btnCancelar");
  });
  EXPECT_EQ(fachada.getNomeInstrumentoAtual(), "Standard Guitar");
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), (std::vector<int>{-1, 3, 2, 0, 1, 0}));
  EXPECT_EQ(janela->getListaImpressao().copias().getElement(0)->getCasas().size(), 6u);
}

// The current instrument removed inside the dialog cannot come back: Cancel or not, the
// fretboard and the print list follow the one that took its place.
TEST_F(TformConfiguracoesTest, InstrumentoAtualRemovidoSeguidoMesmoComCancelar) {
  abrirJanela();
  comDialogo("btnInstrumento", [&] {
    lista()->setCurrentRow(2);
    clicar(dialogo(), "btnOk");
  });
  ASSERT_EQ(fachada.getNomeInstrumentoAtual(), "Ukulele");
  auto* nome = em<QLineEdit>(*janela, "editNomeAcorde");
  nome->setText(QStringLiteral("C"));
  QTest::keyClick(nome, Qt::Key_Return);
  ASSERT_EQ(janela->getBraco().getPosicao().getCasas().size(), 4u);
  comDialogo("btnInstrumento", [&] {
    ambiente.interacao.resposta = true;
    clicar(dialogo(), "btnRemoverInst");
    clicar(dialogo(), "btnCancelar");
  });
  EXPECT_EQ(fachada.getNomeInstrumentoAtual(), "Cavaquinho");
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas().size(), 4u);
  EXPECT_EQ(janela->getBraco().getPosicao().getNome(), "C");
}

// OK with only another orientation keeps the fingering the user browsed to.
TEST_F(TformConfiguracoesTest, OutraOrientacaoMantemAPosicaoNavegada) {
  abrirJanela();
  auto* nome = em<QLineEdit>(*janela, "editNomeAcorde");
  nome->setText(QStringLiteral("C"));
  QTest::keyClick(nome, Qt::Key_Return);
  clicar(*janela, "btnProximo");
  const auto navegada = janela->getBraco().getPosicao().getCasas();
  ASSERT_NE(navegada, (std::vector<int>{-1, 3, 2, 0, 1, 0}));
  const int outra = janela->getBraco().getPosicaoBraco() == 2 ? 3 : 2;
  comDialogo("btnConfiguracoes", [&] {
    em<QToolButton>(dialogo(), outra == 2 ? "figura2" : "figura3")->click();
    clicar(dialogo(), "btnOk");
  });
  EXPECT_EQ(janela->getBraco().getPosicaoBraco(), outra);
  EXPECT_EQ(janela->getBraco().getPosicao().getCasas(), navegada);
}

// A user base that cannot be read: the window opens on the built-in instruments and says
// which file and why, once; the file is kept aside, not overwritten.
TEST_F(TformConfiguracoesTest, BaseIlegivelAbreComOsEmbutidosEDizPorque) {
  ambiente.pasta.escrever("usuario/instrumentos.xml", std::string("\xFF\xFE<\0c\0", 6));
  abrirJanela();
  EXPECT_FALSE(ambiente.interacao.encerramento);
  EXPECT_EQ(fachada.getNomeInstrumentoAtual(), "Standard Guitar");
  ASSERT_EQ(mensagens().size(), 1u);
  EXPECT_NE(mensagens()[0].find(arquivo().string()), std::string::npos) << mensagens()[0];
  EXPECT_TRUE(std::filesystem::exists(arquivo().string() + ".damaged"));
}

TEST_F(TformConfiguracoesTest, OrientacaoEDispositivoSoValemComOk) {
  abrirJanela();
  const int antes = janela->getBraco().getPosicaoBraco();
  const int outra = antes == 2 ? 3 : 2;
  comDialogo("btnConfiguracoes", [&] {
    EXPECT_EQ(em<QTabWidget>(dialogo(), "Pasta")->currentIndex(), TformConfiguracoes::PAGINA_BRACO);
    em<QToolButton>(dialogo(), outra == 2 ? "figura2" : "figura3")->click();
    dialogo().reject();
  });
  EXPECT_EQ(janela->getBraco().getPosicaoBraco(), antes);
  EXPECT_EQ(fachada.getPosicaoBraco(), antes);

  ambiente.midi.clear();
  comDialogo("btnConfiguracoes", [&] {
    em<QToolButton>(dialogo(), outra == 2 ? "figura2" : "figura3")->click();
    EXPECT_TRUE(em<QRadioButton>(dialogo(), outra == 2 ? "radioBracoNormal" : "radioBracoNormalI")
                    ->isChecked());
    em<QTabWidget>(dialogo(), "Pasta")->setCurrentIndex(TformConfiguracoes::PAGINA_DRIVERS);
    auto* drivers = em<QListWidget>(dialogo(), "listaDrivers");
    ASSERT_EQ(drivers->count(), 2);
    EXPECT_TRUE(em<QPushButton>(dialogo(), "btnAssistenteDriver")->isEnabled());  // the window's
    drivers->setCurrentRow(1);
    clicar(dialogo(), "btnOk");
  });
  EXPECT_EQ(janela->getBraco().getPosicaoBraco(), outra);
  EXPECT_EQ(fachada.getPosicaoBraco(), outra);
  EXPECT_EQ(fachada.getDriver(), 1);
  const auto log = teste::textos(ambiente.midi);
  EXPECT_NE(std::find(log.begin(), log.end(), "abrir 1"), log.end());
}

// The wizard stores the device it finds; the page then shows it chosen.
TEST_F(TformConfiguracoesTest, BotaoDoAssistenteChamaOGanchoEMostraODispositivoDele) {
  abrirJanela();
  int chamadas = 0;
  dialogo().definirAbrirAssistente([&] {
    ++chamadas;
    return 1;
  });
  comDialogo("btnConfiguracoes", [&] {
    em<QTabWidget>(dialogo(), "Pasta")->setCurrentIndex(TformConfiguracoes::PAGINA_DRIVERS);
    auto* assistente = em<QPushButton>(dialogo(), "btnAssistenteDriver");
    ASSERT_TRUE(assistente->isEnabled());
    assistente->click();
    EXPECT_EQ(em<QListWidget>(dialogo(), "listaDrivers")->currentRow(), 1);
    EXPECT_EQ(fachada.getDriver(), 0) << "stored before OK";
  });
  EXPECT_EQ(chamadas, 1);
}

// The print list is compared with the instrument it was made for, however many selections
// the dialog saw.
TEST_F(TformConfiguracoesTest, ListaDeImpressaoRefeitaParaOInstrumentoEscolhido) {
  abrirJanela();
  auto* nome = em<QLineEdit>(*janela, "editNomeAcorde");
  nome->setText(QStringLiteral("C"));
  QTest::keyClick(nome, Qt::Key_Return);
  clicar(*janela, "btnAdicionar");
  ASSERT_EQ(janela->getListaImpressao().copias().size(), 1);

  comDialogo("btnInstrumento", [&] {
    lista()->setCurrentRow(1);  // the cavaquinho, chosen twice
    clicar(dialogo(), "btnSelecionarInst");
    clicar(dialogo(), "btnSelecionarInst");
    clicar(dialogo(), "btnOk");
  });
  ASSERT_EQ(fachada.getNomeInstrumentoAtual(), "Cavaquinho");
  const auto impressao = janela->getListaImpressao().copias();
  ASSERT_EQ(impressao.size(), 1);
  EXPECT_EQ(impressao.getElement(0)->getCasas().size(), 4u);
  EXPECT_EQ(em<QListWidget>(*janela, "listaImpressao")->item(0)->text(), QStringLiteral("C"));
}

}  // namespace
}  // namespace tessara
