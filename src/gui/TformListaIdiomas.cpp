#include "TformListaIdiomas.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/TextoQt.h"

namespace tessara {

TformListaIdiomas::TformListaIdiomas(const std::vector<std::string>& nomes, int selecionado,
                                     QWidget* pai)
    : QDialog(pai), lista_(new QListWidget(this)) {
  setWindowTitle(QStringLiteral("Internationalization"));
  for (const auto& nome : nomes) lista_->addItem(qt(nome));
  if (selecionado >= 0 && selecionado < lista_->count()) lista_->setCurrentRow(selecionado);

  auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  botoes->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(lista_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lista_);
  layout->addWidget(botoes);
  lista_->setFocus();
}

std::optional<int> TformListaIdiomas::escolher() {
  if (exec() != QDialog::Accepted || lista_->currentRow() < 0 ||
      lista_->selectedItems().isEmpty()) {
    return std::nullopt;
  }
  return lista_->currentRow();
}

}  // namespace tessara
