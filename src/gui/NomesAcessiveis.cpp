#include "NomesAcessiveis.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

namespace tessara {

namespace {

// The words of a button or a label, without the mnemonic's ampersand.
QString palavras(const QString& texto) {
  QString limpo = texto;
  limpo.remove(QLatin1Char('&'));
  return limpo.trimmed();
}

QString rotuloDe(const QWidget& janela, const QWidget& campo) {
  for (const QLabel* rotulo : janela.findChildren<QLabel*>()) {
    if (rotulo->buddy() == &campo) return palavras(rotulo->text()).remove(QLatin1Char(':'));
  }
  return {};
}

QString nomeDe(const QWidget& janela, const QWidget& w) {
  if (const auto* botao = qobject_cast<const QAbstractButton*>(&w)) {
    const QString texto = palavras(botao->text());
    // A one-sign button (?, ×, ▶) says what it does through its tip.
    if (texto.size() > 1) return texto;
  }
  if (QString rotulo = rotuloDe(janela, w); !rotulo.isEmpty()) return rotulo;
  return w.toolTip();
}

}  // namespace

void NomesAcessiveis::aplicar(QWidget& janela) {
  for (QWidget* w : janela.findChildren<QWidget*>()) {
    if (w->focusPolicy() == Qt::NoFocus) continue;
    if (w->accessibleName().isEmpty()) w->setAccessibleName(nomeDe(janela, *w));
    if (w->accessibleDescription().isEmpty() && w->toolTip() != w->accessibleName()) {
      w->setAccessibleDescription(w->toolTip());
    }
  }
}

}  // namespace tessara
