#include "ComandoCancao.h"

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "LeituraCancao.h"
#include "app/Nucleo.h"
#include "chords/EscritorChordPro.h"
#include "chords/EscritorCifra.h"
#include "chords/LeitorCancao.h"
#include "chords/TransposicaoCancao.h"
#include "foundations/Cp1252.h"
#include "foundations/Texto.h"

namespace tessara {

namespace {

constexpr int MAIOR_CAPO = 12;

int numero(const std::string& opcao, const std::string& valor, int menor, int maior,
           const std::string& aceitos) {
  const auto n = texto::inteiro(valor);
  if (!n || *n < menor || *n > maior) throw ErroArgumento::valorRecusado(opcao, valor, aceitos);
  return *n;
}

}  // namespace

ComandoCancao::Pedido ComandoCancao::lerArgumentos(const std::vector<std::string>& argumentos) {
  Pedido pedido;
  for (size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& a = argumentos[i];
    const bool temValor = i + 1 < argumentos.size();
    if (a == "--to") {
      if (!temValor) throw ErroArgumento::semValor(a, "chordpro, text");
      const std::string& formato = argumentos[++i];
      if (formato != "chordpro" && formato != "text") {
        throw ErroArgumento::valorRecusado(a, formato, "chordpro, text");
      }
      pedido.paraChordPro = formato == "chordpro";
    } else if (a == "--transpose") {
      if (!temValor) throw ErroArgumento::semValor(a, "a whole number of semitones");
      pedido.semitons = numero(a, argumentos[++i], -1000, 1000, "a whole number of semitones");
    } else if (a == "--capo") {
      const std::string aceitos = "a fret from 0 to " + std::to_string(MAIOR_CAPO);
      if (!temValor) throw ErroArgumento::semValor(a, aceitos);
      pedido.capo = numero(a, argumentos[++i], 0, MAIOR_CAPO, aceitos);
    } else if (pedido.arquivo.empty() && !a.empty() && (a == "-" || a.front() != '-')) {
      pedido.arquivo = a;
    } else {
      throw ErroArgumento::inesperado(a);
    }
  }
  if (pedido.arquivo.empty()) throw ErroArgumento::faltando("FILE (or - for standard input)");
  return pedido;
}

int ComandoCancao::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  const Pedido pedido = lerArgumentos(argumentos);
  std::string bytes;
  if (!LeituraCancao::lerBytes(pedido.arquivo, bytes, contexto.erros())) return 1;
  if (!contexto.prepararIdioma()) return 1;
  const IdiomaAcordes idioma = IdiomaAcordes::de(contexto.nucleo().textos());
  const std::string texto = LeituraCancao::emCp1252(bytes, nome(), contexto.erros());
  Cancao cancao = LeituraCancao::ler(texto, idioma, nome(), contexto.erros());

  const TransposicaoCancao transposicao(idioma);
  transposicao.transpor(cancao, pedido.semitons);
  if (pedido.capo) transposicao.colocarCapo(cancao, *pedido.capo);

  const bool chordPro = pedido.paraChordPro.value_or(LeitorCancao::ehChordPro(texto, idioma));
  const std::string saida =
      chordPro ? EscritorChordPro::escrever(cancao) : EscritorCifra(idioma).escrever(cancao);
  contexto.saida() << cp1252::paraUtf8(saida);
  return 0;
}

}  // namespace tessara
