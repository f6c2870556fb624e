#include "EstiloDialogo.h"

namespace tessara {

QString EstiloDialogo::folha() {
  return QStringLiteral(R"(
    QDialog { background: #f3ebdd; }
    QWidget { color: #2b1a10; font-size: 12px; font-weight: normal; }
    QPushButton { color: #f4e9d8; background: #5a3320; border: 1px solid #2a140a;
                  border-radius: 5px; padding: 3px 12px; }
    QPushButton:hover { background: #6e412a; }
    QPushButton:pressed { background: #3b1d10; }
    QPushButton:disabled { color: #9c8a78; background: #7a5a48; }
    QTabWidget::pane { border: 1px solid #b9a283; background: #fdfaf4; }
    QTabBar::tab { background: #e2d5c0; border: 1px solid #b9a283; padding: 5px 14px;
                   margin-right: 2px; border-top-left-radius: 4px; border-top-right-radius: 4px; }
    QTabBar::tab:selected { background: #fdfaf4; border-bottom-color: #fdfaf4; font-weight: bold; }
    QLineEdit, QComboBox, QListWidget { background: white; color: #2b1a10;
                  border: 1px solid #b9a283; border-radius: 4px; padding: 2px 4px; }
    QListWidget::item:selected { background: #c8322d; color: white; }
    QToolButton { color: #2b1a10; background: white; border: 1px solid #b9a283;
                  border-radius: 4px; padding: 2px 6px; }
    QToolButton:hover { background: #f6e7c8; }
    QPushButton:focus, QToolButton:focus, QLineEdit:focus, QComboBox:focus,
    QListWidget:focus { border: 2px solid #c8322d; }
    QToolButton[autoRaise="true"] { background: transparent; border: 2px solid transparent; }
    QToolButton[autoRaise="true"]:hover { border-color: #c8322d; }
  )");
}

}  // namespace tessara
