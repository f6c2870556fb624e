#include "ComandoAfinar.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <memory>
#include <vector>

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "LeitorOpcoes.h"
#include "LeituraSom.h"
#include "app/Fachada.h"
#include "foundations/ReferenciaLa.h"
#include "instruments/InstrumentoCordas.h"
#include "model/Notas.h"
#include "ouvir/Afinador.h"
#include "ouvir/Mediana.h"

namespace tessara {

namespace {

const char* const REFERENCIAS = "a frequency from 415 to 466 (Hz)";
// The tuner's needle is read this often, as a window showing it would.
constexpr std::size_t LEITURA = 1024;

const LeitorOpcoes& leitor() {
  static const LeitorOpcoes opcoes({{"--reference", 1, REFERENCIAS}}, 1);
  return opcoes;
}

std::string cents(double c) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%+.1f cents", c);
  return texto;
}

}  // namespace

const LeitorOpcoes* ComandoAfinar::opcoes() const { return &leitor(); }

ComandoAfinar::Pedido ComandoAfinar::lerArgumentos(const std::vector<std::string>& argumentos) {
  const auto lidas = leitor().ler(argumentos);
  Pedido pedido;
  if (const auto valor = lidas.valor("--reference")) {
    const char* fim = valor->data() + valor->size();
    const auto [resto, erro] = std::from_chars(valor->data(), fim, pedido.referencia);
    if (erro != std::errc() || resto != fim || pedido.referencia < ReferenciaLa::MINIMO ||
        pedido.referencia > ReferenciaLa::MAXIMO) {
      throw ErroArgumento::valorRecusado("--reference", *valor, REFERENCIAS);
    }
  }
  if (lidas.posicionais.empty()) throw ErroArgumento::faltando("FILE.wav");
  pedido.arquivo = lidas.posicionais.front();
  return pedido;
}

int ComandoAfinar::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  const Pedido pedido = lerArgumentos(argumentos);
  if (!contexto.prepararInstrumento()) return contexto.statusErro();
  Fachada& fachada = contexto.fachada();
  std::vector<int> cordas = fachada.getInstrumentoAtual()->getAfinacao();
  for (int& nota : cordas) nota += fachada.getCapo();

  std::unique_ptr<Afinador> afinador;
  std::vector<double> frequencias;
  const bool lido = LeituraSom::ler(
      pedido.arquivo, nome(), contexto.erros(),
      [&](double taxa) {
        afinador = std::make_unique<Afinador>(taxa, pedido.referencia);
        afinador->setCordas(cordas);
      },
      [&](const float* amostras, std::size_t n) {
        for (std::size_t i = 0; i < n; i += LEITURA) {
          afinador->alimentar(amostras + i, std::min(LEITURA, n - i));
          const LeituraAfinador l = afinador->leitura();
          if (l.temNota) frequencias.push_back(l.frequencia);
        }
      });
  if (!lido) return 1;
  if (frequencias.empty()) {
    contexto.erros() << "tessara-cli: " << nome() << ": " << pedido.arquivo
                     << ": no clear note heard\n";
    return 1;
  }
  // The median of the needle's readings over the file: the note held, not its attack or decay.
  const LeituraAfinador l = afinador->ler(Mediana::de(frequencias));
  char hz[32];
  std::snprintf(hz, sizeof hz, "%.1f Hz", l.frequencia);
  contexto.saida() << nomeNotaOitava(l.notaMidi) << ' ' << hz << ' ' << cents(l.centsNota) << '\n';
  if (l.corda >= 0) {
    contexto.saida() << "string " << l.corda << " ("
                     << nomeNotaOitava(cordas[static_cast<std::size_t>(l.corda)]) << ") "
                     << cents(l.centsCorda) << '\n';
  }
  return 0;
}

}  // namespace tessara
