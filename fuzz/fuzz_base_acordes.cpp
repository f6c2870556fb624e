// Chord bases are read from the program's folder, where anything may have damaged them: any
// bytes must read without a crash or a hang. What is read must keep names and chords index
// for index, and writing it back must read back the same chords.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "EntradaLimitada.h"
#include "chords/BaseAcordesViolao.h"
#include "foundations/InteracaoMuda.h"
#include "foundations/Textos.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"

namespace {

using tessara::BaseAcordesViolao;
using tessara::PosicaoHarmonicaInstrumentoCordas;

// The reader's messages are not the fuzzer's business.
class SemTextos : public tessara::Textos {
 public:
  std::string getTexto(std::string_view, std::string_view) const override { return {}; }
  std::string getNomeIdiomaAtual() const override { return {}; }
};

const SemTextos semTexto;

const PosicaoHarmonicaInstrumentoCordas& posicao(const BaseAcordesViolao& base, int acorde,
                                                 int indice) {
  return dynamic_cast<const PosicaoHarmonicaInstrumentoCordas&>(
      *base.getAcorde(acorde)->getPosicoes().getElement(indice));
}

bool iguais(const BaseAcordesViolao& a, const BaseAcordesViolao& b) {
  if (a.getNomes() != b.getNomes() || a.getNumeroAcordes() != b.getNumeroAcordes()) return false;
  for (int i = 0; i < a.getNumeroAcordes(); ++i) {
    const int n = a.getAcorde(i)->getPosicoes().size();
    if (n != b.getAcorde(i)->getPosicoes().size()) return false;
    for (int k = 0; k < n; ++k) {
      if (posicao(a, i, k).getCasas() != posicao(b, i, k).getCasas() ||
          posicao(a, i, k).getDedos() != posicao(b, i, k).getDedos()) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  // A chord base's records are small: a kilobyte holds some twenty-five of them.
  if (tamanho > tessara::fuzz::MAIOR_ENTRADA / 2) return 0;
  static tessara::InteracaoMuda interacao;
  BaseAcordesViolao base(semTexto, interacao);
  base.carregarConteudo(std::string_view(reinterpret_cast<const char*>(dados), tamanho));
  if (static_cast<int>(base.getNomes().size()) != base.getNumeroAcordes()) __builtin_trap();
  if (base.getQuantidade() != base.getNumeroAcordes()) __builtin_trap();

  std::vector<const tessara::AcordeComposto*> acordes;
  for (int i = 0; i < base.getNumeroAcordes(); ++i) {
    if (base.getAcorde(i)->getNome() != base.getNomes()[static_cast<size_t>(i)]) __builtin_trap();
    if (base.indiceDoNome(base.getNomes()[static_cast<size_t>(i)]) != i) __builtin_trap();
    acordes.push_back(base.getAcorde(i));
  }
  BaseAcordesViolao relida(semTexto, interacao);
  relida.carregarConteudo(BaseAcordesViolao::codificar(acordes));
  if (!iguais(base, relida)) __builtin_trap();
  return 0;
}
