#include "Inicializacao.h"

#include <QTimer>

#include "AplicacaoTessara.h"
#include "EntradaAudioQt.h"
#include "InteracaoQt.h"
#include "TformPrincipal.h"
#include "TformSplash.h"
#include "TraducoesQt.h"
#include "TratadorErros.h"
#include "app/Fachada.h"
#include "app/Nucleo.h"

namespace tessara {

namespace {

constexpr int kPausaSplashMs = 1000;

}  // namespace

int Inicializacao::executar(AplicacaoTessara& aplicacao) {
  try {
    iniciarEExecutar(aplicacao);
  } catch (...) {
    TratadorErros::relatar(std::current_exception());
  }
  return 0;
}

void Inicializacao::iniciarEExecutar(AplicacaoTessara& aplicacao) {
  static InteracaoQt interacao;
  Nucleo& nucleo = Nucleo::processo();
  nucleo.definirInteracao(&interacao);
  // Listening captures through Qt while the loop runs; the root lets go of it first.
  EntradaAudioQt entradaAudio;
  nucleo.definirEntradaAudio(&entradaAudio);
  struct Devolver {
    Nucleo& nucleo;
    ~Devolver() { nucleo.definirEntradaAudio(nullptr); }
  } devolver{nucleo};

  Fachada& fachada = nucleo.fachada();
  fachada.getIdiomaConfigurado();  // the settings are read before the languages are listed
  TratadorErros::definirTextos(&nucleo.textos());
  // When nothing could be selected the user has been told and the end was requested;
  // start-up still runs so that the loop ends at its first turn.
  // With no language files at all the manager has already said so; asking for one by name
  // would only add a second message and an empty chooser.
  if (!interacao.encerramentoPedido()) fachada.selecionarIdiomaConfigurado();
  TraducoesQt::aplicar(fachada.getNomeIdiomaAtual());

  // Deleted by hand at the end of start-up: when creating the windows fails, the splash
  // stays up behind the error message and goes away with the process.
  auto* splash = new TformSplash();
  // Closing the splash early must not end the program before the main window shows.
  splash->setAttribute(Qt::WA_QuitOnClose, false);
  splash->mostrarAgora();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QApplication::setApplicationDisplayName(QString());

  // The first window created is the main window; closing it ends the loop.
  auto* principal = new TformPrincipal(fachada, interacao);
  nucleo.definirFachadaGUI(&principal->getFrente());
  QObject::connect(principal, &QObject::destroyed,
                   [&nucleo] { nucleo.definirFachadaGUI(nullptr); });
  principal->setAttribute(Qt::WA_DeleteOnClose);
  QApplication::restoreOverrideCursor();

  if (interacao.encerramentoPedido()) {
    delete splash;
    delete principal;
    return;
  }
  // The splash stays its pause after the windows are made, on a timer: the loop runs, so
  // nothing looks frozen meanwhile.
  QTimer::singleShot(kPausaSplashMs, principal, [splash, principal] {
    delete splash;
    principal->show();
  });
  aplicacao.exec();
}

}  // namespace tessara
