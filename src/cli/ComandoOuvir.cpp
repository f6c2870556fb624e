#include "ComandoOuvir.h"

#include <cstdio>
#include <memory>

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "LeitorOpcoes.h"
#include "LeituraSom.h"
#include "app/Nucleo.h"
#include "chords/IdiomaAcordes.h"
#include "foundations/Cp1252.h"
#include "ouvir/SegmentadorAcordes.h"

namespace tessara {

namespace {

const LeitorOpcoes& leitor() {
  static const LeitorOpcoes opcoes({{"--format", 1, "text, tsv", {"text", "tsv"}}}, 1);
  return opcoes;
}

std::string segundos(double s) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%.2f", s);
  return texto;
}

}  // namespace

const LeitorOpcoes* ComandoOuvir::opcoes() const { return &leitor(); }

ComandoOuvir::Pedido ComandoOuvir::lerArgumentos(const std::vector<std::string>& argumentos) {
  const auto lidas = leitor().ler(argumentos);
  if (lidas.posicionais.empty()) throw ErroArgumento::faltando("FILE.wav");
  return {lidas.posicionais.front(), lidas.valor("--format") == "tsv"};
}

int ComandoOuvir::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  const Pedido pedido = lerArgumentos(argumentos);
  if (!contexto.prepararIdioma()) return 1;  // the language gives the chord-name style
  const Gramatica gramatica = IdiomaAcordes::de(contexto.nucleo().textos()).gramatica;
  std::unique_ptr<SegmentadorAcordes> segmentador;
  const bool lido = LeituraSom::ler(
      pedido.arquivo, nome(), contexto.erros(),
      [&](double taxa) {
        segmentador = std::make_unique<SegmentadorAcordes>(taxa);
        segmentador->setGramatica(gramatica);
      },
      [&](const float* amostras, std::size_t n) { segmentador->alimentar(amostras, n); });
  if (!lido) return 1;

  const auto segmentos = segmentador->segmentar();
  if (segmentos.empty() && !pedido.tsv) contexto.saida() << "no chord heard\n";
  for (const SegmentoAcorde& s : segmentos) {
    const std::string nomeAcorde = cp1252::paraUtf8(s.acorde.nome);
    if (pedido.tsv) {
      contexto.saida() << segundos(s.inicio) << '\t' << segundos(s.fim) << '\t' << nomeAcorde
                       << '\n';
    } else {
      char linha[64];
      std::snprintf(linha, sizeof linha, "%8.2f %8.2f  ", s.inicio, s.fim);
      contexto.saida() << linha << nomeAcorde << '\n';
    }
  }
  return 0;
}

}  // namespace tessara
