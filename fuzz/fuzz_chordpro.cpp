// Songs as anyone writes them: ChordPro, chords over lyrics, both, or neither, in either
// grammar. Reading never fails; what either writer writes reads back into what it writes
// again; chords over lyrics make the round trip through ChordPro unchanged; transposing keeps
// every chord.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "EntradaLimitada.h"
#include "chords/EscritorChordPro.h"
#include "chords/EscritorCifra.h"
#include "chords/LeitorCancao.h"
#include "chords/TransposicaoCancao.h"

namespace {

using tessara::Cancao;
using tessara::EscritorChordPro;
using tessara::IdiomaAcordes;
using tessara::LeitorCancao;

// Brackets and tabs make lines longer; past the reader's limit a line is left out, by design.
bool linhasCurtas(std::string_view texto) {
  size_t inicio = 0;
  while (inicio < texto.size()) {
    const size_t fim = std::min(texto.find('\n', inicio), texto.size());
    if (fim - inicio > LeitorCancao::MAIOR_LINHA) return false;
    inicio = fim + 1;
  }
  return true;
}

bool ehSoCifra(std::string_view texto) {
  return texto.find_first_of("[]{}") == std::string_view::npos;
}

std::string reescrita(std::string_view texto, const IdiomaAcordes& idioma) {
  LeitorCancao leitor(idioma);
  return EscritorChordPro::escrever(leitor.ler(texto));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  if (tamanho > tessara::fuzz::MAIOR_ENTRADA) return 0;
  const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
  const auto gramatica = tamanho > 0 && (dados[0] & 0x80) != 0 ? tessara::Gramatica::Ingles
                                                               : tessara::Gramatica::Portugues;
  const IdiomaAcordes idioma{gramatica, ""};

  LeitorCancao leitor(idioma);
  Cancao cancao = leitor.ler(texto);
  const size_t linhas = static_cast<size_t>(std::count(texto.begin(), texto.end(), '\n')) +
                        static_cast<size_t>(std::count(texto.begin(), texto.end(), '\r')) + 1;
  for (const auto& aviso : leitor.avisos()) {
    if (aviso.linha == 0 || aviso.linha > linhas) __builtin_trap();
  }

  const std::string chordPro = EscritorChordPro::escrever(cancao);
  if (linhasCurtas(chordPro)) {
    if (reescrita(chordPro, idioma) != chordPro) __builtin_trap();
    const tessara::EscritorCifra escritor(idioma);
    const std::string folha = escritor.escrever(cancao);
    if (linhasCurtas(folha)) {
      LeitorCancao deNovo(idioma);
      const Cancao lida = deNovo.ler(folha);
      if (escritor.escrever(lida) != folha) __builtin_trap();
      // From chords over lyrics, text and ChordPro go back and forth unchanged. ChordPro with
      // chords closer than their names are long gets blanks in its lyrics on the first trip.
      if (ehSoCifra(texto) && EscritorChordPro::escrever(lida) != chordPro) __builtin_trap();
    }
  }

  const auto antes = cancao.acordes(idioma);
  tessara::TransposicaoCancao(idioma).transpor(cancao, tamanho > 0 ? 1 + dados[0] % 11 : 1);
  if (cancao.acordes(idioma).size() != antes.size()) __builtin_trap();
  return 0;
}
