#include "TformPrincipal.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "GerenciadorConfiguracao.h"
#include "GerenciadorIdiomas.h"
#include "Interacao.h"
#include "TextoQt.h"

namespace tessara {

namespace {

std::string texto(std::string_view secao, std::string_view chave) {
  return GerenciadorIdiomas::instancia().getTexto(secao, chave);
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
}

void TformPrincipal::closeEvent(QCloseEvent* evento) {
  const bool sair = Interacao::global().mostrarMensagem(texto("fmPrincipal", "msgConfirmacaoSaida"),
                                                        texto("geral", "nomeAplicacao"),
                                                        Interacao::Botoes::SimNao);
  if (!sair) {
    evento->ignore();
    return;
  }
  GerenciadorConfiguracao::instancia().salvar();
  evento->accept();
}

}  // namespace tessara
