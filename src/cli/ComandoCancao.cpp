#include "ComandoCancao.h"

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "LeitorOpcoes.h"
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

const char* const SEMITONS = "a whole number of semitones";
const std::string CAPOS = "a fret from 0 to " + std::to_string(MAIOR_CAPO);

const LeitorOpcoes& leitor() {
  static const LeitorOpcoes opcoes(
      {{"--to", 1, "chordpro, text", {"chordpro", "text"}},
       {"--transpose", 1, SEMITONS},
       {"--capo", 1, CAPOS}},
      1, [](const std::string& a) { return a == "-" || LeitorOpcoes::semTraco(a); });
  return opcoes;
}

}  // namespace

const LeitorOpcoes* ComandoCancao::opcoes() const { return &leitor(); }

ComandoCancao::Pedido ComandoCancao::lerArgumentos(const std::vector<std::string>& argumentos) {
  const auto lidas = leitor().ler(argumentos);
  Pedido pedido;
  if (const auto formato = lidas.valor("--to")) pedido.paraChordPro = *formato == "chordpro";
  if (const auto valor = lidas.valor("--transpose")) {
    pedido.semitons = numero("--transpose", *valor, -1000, 1000, SEMITONS);
  }
  if (const auto valor = lidas.valor("--capo")) {
    pedido.capo = numero("--capo", *valor, 0, MAIOR_CAPO, CAPOS);
  }
  if (lidas.posicionais.empty()) throw ErroArgumento::faltando("FILE (or - for standard input)");
  pedido.arquivo = lidas.posicionais.front();
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
