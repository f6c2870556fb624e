// tessara-capturas: pictures of the windows for the README, without a display.
//
//   tessara-capturas DIR [LANGUAGE]
//
// In English (the default), writes DIR/janela-acorde.png (Am7 in chord mode, with a print
// list), DIR/janela-impressao.png and DIR/janela-previa.png (the print dialog and the preview
// of that list) and DIR/janela-escala.png (G major in scale mode). In every language (en, pt),
// writes the settings dialog's pages,
// DIR/configuracoes-{braco,instrumentos,midi,entrada}-LANGUAGE.png, the instrument editor on the
// guitar, DIR/instrumento-LANGUAGE.png, the chord sheet with a song moved up a tone,
// DIR/cifra-LANGUAGE.png, and the MIDI set-up wizard's first page,
// DIR/assistente-midi-LANGUAGE.png, and the tuner and chord finder on a synthetic input: a G
// chord heard, DIR/afinador-acorde-LANGUAGE.png, with the main window showing it,
// DIR/janela-afinador-LANGUAGE.png, then a slightly flat A string, DIR/afinador-LANGUAGE.png.
// Settings of their own.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "EntradaSintetica.h"
#include "InteracaoQt.h"
#include "TformAssistenteMIDI.h"
#include "TformConfiguracoes.h"
#include "TformImportarCifra.h"
#include "TformImpressao.h"
#include "TformInstrumento.h"
#include "TformOuvir.h"
#include "TformPrincipal.h"
#include "TformVisualizarImpressao.h"
#include "app/Fachada.h"
#include "app/Nucleo.h"

namespace {

using namespace tessara;

template <typename T>
T* filho(QWidget& janela, const char* nome) {
  return janela.findChild<T*>(QString::fromLatin1(nome));
}

bool salvar(QWidget& janela, const QDir& pasta, const char* nome) {
  const QString arquivo = pasta.filePath(QString::fromLatin1(nome));
  if (!janela.grab().save(arquivo)) {
    std::cerr << "tessara-capturas: cannot write " << arquivo.toStdString() << '\n';
    return false;
  }
  std::cout << arquivo.toStdString() << '\n';
  return true;
}

void digitar(QWidget& janela, const QString& acorde) {
  auto* caixa = filho<QLineEdit>(janela, "editNomeAcorde");
  caixa->setText(acorde);
  QTest::keyClick(caixa, Qt::Key_Return);
}

bool capturarJanelaPrincipal(TformPrincipal& janela, const QDir& pasta) {
  for (const char* acorde : {"C", "G", "Em"}) {
    digitar(janela, QString::fromLatin1(acorde));
    filho<QPushButton>(janela, "btnAdicionar")->click();
  }
  digitar(janela, QStringLiteral("Am7"));
  bool certo = salvar(janela, pasta, "janela-acorde.png");

  janela.getImpressao().definirModo(TformImpressao::MODO_LISTA);
  certo = salvar(janela.getImpressao(), pasta, "janela-impressao.png") && certo;
  auto& previa = janela.getVisualizacao();
  QTimer::singleShot(0, &previa, [&] {
    certo = salvar(previa, pasta, "janela-previa.png") && certo;
    previa.reject();
  });
  janela.getImpressao().visualizar();

  filho<QPushButton>(janela, "btnExibicaoEscalas")->click();
  auto* escala = filho<QComboBox>(janela, "comboNomeEscalas");
  auto* tom = filho<QComboBox>(janela, "comboTomEscalas");
  escala->setCurrentIndex(escala->findText(QStringLiteral("Major (Ionian)")));
  tom->setCurrentIndex(7);  // G
  emit tom->activated(7);
  return salvar(janela, pasta, "janela-escala.png") && certo;
}

// Each page of the settings dialog, then the instrument editor on the built-in guitar.
bool capturarDialogos(TformPrincipal& janela, const QDir& pasta, const std::string& idioma) {
  TformConfiguracoes& dialogo = janela.getConfiguracoes();
  bool certo = true;
  const char* paginas[] = {"braco", "instrumentos", "midi", "entrada"};
  for (int pagina = 0; pagina < 4; ++pagina) {
    filho<QTabWidget>(dialogo, "Pasta")->setCurrentIndex(pagina);
    dialogo.show();
    if (!QTest::qWaitForWindowExposed(&dialogo)) return false;
    // The level meter moves with the synthetic input.
    if (pagina == TformConfiguracoes::PAGINA_ENTRADA) QTest::qWait(400);
    const std::string nome =
        std::string("configuracoes-") + paginas[pagina] + "-" + idioma + ".png";
    certo = salvar(dialogo, pasta, nome.c_str()) && certo;
    dialogo.hide();
  }
  TformInstrumento& editor = dialogo.getEditor();
  const std::string nome = "instrumento-" + idioma + ".png";
  QTimer::singleShot(0, [&] {
    certo = QTest::qWaitForWindowExposed(&editor) && certo;
    certo = salvar(editor, pasta, nome.c_str()) && certo;
    editor.reject();
  });
  editor.editar(0);
  return certo;
}

// A song of the public domain in each language, as people paste it.
const char* const CIFRA_EN =
    "Amazing Grace\n"
    "\n"
    "G              G7        C       G\n"
    "Amazing grace, how sweet the sound\n"
    "G                        D\n"
    "That saved a wretch like me\n"
    "G              G7        C      G\n"
    "I once was lost, but now am found\n"
    "Em      D        G\n"
    "Was blind, but now I see\n";

const char* const CIFRA_PT =
    "Ciranda, cirandinha\n"
    "\n"
    "C                  G7\n"
    "Ciranda, cirandinha, vamos todos cirandar\n"
    "G7                            C\n"
    "Vamos dar a meia volta, volta e meia vamos dar\n"
    "C                        G7\n"
    "O anel que tu me destes era vidro e se quebrou\n"
    "G7                                   C\n"
    "O amor que tu me tinhas era pouco e se acabou\n";

// The chord sheet and the wizard in the language loaded now.
bool capturarCifraEAssistente(Fachada& fachada, TformPrincipal& janela, const QDir& pasta,
                              const std::string& idioma) {
  TformImportarCifra& folha = janela.getImportarCifra();
  folha.show();
  if (!QTest::qWaitForWindowExposed(&folha)) return false;
  filho<QPlainTextEdit>(folha, "memoCifra")
      ->setPlainText(QString::fromUtf8(idioma == "pt" ? CIFRA_PT : CIFRA_EN));
  for (int i = 0; i < 2; ++i) filho<QPushButton>(folha, "btnTransporAcima")->click();
  const std::string nomeFolha = "cifra-" + idioma + ".png";
  bool certo = salvar(folha, pasta, nomeFolha.c_str());
  folha.hide();

  TformAssistenteMIDI assistente(fachada);
  assistente.show();
  if (!QTest::qWaitForWindowExposed(&assistente)) return false;
  const std::string nomeAssistente = "assistente-midi-" + idioma + ".png";
  certo = salvar(assistente, pasta, nomeAssistente.c_str()) && certo;
  assistente.reject();
  return certo;
}

// The chord finder hears a G chord, which the main window shows; then, listening afresh, the
// tuner hears the A string a little flat.
bool capturarOuvir(TformPrincipal& janela, EntradaSintetica& entrada, const QDir& pasta,
                   const std::string& idioma) {
  filho<QPushButton>(janela, "btnAfinador")->click();
  TformOuvir& painel = janela.getOuvir();
  if (!QTest::qWaitForWindowExposed(&painel)) return false;
  auto* iniciar = filho<QPushButton>(painel, "btnIniciarOuvir");
  iniciar->click();
  std::vector<double> sol;
  for (int nota : {43, 47, 50, 55, 59, 67}) sol.push_back(EntradaSintetica::hertz(nota));
  entrada.tocar(sol);
  QTest::qWait(1500);
  const std::string nomeAcorde = "afinador-acorde-" + idioma + ".png";
  bool certo = salvar(painel, pasta, nomeAcorde.c_str());
  const std::string nomeJanela = "janela-afinador-" + idioma + ".png";
  certo = salvar(janela, pasta, nomeJanela.c_str()) && certo;
  iniciar->click();
  entrada.tocar({EntradaSintetica::hertz(45 - 0.08)});
  iniciar->click();
  QTest::qWait(1200);
  const std::string nome = "afinador-" + idioma + ".png";
  certo = salvar(painel, pasta, nome.c_str()) && certo;
  painel.reject();
  return certo;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::cerr << "usage: tessara-capturas DIR [en|pt]\n";
    return 2;
  }
  const std::string idioma = argc == 3 ? argv[2] : "en";
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QDir pasta(QString::fromLocal8Bit(argv[1]));
  const auto configuracao = std::filesystem::temp_directory_path() / "tessara-capturas";
  std::filesystem::remove_all(configuracao);
  setenv("TESSARA_CONFIG_DIR", configuracao.c_str(), 1);
  QApplication aplicacao(argc, argv);

  InteracaoQt interacao;
  Nucleo& nucleo = Nucleo::processo();
  nucleo.definirInteracao(&interacao);
  EntradaSintetica entrada;
  entrada.tocar({EntradaSintetica::hertz(57)});  // for the level meter in Settings
  nucleo.definirEntradaAudio(&entrada);
  Fachada& fachada = nucleo.fachada();
  if (!fachada.carregarIdiomaDoCodigo(idioma)) {
    std::cerr << "tessara-capturas: no language " << idioma << '\n';
    return 2;
  }
  TformPrincipal janela(fachada, interacao);
  nucleo.definirFachadaGUI(&janela.getFrente());
  janela.show();
  if (!QTest::qWaitForWindowExposed(&janela)) return 1;

  bool certo = capturarDialogos(janela, pasta, idioma);
  certo = capturarCifraEAssistente(fachada, janela, pasta, idioma) && certo;
  certo = capturarOuvir(janela, entrada, pasta, idioma) && certo;
  if (idioma == "en") certo = capturarJanelaPrincipal(janela, pasta) && certo;

  nucleo.definirFachadaGUI(nullptr);
  nucleo.definirEntradaAudio(nullptr);
  std::filesystem::remove_all(configuracao);
  return certo ? 0 : 1;
}
