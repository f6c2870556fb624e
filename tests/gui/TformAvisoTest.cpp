#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "AplicacaoTeste.h"
#include "NucleoTeste.h"
#include "PastaTemporaria.h"
#include "TformAviso.h"
#include "app/Fachada.h"

namespace tessara {
namespace {

// The notice over the English language, with a browser that only records what it is asked
// to open.
class TformAvisoTest : public ::testing::Test {
 protected:
  // Runs `passo` once the notice is up, then shows it with that text (and help page).
  int mostrar(const std::function<void()>& passo, const std::filesystem::path& ajuda = {}) {
    QTimer::singleShot(0, &aviso, [&] {
      passo();
      if (aviso.isVisible()) aviso.reject();
    });
    return ajuda.empty() ? aviso.mostrarMensagem(QStringLiteral("Unknown chord"))
                         : aviso.mostrarMensagem(QStringLiteral("Unknown chord"), ajuda);
  }
  template <typename T>
  T* filho(const char* nome) {
    return aviso.findChild<T*>(QString::fromLatin1(nome));
  }

  teste::AplicacaoTeste aplicacao;
  teste::NucleoTeste ambiente;
  Fachada& fachada = ambiente.nucleo.fachada();
  QList<QUrl> abertos;
  TformAviso aviso{fachada, nullptr, [this](const QUrl& url) {
                     abertos << url;
                     return true;
                   }};
};

TEST_F(TformAvisoTest, MostraOTextoEFechaPorQualquerCaminho) {
  EXPECT_EQ(filho<QPushButton>("btnProsseguir")->text(), QStringLiteral("Continue"));
  EXPECT_EQ(mostrar([&] {
              EXPECT_TRUE(aviso.isVisible());
              EXPECT_EQ(aviso.getTexto(), QStringLiteral("Unknown chord"));
              filho<QPushButton>("btnProsseguir")->click();
            }),
            QDialog::Accepted);
  EXPECT_EQ(mostrar([&] { QTest::keyClick(&aviso, Qt::Key_Return); }), QDialog::Accepted);
  EXPECT_EQ(mostrar([&] { filho<QToolButton>("btnFechar")->click(); }), QDialog::Rejected);
}

TEST_F(TformAvisoTest, AjudaAbreAPaginaDadaEDepoisVoltaAGeral) {
  const auto pagina = ambiente.pasta.escrever("cifras.html", "<p>chords</p>");
  mostrar(
      [&] {
        filho<QToolButton>("btnAjuda")->click();
        EXPECT_TRUE(aviso.isVisible());  // the notice stays while the page opens
        filho<QToolButton>("btnFechar")->click();
      },
      pagina);
  ASSERT_EQ(abertos.size(), 1);
  EXPECT_EQ(abertos[0], QUrl::fromLocalFile(QString::fromStdString(pagina.string())));
  EXPECT_EQ(aviso.getAjuda(), fachada.getCaminhoAjuda());
}

TEST_F(TformAvisoTest, PaginaQueFaltaAvisaESemNavegadorTambem) {
  mostrar([&] { filho<QToolButton>("btnAjuda")->click(); }, ambiente.pasta / "missing.html");
  EXPECT_TRUE(abertos.isEmpty());
  ASSERT_EQ(ambiente.interacao.mensagens.size(), 1u);
  EXPECT_EQ(ambiente.interacao.mensagens[0].texto, fachada.getTexto("geral", "erroEncontrarAjuda"));
  EXPECT_EQ(ambiente.interacao.mensagens[0].titulo, "Tessara");

  TformAviso semNavegador{fachada, nullptr, [](const QUrl&) { return false; }};
  QTimer::singleShot(0, &semNavegador, [&] {
    semNavegador.findChild<QToolButton*>(QStringLiteral("btnAjuda"))->click();
    semNavegador.reject();
  });
  semNavegador.mostrarMensagem(QStringLiteral("x"), ambiente.pasta.escrever("a.html", "a"));
  ASSERT_EQ(ambiente.interacao.mensagens.size(), 2u);
  EXPECT_EQ(ambiente.interacao.mensagens[1].texto, fachada.getTexto("geral", "erroAbrirNavegador"));
}

}  // namespace
}  // namespace tessara
