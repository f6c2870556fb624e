#include "EscolhaTonica.h"

namespace tessara {

namespace {

class SemTonica : public EscolhaTonica {
 public:
  std::string getTonicaEscolhida() const override { return {}; }
};

EscolhaTonica* escolhaRegistrada = nullptr;

}  // namespace

EscolhaTonica& EscolhaTonica::global() {
  static SemTonica nenhuma;
  return escolhaRegistrada != nullptr ? *escolhaRegistrada : nenhuma;
}

void EscolhaTonica::definirGlobal(EscolhaTonica* escolha) { escolhaRegistrada = escolha; }

}  // namespace tessara
