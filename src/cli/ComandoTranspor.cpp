#include "ComandoTranspor.h"

#include <cstdint>
#include <iostream>
#include <iterator>

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "LeituraCancao.h"
#include "app/Fachada.h"
#include "app/Nucleo.h"
#include "foundations/Cp1252.h"
#include "foundations/Texto.h"

namespace tessara {

int ComandoTranspor::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  if (argumentos.empty()) throw ErroArgumento::faltando("STEPS");
  if (argumentos.size() > 1) throw ErroArgumento::inesperado(argumentos[1]);
  const auto passos = texto::inteiro(argumentos[0]);
  if (!passos) {
    const std::string& a = argumentos[0];
    const size_t digitos = !a.empty() && (a[0] == '-' || a[0] == '+') ? 1 : 0;
    const bool numero =
        a.size() > digitos && a.find_first_not_of("0123456789", digitos) == std::string::npos;
    contexto.erros() << "tessara-cli: "
                     << (numero ? "STEPS is out of range: '"
                                : "STEPS must be a whole number, not '")
                     << a << "'\n";
    return 2;
  }
  if (!contexto.prepararIdioma()) return 1;
  const std::string folha =
      cp1252::deUtf8(std::string(std::istreambuf_iterator<char>(std::cin), {}));
  const auto chordPro = LeituraCancao::transporChordPro(
      folha, *passos, IdiomaAcordes::de(contexto.nucleo().textos()), nome(), contexto.erros());
  contexto.saida() << cp1252::paraUtf8(chordPro ? *chordPro
                                                : contexto.fachada().transporCifra(folha, *passos));
  return 0;
}

}  // namespace tessara
