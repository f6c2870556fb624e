#include "EscolhaTonica.h"

namespace tessara {

namespace {

EscolhaTonica* escolhaRegistrada = nullptr;

// Asks whichever front end is registered at the time of the question, so that a manager wired
// before the front end registered still reaches it.
class EscolhaGlobal : public EscolhaTonica {
 public:
  std::string getTonicaEscolhida() const override {
    return escolhaRegistrada != nullptr ? escolhaRegistrada->getTonicaEscolhida() : std::string();
  }
};

}  // namespace

EscolhaTonica& EscolhaTonica::global() {
  static EscolhaGlobal global;
  return global;
}

void EscolhaTonica::definirGlobal(EscolhaTonica* escolha) {
  // The forwarder itself would ask itself forever.
  escolhaRegistrada = escolha == &global() ? nullptr : escolha;
}

}  // namespace tessara
