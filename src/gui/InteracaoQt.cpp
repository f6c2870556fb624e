#include "InteracaoQt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "TformListaIdiomas.h"
#include "qt/TextoQt.h"

namespace tessara {

bool InteracaoQt::mostrarMensagem(const std::string& texto, const std::string& titulo,
                                  Botoes botoes) {
  QWidget* pai = QApplication::activeWindow();
  QMessageBox caixa(pai);
  // Untitled questions carry the title of the window that asks.
  caixa.setWindowTitle(titulo.empty() && pai != nullptr ? pai->windowTitle() : qt(titulo));
  caixa.setText(qtLinhas(texto));
  switch (botoes) {
    case Botoes::Ok:
      caixa.setIcon(QMessageBox::Information);
      caixa.setStandardButtons(QMessageBox::Ok);
      break;
    case Botoes::OkCancelar:
      caixa.setIcon(QMessageBox::Question);
      caixa.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case Botoes::SimNao:
      caixa.setIcon(QMessageBox::Question);
      caixa.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
  }
  const int resposta = caixa.exec();
  return resposta == QMessageBox::Ok || resposta == QMessageBox::Yes;
}

int InteracaoQt::escolherBotao(const std::string& texto, const std::string& titulo,
                               const std::vector<std::string>& botoes) {
  QMessageBox caixa(QApplication::activeWindow());
  caixa.setWindowTitle(qt(titulo));
  caixa.setText(qtLinhas(texto));
  caixa.setIcon(QMessageBox::Question);
  std::vector<QAbstractButton*> criados;
  for (size_t i = 0; i < botoes.size(); ++i) {
    const bool ultimo = i + 1 == botoes.size();
    criados.push_back(
        caixa.addButton(qt(botoes[i]), ultimo ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
  }
  if (!criados.empty()) {
    caixa.setDefaultButton(qobject_cast<QPushButton*>(criados.front()));
    caixa.setEscapeButton(criados.back());
  }
  caixa.exec();
  const auto pressionado = std::find(criados.begin(), criados.end(), caixa.clickedButton());
  if (pressionado == criados.end()) return static_cast<int>(botoes.size()) - 1;
  return static_cast<int>(pressionado - criados.begin());
}

std::optional<int> InteracaoQt::escolherIdioma(const std::vector<std::string>& nomes,
                                               int selecionado) {
  TformListaIdiomas escolha(nomes, selecionado, QApplication::activeWindow());
  return escolha.escolher();
}

void InteracaoQt::pedirEncerramento() {
  encerrar_ = true;
  QApplication::exit(0);
}

}  // namespace tessara
