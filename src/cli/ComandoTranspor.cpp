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

namespace {

// Undefined in CP1252: no valid UTF-8 converts to it.
constexpr char MARCA = '\x81';

bool continuacao(std::string_view texto, size_t i, unsigned char menor = 0x80,
                 unsigned char maior = 0xBF) {
  if (i >= texto.size()) return false;
  const auto c = static_cast<unsigned char>(texto[i]);
  return c >= menor && c <= maior;
}

// The length of the well-formed UTF-8 character at `i`, or 0.
size_t caractereUtf8(std::string_view t, size_t i) {
  const auto c = static_cast<unsigned char>(t[i]);
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) return continuacao(t, i + 1) ? 2 : 0;
  if (c >= 0xE0 && c <= 0xEF) {
    const unsigned char menor = c == 0xE0 ? 0xA0 : 0x80;
    const unsigned char maior = c == 0xED ? 0x9F : 0xBF;
    return continuacao(t, i + 1, menor, maior) && continuacao(t, i + 2) ? 3 : 0;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    const unsigned char menor = c == 0xF0 ? 0x90 : 0x80;
    const unsigned char maior = c == 0xF4 ? 0x8F : 0xBF;
    return continuacao(t, i + 1, menor, maior) && continuacao(t, i + 2) && continuacao(t, i + 3)
               ? 4
               : 0;
  }
  return 0;
}

// The sheet in CP1252 with each byte that is not UTF-8 (an old Latin-1 sheet) as MARCA, and
// those bytes in order, so that they go out exactly as they came in: the transposition copies
// whatever is not a chord.
struct Folha {
  std::string texto;
  std::string estranhos;
};

Folha separar(std::string_view entrada) {
  Folha folha;
  size_t inicioValido = 0;
  const auto fecharTrecho = [&](size_t fim) {
    folha.texto += cp1252::deUtf8(entrada.substr(inicioValido, fim - inicioValido));
  };
  for (size_t i = 0; i < entrada.size();) {
    const size_t n = caractereUtf8(entrada, i);
    if (n > 0) {
      i += n;
      continue;
    }
    fecharTrecho(i);
    folha.texto += MARCA;
    folha.estranhos += entrada[i];
    inicioValido = ++i;
  }
  fecharTrecho(entrada.size());
  return folha;
}

std::string juntar(std::string_view transposta, std::string_view estranhos) {
  std::string saida;
  size_t k = 0;
  for (size_t i = 0;;) {
    const size_t marca = transposta.find(MARCA, i);
    saida += cp1252::paraUtf8(transposta.substr(i, marca - i));
    if (marca == std::string_view::npos) break;
    if (k < estranhos.size()) saida += estranhos[k++];
    i = marca + 1;
  }
  return saida;
}

}  // namespace

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
  const std::string entrada(std::istreambuf_iterator<char>(std::cin), {});
  // Bytes that are not UTF-8 go out as they came in: each stands in the text as a mark.
  const Folha folha = separar(entrada);
  const auto chordPro = LeituraCancao::transporChordPro(
      folha.texto, *passos, IdiomaAcordes::de(contexto.nucleo().textos()), nome(),
      contexto.erros());
  contexto.saida() << juntar(
      chordPro ? *chordPro : contexto.fachada().transporCifra(folha.texto, *passos),
      folha.estranhos);
  return 0;
}

}  // namespace tessara
