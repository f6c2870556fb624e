// Laying scales out: every shipped scale in every key on the built-in guitar and cavaquinho,
// as the scale list of the main window asks for it. Names: instrument/scale/root (0 = C).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BaseEscalas.h"
#include "Caminhos.h"
#include "GeradorEscalas.h"
#include "GerenciadorIdiomas.h"
#include "GerenciadorInstrumentos.h"
#include "InteracaoTerminal.h"
#include "NotFoundException.h"
#include "Notas.h"
#include "XMLInstrumentoParser.h"

namespace {

using namespace tessara;

// The English language and its scale base beside the executable; nothing is written.
struct Ambiente {
  Ambiente()
      : idiomas(Caminhos::diretorioPrograma(), interacao),
        parser(idiomas, "/nonexistent", "/nonexistent"),
        instrumentos(emIngles(idiomas), parser, "/nonexistent/instrumentos.xml"),
        gerador(idiomas, instrumentos),
        base(idiomas, Caminhos::diretorioPrograma() / "scales.xml") {
    try {
      for (int i = 0; i < base.numeroEscalas(); ++i) escalas.push_back(*base.getEscala(i));
    } catch (const DException&) {
      // No scale base: nothing to measure.
    }
  }

  // The instrument manager takes its texts from the language when it is built.
  static GerenciadorIdiomas& emIngles(GerenciadorIdiomas& idiomas) {
    idiomas.carregarIdioma(idiomas.indiceDoCodigo("en"));
    return idiomas;
  }

  static Ambiente& instancia() {
    static Ambiente ambiente;
    return ambiente;
  }

  InteracaoTerminal interacao;
  GerenciadorIdiomas idiomas;
  XMLInstrumentoParser parser;
  GerenciadorInstrumentos instrumentos;
  GeradorEscalas gerador;
  BaseEscalas base;
  std::vector<Escala> escalas;
};

void obterPosicoes(benchmark::State& estado, int instrumento, size_t escala) {
  auto& ambiente = Ambiente::instancia();
  ambiente.instrumentos.setInstrumento(instrumento);
  const std::string tonica = nomeNotaEnarmonica(static_cast<int>(estado.range(0)),
                                                ambiente.idiomas.getNomeIdiomaAtual());
  int exibicoes = 0;
  for (auto _ : estado) {
    try {
      exibicoes = ambiente.gerador.obterPosicoesEscala(ambiente.escalas[escala], tonica).size();
    } catch (const NotFoundException&) {
      exibicoes = 0;
    }
    benchmark::DoNotOptimize(exibicoes);
  }
  estado.counters["displays"] = exibicoes;
}

bool registrar() {
  const auto& escalas = Ambiente::instancia().escalas;
  const std::pair<int, const char*> instrumentos[] = {{0, "guitar"}, {1, "cavaquinho"}};
  for (const auto& [instrumento, nome] : instrumentos) {
    for (size_t i = 0; i < escalas.size(); ++i) {
      const int indice = instrumento;
      const std::string rotulo =
          std::string("BM_ObterPosicoesEscala/") + nome + "/" + escalas[i].getNome();
      benchmark::RegisterBenchmark(rotulo.c_str(),
                                   [indice, i](benchmark::State& estado) {
                                     obterPosicoes(estado, indice, i);
                                   })
          ->DenseRange(0, NUMERO_NOTAS - 1)
          ->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}

const bool registrado = registrar();

}  // namespace
