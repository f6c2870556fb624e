#include "ComandoTranspor.h"

#include <cstdint>
#include <iostream>
#include <iterator>

#include "ContextoCli.h"
#include "foundations/Cp1252.h"
#include "chords/Especialista.h"
#include "chords/FolhaCifra.h"
#include "languages/GerenciadorIdiomas.h"
#include "foundations/Texto.h"

namespace tessara {

int ComandoTranspor::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  if (argumentos.size() != 1) return 2;
  const auto passos = texto::inteiro(argumentos[0]);
  if (!passos) {
    contexto.erros() << "tessara-cli: STEPS must be a whole number, not '" << argumentos[0]
                     << "'\n";
    return 2;
  }
  const GerenciadorIdiomas* idiomas = contexto.idiomas();
  if (idiomas == nullptr) return 1;
  const std::string folha(std::istreambuf_iterator<char>(std::cin), {});
  // Twelve steps come back to the same sounds: any count reduces to 1..12.
  const int64_t tamanho = *passos < 0 ? -static_cast<int64_t>(*passos) : *passos;
  const int efetivos = tamanho == 0 ? 0 : static_cast<int>(1 + (tamanho - 1) % 12);
  const int direcao = *passos < 0 ? Especialista::ABAIXO : Especialista::ACIMA;
  contexto.saida() << cp1252::paraUtf8(FolhaCifra::transporCifra(
      cp1252::deUtf8(folha), efetivos, direcao, IdiomaAcordes::de(*idiomas)));
  return 0;
}

}  // namespace tessara
