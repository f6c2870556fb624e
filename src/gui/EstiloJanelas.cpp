#include "EstiloJanelas.h"

namespace tessara {

namespace {

const char* const ESTILO = R"(
  QWidget { color: #f4e9d8; font-size: 12px; }
  QMessageBox, QInputDialog, QProgressDialog, QPrintDialog, QPageSetupDialog, QFileDialog,
  QMenu, QToolTip, QComboBox QAbstractItemView { background: #fdfaf4; }
  QMessageBox *, QInputDialog *, QProgressDialog *, QPrintDialog *, QPageSetupDialog *,
  QFileDialog *, QMenu, QToolTip, QComboBox QAbstractItemView { color: #2b1a10; }
  QMenu { border: 1px solid #b9a283; }
  QMenu::item { padding: 4px 18px; }
  QMenu::item:selected, QComboBox QAbstractItemView::item:selected { background: #c8322d;
                                                                     color: white; }
  QMenu::item:disabled { color: #6f5f50; }
  QToolTip { border: 1px solid #b9a283; }
  QPushButton { color: #f4e9d8; background: #5a3320; border: 1px solid #2a140a; border-radius: 5px;
                padding: 2px 6px; }
  QPushButton:hover { background: #6e412a; }
  QPushButton:pressed { background: #3b1d10; }
  QPushButton:disabled { color: #9c8a78; background: #4a2c1c; }
  QPushButton[ativo="true"] { color: #ffd94a; font-weight: bold; border-color: #ffd94a; }
  QLineEdit, QComboBox, QSpinBox, QListWidget, QPlainTextEdit { background: #fdfaf4; color: #2b1a10; border: 1px solid #2a140a;
                                     border-radius: 4px; padding: 1px 4px; }
  QLabel:disabled, QComboBox:disabled { color: #9c8a78; }
  QListWidget::item:selected { background: #c8322d; color: white; }
  QToolButton { color: #f4e9d8; font-weight: bold; border-radius: 12px; }
  QToolButton:hover { background: rgba(255, 255, 255, 40); }
  QPushButton:focus, QToolButton:focus { border: 2px solid #fff4c2; }
  QLineEdit:focus, QComboBox:focus, QSpinBox:focus, QListWidget:focus, QPlainTextEdit:focus {
    border: 2px solid #c8322d; }
  QPrintDialog QToolButton, QPageSetupDialog QToolButton, QFileDialog QToolButton {
    color: #2b1a10; font-weight: normal; }
)";

}  // namespace

int tamanhoLetraJanelas(double fator) { return qRound(12 * fator); }

QString estiloJanelas(double fator) {
  QString estilo = QString::fromLatin1(ESTILO);
  return estilo.replace(QStringLiteral("font-size: 12px"),
                        QStringLiteral("font-size: %1px").arg(tamanhoLetraJanelas(fator)));
}

}  // namespace tessara
