#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "AgendaManual.h"
#include "AplicacaoTeste.h"
#include "NucleoTeste.h"
#include "TformAssistenteMIDI.h"
#include "app/Fachada.h"

namespace tessara {
namespace {

using Lista = std::vector<std::string>;

// The test run as the recording port logs it: the device opened, program 0 on channel 1,
// notes 60 to 83 at full velocity, the reset.
Lista logDoTeste(int dispositivo) {
  Lista linhas{"abrir " + std::to_string(dispositivo), "B1 00 00", "C1 00 00"};
  for (int nota = 60; nota <= 83; ++nota) {
    char bytes[16];
    std::snprintf(bytes, sizeof bytes, "91 %02X 7F", nota);
    linhas.emplace_back(bytes);
  }
  linhas.emplace_back("reiniciar");
  return linhas;
}

// The wizard over the root's objects, in English, with the recording port's devices d0 and
// d1 (or those given), its test run on an agenda the test fires, and a recorded launcher.
class TformAssistenteMIDITest : public ::testing::Test {
 protected:
  explicit TformAssistenteMIDITest(const std::vector<std::string>& dispositivos = {"d0", "d1"})
      : ambiente({"en.idm"}, "en", {}, dispositivos) {
    fachada.setInstrumento(0);
    auto nova = std::make_unique<teste::AgendaManual>(ambiente.relogio);
    agenda = nova.get();
    assistente = std::make_unique<TformAssistenteMIDI>(
        fachada, nullptr, std::move(nova),
        [this](const QString& programa, const QStringList& argumentos) {
          lancados.push_back((QStringList{programa} + argumentos).join(QLatin1Char(' ')));
          return lancados.size() == lancadorAbreNa;
        });
  }

  template <typename T>
  T* filho(const char* nome) {
    auto* w = assistente->findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
  }
  QString titulo2() { return filho<QLabel>("lblTitulo2")->text(); }
  bool visivel(const char* botao) { return filho<QPushButton>(botao)->isVisible(); }
  void clicar(const char* botao) {
    auto* b = filho<QPushButton>(botao);
    ASSERT_TRUE(b->isVisible() && b->isEnabled()) << botao;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  void mostrar() {
    assistente->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(assistente.get()));
    ambiente.midi.clear();
  }
  // Plays the current device's test run to its end.
  void tocarTeste() {
    clicar("btnProsseguir");
    while (agenda->disparar()) {
    }
  }
  Lista log() const { return teste::textos(ambiente.midi); }
  // The log from the last opening of a device on.
  Lista logDesdeUltimaAbertura() const {
    Lista linhas = log();
    for (size_t i = linhas.size(); i-- > 0;) {
      if (linhas[i].rfind("abrir", 0) == 0)
        return Lista(linhas.begin() + static_cast<long>(i), linhas.end());
    }
    return {};
  }

  teste::AplicacaoTeste aplicacao;
  teste::NucleoTeste ambiente;
  Fachada& fachada = ambiente.nucleo.fachada();
  teste::AgendaManual* agenda = nullptr;
  QStringList lancados;
  qsizetype lancadorAbreNa = 0;  // which launch starts (1 = the first); 0: none does
  std::unique_ptr<TformAssistenteMIDI> assistente;
};

TEST_F(TformAssistenteMIDITest, OuvidoNoSegundoDispositivoDeixaASaidaNele) {
  mostrar();
  EXPECT_EQ(titulo2(), QStringLiteral("Output 1:"));
  EXPECT_EQ(filho<QLabel>("lblExplicacao2")->text(),
            QStringLiteral("Tessara will now try the output \"d0\". \n\nPress Play to hear a "
                           "short run of notes through it."));
  EXPECT_TRUE(visivel("btnProsseguir") && visivel("btnCancelar"));
  EXPECT_FALSE(visivel("btnEscutando") || visivel("btnNaoEscutando") || visivel("btnFinalizar"));

  // While the run plays the window answers, but nothing can be pressed until it ends.
  clicar("btnProsseguir");
  EXPECT_FALSE(filho<QPushButton>("btnProsseguir")->isEnabled());
  EXPECT_FALSE(filho<QPushButton>("btnCancelar")->isEnabled());
  EXPECT_EQ(titulo2(), QStringLiteral("Output 1:"));
  while (agenda->disparar()) {
  }
  EXPECT_EQ(logDesdeUltimaAbertura(), logDoTeste(0));
  EXPECT_EQ(agenda->esperas.size(), 25u);
  EXPECT_EQ(titulo2(), QStringLiteral("Did you hear the notes?"));
  EXPECT_TRUE(visivel("btnEscutando") && visivel("btnNaoEscutando"));
  EXPECT_FALSE(visivel("btnProsseguir") || visivel("btnCancelar"));

  clicar("btnNaoEscutando");
  EXPECT_EQ(titulo2(), QStringLiteral("Output 2:"));
  EXPECT_NE(filho<QLabel>("lblExplicacao2")->text().indexOf(QStringLiteral("\"d1\"")), -1);
  tocarTeste();
  EXPECT_EQ(logDesdeUltimaAbertura(), logDoTeste(1));
  clicar("btnEscutando");
  EXPECT_EQ(titulo2(), QStringLiteral("Done!"));
  EXPECT_TRUE(visivel("btnFinalizar") && filho<QPushButton>("btnFinalizar")->isDefault());
  EXPECT_TRUE(visivel("btnCancelar"));
  EXPECT_FALSE(filho<QPushButton>("btnCancelar")->isEnabled());
  EXPECT_EQ(assistente->getResultado(), 1);

  clicar("btnFinalizar");
  EXPECT_FALSE(assistente->isVisible());
  EXPECT_EQ(assistente->getResultado(), 1);
  // Left on the device heard, with the instrument's own sound back on channel 1.
  const Lista depois = logDesdeUltimaAbertura();
  EXPECT_EQ(depois.front(), "abrir 1");
  char programa[16];
  std::snprintf(programa, sizeof programa, "C1 %02X 00", fachada.getInstrumentoAtual()->getSom());
  EXPECT_EQ(depois.back(), programa);
}

TEST_F(TformAssistenteMIDITest, NaoOuvidoEmNenhumTerminaSemDispositivoNaPaginaFinal) {
  mostrar();
  for (int i = 0; i < 2; ++i) {
    tocarTeste();
    clicar("btnNaoEscutando");
  }
  EXPECT_EQ(titulo2(), QStringLiteral("No output was heard"));
  EXPECT_TRUE(visivel("btnFinalizar"));
  EXPECT_FALSE(filho<QPushButton>("btnCancelar")->isEnabled());
  clicar("btnFinalizar");
  // Not device 0: nothing was heard.
  EXPECT_EQ(assistente->getResultado(), TformAssistenteMIDI::NENHUM_OUVIDO);
}

TEST_F(TformAssistenteMIDITest, CancelarVoltaAoDispositivoConfiguradoENaoAoUltimoTestado) {
  fachada.setDriver(1);
  mostrar();
  tocarTeste();
  EXPECT_EQ(logDesdeUltimaAbertura(), logDoTeste(0));
  clicar("btnNaoEscutando");
  ASSERT_EQ(titulo2(), QStringLiteral("Output 2:"));
  clicar("btnCancelar");
  EXPECT_FALSE(assistente->isVisible());
  EXPECT_EQ(assistente->getResultado(), TformAssistenteMIDI::CANCELADO);
  EXPECT_EQ(logDesdeUltimaAbertura().front(), "abrir 1");
  EXPECT_EQ(fachada.getDriver(), 1);
}

TEST_F(TformAssistenteMIDITest, FecharDuranteOTestePararASaidaECancela) {
  mostrar();
  clicar("btnProsseguir");
  for (int i = 0; i < 5; ++i) agenda->disparar();
  QTest::keyClick(assistente.get(), Qt::Key_Escape);
  EXPECT_FALSE(assistente->isVisible());
  EXPECT_FALSE(agenda->pendente());
  EXPECT_EQ(assistente->getResultado(), TformAssistenteMIDI::CANCELADO);
  const Lista linhas = log();
  const Lista esperado{"fechar",   "abrir 0",  "B1 00 00", "C1 00 00",  "91 3C 7F", "91 3D 7F",
                       "91 3E 7F", "91 3F 7F", "91 40 7F", "reiniciar", "fechar",   "abrir 0"};
  // The run stops, then the configured device 0 comes back.
  ASSERT_GE(linhas.size(), esperado.size());
  EXPECT_EQ(Lista(linhas.begin(), linhas.begin() + static_cast<long>(esperado.size())), esperado);
}

// Run as the other windows run it: modally, each run from the first device with clean buttons.
TEST_F(TformAssistenteMIDITest, ExecutarDevolveOResultadoECadaExecucaoComecaDoInicio) {
  QStringList titulos;
  QTimer::singleShot(0, assistente.get(), [&] {
    titulos << titulo2();
    tocarTeste();
    clicar("btnNaoEscutando");
    tocarTeste();
    clicar("btnEscutando");
    clicar("btnFinalizar");
  });
  EXPECT_EQ(assistente->executar(), 1);
  QTimer::singleShot(0, assistente.get(), [&] {
    titulos << titulo2();
    EXPECT_FALSE(visivel("btnFinalizar"));
    EXPECT_TRUE(filho<QPushButton>("btnCancelar")->isEnabled());
    clicar("btnCancelar");
  });
  EXPECT_EQ(assistente->executar(), TformAssistenteMIDI::CANCELADO);
  EXPECT_EQ(titulos, (QStringList{QStringLiteral("Output 1:"), QStringLiteral("Output 1:")}));
}

TEST_F(TformAssistenteMIDITest, ControleDeVolumeTentaOsDoDesktopEAvisaQuandoNenhumAbre) {
  struct Caso {
    qsizetype abreNa;
    QStringList lancados;
    bool aviso;
  };
  const Caso casos[] = {
      {1, {QStringLiteral("pavucontrol")}, false},
      {2, {QStringLiteral("pavucontrol"), QStringLiteral("gnome-control-center sound")}, false},
      {0,
       {QStringLiteral("pavucontrol"), QStringLiteral("gnome-control-center sound"),
        QStringLiteral("kcmshell6 kcm_pulseaudio")},
       true},
  };
  mostrar();
  for (const auto& caso : casos) {
    lancados.clear();
    ambiente.interacao.mensagens.clear();
    lancadorAbreNa = caso.abreNa;
    emit filho<QLabel>("lblLinkVolume")->linkActivated(QStringLiteral("volume"));
    EXPECT_EQ(lancados, caso.lancados);
    ASSERT_EQ(ambiente.interacao.mensagens.size(), caso.aviso ? 1u : 0u);
    if (caso.aviso) {
      EXPECT_EQ(ambiente.interacao.mensagens[0].texto,
                fachada.getTexto("fmAssistenteMIDI", "erroAbrirVolume"));
      EXPECT_EQ(ambiente.interacao.mensagens[0].titulo, "MIDI set-up");
    }
  }
  EXPECT_TRUE(assistente->isVisible());
}

class TformAssistenteMIDISemDispositivos : public TformAssistenteMIDITest {
 protected:
  TformAssistenteMIDISemDispositivos() : TformAssistenteMIDITest({}) {}
};

TEST_F(TformAssistenteMIDISemDispositivos, PrimeiraPaginaJaEAFinalSemDispositivo) {
  mostrar();
  EXPECT_EQ(titulo2(), QStringLiteral("No output was heard"));
  EXPECT_TRUE(visivel("btnFinalizar"));
  EXPECT_FALSE(visivel("btnProsseguir"));
  clicar("btnFinalizar");
  EXPECT_EQ(assistente->getResultado(), TformAssistenteMIDI::NENHUM_OUVIDO);
  EXPECT_TRUE(log().empty()) << ::testing::PrintToString(log());
}

TEST_F(TformAssistenteMIDISemDispositivos, UmDispositivoLigadoDepoisEOferecidoNaProximaExecucao) {
  mostrar();
  clicar("btnFinalizar");
  ASSERT_NE(ambiente.porta, nullptr);
  ambiente.porta->ligar("teclado");
  mostrar();
  EXPECT_EQ(titulo2(), QStringLiteral("Output 1:"));
  tocarTeste();
  EXPECT_EQ(logDesdeUltimaAbertura(), logDoTeste(0));
  clicar("btnEscutando");
  EXPECT_EQ(titulo2(), QStringLiteral("Done!"));
  clicar("btnFinalizar");
  EXPECT_EQ(assistente->getResultado(), 0);
}

}  // namespace
}  // namespace tessara
