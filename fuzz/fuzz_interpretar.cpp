// Chord names typed by users, read in both grammars. Whatever parses must have a canonical
// name that reads back as the same code, and its transposition must read back as the same
// chord moved by the steps asked. The same bytes, as notes, name a fingering.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "chords/Especialista.h"
#include "foundations/DException.h"

namespace {

using tessara::Especialista;

constexpr int32_t GRAUS = 0x07FFFFE0;  // the degree flags of a code

int classeMovida(int classe, int passos, int direcao) {
  const int deslocamento = direcao == Especialista::ACIMA ? passos : -passos;
  return (((classe + deslocamento) % 12) + 12) % 12;
}

void verificarTransposicao(const std::string& nome, int32_t codigo, int passos, int direcao,
                           const tessara::IdiomaAcordes& idioma) {
  const int32_t movido =
      Especialista::interpretar(Especialista::transpor(nome, passos, direcao, idioma), idioma);
  if ((movido & GRAUS) != (codigo & GRAUS)) __builtin_trap();
  if (Especialista::getClasseRaiz(movido) !=
      classeMovida(Especialista::getClasseRaiz(codigo), passos, direcao)) {
    __builtin_trap();
  }
  const int baixo = Especialista::getBaixo(codigo);
  const int baixoMovido = Especialista::getBaixo(movido);
  if ((baixo < 0) != (baixoMovido < 0)) __builtin_trap();
  if (baixo >= 0 && Especialista::classeGrafia(baixoMovido) !=
                        classeMovida(Especialista::classeGrafia(baixo), passos, direcao)) {
    __builtin_trap();
  }
}

void nomearNotas(const uint8_t* dados, size_t tamanho, const tessara::IdiomaAcordes& idioma) {
  std::vector<int> notas;
  for (size_t i = 1; i < tamanho && notas.size() < 8; ++i)
    notas.push_back(static_cast<int>(dados[i]) - 8);
  const int raiz = tamanho > 0 ? static_cast<int>(dados[0]) - 2 : -1;
  try {
    const int32_t codigo = Especialista::codigoDasNotas(notas, raiz, idioma);
    if (Especialista::getClasseRaiz(codigo) < 0) __builtin_trap();
    volatile size_t tamanhoNome = Especialista::nomear(codigo, idioma.gramatica).size();
    (void)tamanhoNome;
  } catch (const tessara::DException&) {
    if (raiz >= 0) __builtin_trap();  // only a missing root is refused
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  const std::string nome(reinterpret_cast<const char*>(dados), tamanho);
  const int passos = tamanho > 0 ? 1 + dados[0] % 12 : 1;
  const int direcao = tamanho > 0 ? dados[tamanho - 1] % 2 : 0;
  for (const auto gramatica : {tessara::Gramatica::Portugues, tessara::Gramatica::Ingles}) {
    const tessara::IdiomaAcordes idioma{gramatica, "raiz "};
    int32_t codigo = 0;
    try {
      codigo = Especialista::interpretar(nome, idioma);
    } catch (const tessara::DException&) {
      continue;  // refused names are fine; a crash or a hang is not
    }
    if (Especialista::interpretar(Especialista::nomear(codigo, gramatica), idioma) != codigo) {
      __builtin_trap();
    }
    verificarTransposicao(nome, codigo, passos, direcao, idioma);
    nomearNotas(dados, tamanho, idioma);
  }
  // Steps of no effect and directions that do not exist leave the chord as it was.
  try {
    const tessara::IdiomaAcordes idioma{tessara::Gramatica::Ingles, ""};
    const int32_t codigo = Especialista::interpretar(nome, idioma);
    if (Especialista::interpretar(Especialista::transpor(nome, 0, 7, idioma), idioma) != codigo) {
      __builtin_trap();
    }
  } catch (const tessara::DException&) {
  }
  return 0;
}
