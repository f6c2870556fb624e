#pragma once

#include <QString>
#include <string>

namespace tessara {

// Qt's own texts (standard buttons, the print and file dialogs) in the program's language.
// English needs no catalogue; for Portuguese Qt's catalogue is loaded when it is installed,
// and without it those texts simply stay in English.
class TraducoesQt {
 public:
  // Installs the catalogue of that language (a name such as "Português (Brasil)", as the core
  // holds it) from `pasta`, Qt's translations folder when empty, in place of the one installed
  // before. True when a catalogue is now installed.
  static bool aplicar(const std::string& nomeIdioma, const QString& pasta = {});
};

}  // namespace tessara
