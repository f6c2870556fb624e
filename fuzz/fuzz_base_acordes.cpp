// Chord bases are read from the program's folder, where anything may have damaged them: any
// bytes must read without a crash or a hang. What is read must keep names and chords index
// for index, and writing it back must read back the same chords.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "EntradaLimitada.h"
#include "chords/BaseAcordesViolao.h"
#include "foundations/InteracaoMuda.h"
#include "foundations/Textos.h"

namespace {

using tessara::BaseAcordesViolao;

// The reader's messages are not the fuzzer's business.
class SemTextos : public tessara::Textos {
 public:
  std::string getTexto(std::string_view, std::string_view) const override { return {}; }
  std::string getNomeIdiomaAtual() const override { return {}; }
};

const SemTextos semTexto;

// The base's chords, in order, as the writer takes them.
std::vector<const tessara::AcordeComposto*> acordesDe(const BaseAcordesViolao& base) {
  std::vector<const tessara::AcordeComposto*> acordes;
  for (int i = 0; i < base.getNumeroAcordes(); ++i) acordes.push_back(base.getAcorde(i));
  return acordes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  // A chord base's records are small: a kilobyte holds some twenty-five of them.
  if (tamanho > tessara::fuzz::MAIOR_ENTRADA / 2) return 0;
  static tessara::InteracaoMuda interacao;
  // Kept from run to run: loading empties them first, and their buffers need not be made again.
  static BaseAcordesViolao base(semTexto, interacao);
  static BaseAcordesViolao relida(semTexto, interacao);
  base.carregarConteudo(std::string_view(reinterpret_cast<const char*>(dados), tamanho));
  if (static_cast<int>(base.getNomes().size()) != base.getNumeroAcordes()) __builtin_trap();
  if (base.getQuantidade() != base.getNumeroAcordes()) __builtin_trap();

  for (int i = 0; i < base.getNumeroAcordes(); ++i) {
    if (base.getAcorde(i)->getNome() != base.getNomes()[static_cast<size_t>(i)]) __builtin_trap();
    if (base.indiceDoNome(base.getNomes()[static_cast<size_t>(i)]) != i) __builtin_trap();
  }
  // Read back, the same names and, record for record, the same bytes: the writer keeps every
  // fret and finger that reading can give, so equal bytes are equal fingerings.
  const std::string escrita = BaseAcordesViolao::codificar(acordesDe(base));
  relida.carregarConteudo(escrita);
  if (relida.getNomes() != base.getNomes()) __builtin_trap();
  if (BaseAcordesViolao::codificar(acordesDe(relida)) != escrita) __builtin_trap();
  return 0;
}
