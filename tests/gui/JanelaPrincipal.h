#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <memory>

#include "AgendaManual.h"
#include "AplicacaoTeste.h"
#include "NucleoTeste.h"
#include "TformPrincipal.h"
#include "app/Fachada.h"

namespace tessara::teste {

// The main window over the root's objects: English with its pictures, the scale base and the
// shipped chord base, the recording MIDI port, a settings folder of the test's own, and
// playback on an agenda the test drives.
class JanelaPrincipal : public ::testing::Test {
 protected:
  JanelaPrincipal() {
    auto manual = std::make_unique<AgendaManual>(ambiente.relogio);
    agenda = manual.get();
    janela =
        std::make_unique<TformPrincipal>(fachada, ambiente.interacao, nullptr, std::move(manual));
    ambiente.nucleo.definirFachadaGUI(&janela->getFrente());
    janela->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
  }
  ~JanelaPrincipal() override { ambiente.nucleo.definirFachadaGUI(nullptr); }

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

  AplicacaoTeste aplicacao;
  NucleoTeste ambiente{
      {"scales.xml", "instrumentos.xml"}, "en", {"en.idm", "en.dat", "chords-en.bin"}};
  Fachada& fachada = ambiente.nucleo.fachada();
  AgendaManual* agenda = nullptr;  // the window's
  std::unique_ptr<TformPrincipal> janela;
};

}  // namespace tessara::teste
