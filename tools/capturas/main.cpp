// tessara-capturas: pictures of the main window for the README, without a display.
//
//   tessara-capturas DIR [LANGUAGE]
//
// In English (the default), writes DIR/janela-acorde.png (Am7 in chord mode, with a print
// list) and DIR/janela-escala.png (G major in scale mode). In every language (en, pt), writes
// the settings dialog's pages, DIR/configuracoes-{braco,instrumentos,midi}-LANGUAGE.png, and
// the instrument editor on the guitar, DIR/instrumento-LANGUAGE.png. Settings of their own.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "InteracaoQt.h"
#include "TformConfiguracoes.h"
#include "TformInstrumento.h"
#include "TformPrincipal.h"
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
  const char* paginas[] = {"braco", "instrumentos", "midi"};
  for (int pagina = 0; pagina < 3; ++pagina) {
    filho<QTabWidget>(dialogo, "Pasta")->setCurrentIndex(pagina);
    dialogo.show();
    if (!QTest::qWaitForWindowExposed(&dialogo)) return false;
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
  Fachada& fachada = nucleo.fachada();
  if (!fachada.carregarIdiomaDoCodigo(idioma)) {
    std::cerr << "tessara-capturas: no language " << idioma << '\n';
    return 2;
  }
  TformPrincipal janela(fachada, interacao);
  nucleo.definirFachadaGUI(&janela);
  janela.show();
  if (!QTest::qWaitForWindowExposed(&janela)) return 1;

  bool certo = capturarDialogos(janela, pasta, idioma);
  if (idioma == "en") certo = capturarJanelaPrincipal(janela, pasta) && certo;

  nucleo.definirFachadaGUI(nullptr);
  std::filesystem::remove_all(configuracao);
  return certo ? 0 : 1;
}
