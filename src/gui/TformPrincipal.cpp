#include "TformPrincipal.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Fachada.h"
#include "app/Nucleo.h"
#include "foundations/FileNotFoundException.h"
#include "foundations/Interacao.h"
#include "qt/TextoQt.h"

namespace tessara {

namespace {

std::string texto(std::string_view secao, std::string_view chave) {
  return Fachada::instancia().getTexto(secao, chave);
}

}  // namespace

TformPrincipal::TformPrincipal(QWidget* pai) : QMainWindow(pai) {
  setObjectName(QStringLiteral("TformPrincipal"));
  setWindowTitle(qt(texto("geral", "nomeAplicacao")));

  auto* central = new QWidget(this);
  auto* nome = new QLabel(QStringLiteral("Tessara"), central);
  QFont fonte = nome->font();
  fonte.setPointSizeF(fonte.pointSizeF() * 3);
  fonte.setBold(true);
  nome->setFont(fonte);
  nome->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(nome);
  setCentralWidget(central);
  resize(720, 480);
  selecionarInstrumentoConfigurado();
}

void TformPrincipal::selecionarInstrumentoConfigurado() {
  auto& fachada = Fachada::instancia();
  try {
    const std::string configurado = fachada.getNomeInstrumentoConfigurado();
    const auto nomes = fachada.getNomesInstrumentos();
    const auto achado = std::find(nomes.begin(), nomes.end(), configurado);
    fachada.setInstrumento(achado == nomes.end() ? 0 : static_cast<int>(achado - nomes.begin()));
  } catch (const FileNotFoundException&) {
    Nucleo::processo().interacao().mostrarMensagem(
        texto("exception", "baseInstrumentosNaoEncontrada"), "");
    Nucleo::processo().interacao().pedirEncerramento();
  }
}

void TformPrincipal::closeEvent(QCloseEvent* evento) {
  const bool sair = Nucleo::processo().interacao().mostrarMensagem(
      texto("fmPrincipal", "msgConfirmacaoSaida"), texto("geral", "nomeAplicacao"),
      Interacao::Botoes::SimNao);
  if (!sair) {
    evento->ignore();
    return;
  }
  Fachada::instancia().salvarConfiguracao();  // the current instrument and scale mode too
  evento->accept();
}

}  // namespace tessara
