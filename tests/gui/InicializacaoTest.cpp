#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>

#include "AplicacaoTessara.h"
#include "Inicializacao.h"
#include "PastaTemporaria.h"
#include "TformPrincipal.h"
#include "foundations/Texto.h"

namespace tessara {
namespace {

TformPrincipal* janelaPrincipal() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* p = qobject_cast<TformPrincipal*>(w); p != nullptr && p->isVisible()) return p;
  }
  return nullptr;
}

// Plays the user: closes the main window, says "No" to the question, closes again, says "Yes".
class Usuario : public QObject {
 public:
  Usuario() {
    connect(&relogio_, &QTimer::timeout, this, [this] { passo(); });
    relogio_.start(50);
  }

  QStringList perguntas;
  QStringList avisos;
  bool viuJanela = false;

 private:
  void passo() {
    auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (caixa != nullptr && caixa->button(QMessageBox::Yes) == nullptr) {
      avisos << caixa->text();
      caixa->buttons().first()->click();
      return;
    }
    if (caixa != nullptr) {
      perguntas << caixa->text();
      const bool primeira = perguntas.size() == 1;
      caixa->button(primeira ? QMessageBox::No : QMessageBox::Yes)->click();
      return;
    }
    if (TformPrincipal* principal = janelaPrincipal()) {
      viuJanela = true;
      QMetaObject::invokeMethod(principal, &QWidget::close, Qt::QueuedConnection);
    }
  }

  QTimer relogio_;
};

TEST(Inicializacao, IniciaFechaComConfirmacaoEGravaAsConfiguracoes) {
  teste::PastaTemporaria pasta;
  ::setenv("TESSARA_CONFIG_DIR", pasta.caminho().c_str(), 1);
  // The first start's language is the locale's: English here, whatever the machine's.
  ::setenv("LANG", "C", 1);
  ::unsetenv("LC_ALL");
  ::unsetenv("LC_MESSAGES");
  int argc = 1;
  char nome[] = "tessara";
  char* argv[] = {nome, nullptr};
  AplicacaoTessara aplicacao(argc, argv);
  Usuario usuario;

  EXPECT_EQ(Inicializacao::executar(aplicacao), 0);

  EXPECT_TRUE(usuario.viuJanela);
  EXPECT_TRUE(usuario.avisos.isEmpty()) << usuario.avisos.join('\n').toStdString();
  ASSERT_EQ(usuario.perguntas.size(), 2) << "the first answer No must keep the window open";
  EXPECT_FALSE(usuario.perguntas[0].isEmpty());
  const auto linhas = texto::linhas(teste::lerArquivo(pasta / "tessara.ini"));
  ASSERT_EQ(linhas.size(), 17u);
  EXPECT_EQ(linhas[0], "[geral]");
  EXPECT_EQ(linhas[2], "idioma=English");
  EXPECT_EQ(linhas[7], "instrumento=Standard Guitar");  // the current one, named in English
  EXPECT_EQ(linhas[10], "exibicaoEscalas=0");
}

}  // namespace
}  // namespace tessara
