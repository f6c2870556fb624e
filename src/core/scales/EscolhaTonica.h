#pragma once

#include <string>

namespace tessara {

// Where the scale displays take their key from: the root label the user chose in the front
// end's list of the twelve labels of the current language.
class EscolhaTonica {
 public:
  virtual ~EscolhaTonica() = default;

  // The chosen label; the empty text when none is chosen.
  virtual std::string getTonicaEscolhida() const = 0;

  static void definirGlobal(EscolhaTonica* escolha);
};

}  // namespace tessara
