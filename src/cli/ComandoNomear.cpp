#include "ComandoNomear.h"

#include <algorithm>

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "LeitorCasas.h"
#include "LeitorOpcoes.h"
#include "app/Fachada.h"
#include "foundations/Cp1252.h"
#include "foundations/Texto.h"

namespace tessara {

namespace {

// A fret list separated by commas may write a string not played as -1, as `chord --format tsv`
// prints it; the fret reader takes "x" for it.
std::string comoLista(const std::string& casas) {
  if (casas.find(',') == std::string::npos) return casas;
  std::string resultado;
  size_t inicio = 0;
  while (true) {
    const size_t virgula = casas.find(',', inicio);
    const std::string parte =
        texto::aparar(std::string_view(casas).substr(inicio, virgula - inicio));
    resultado += parte == "-1" ? "x" : parte;
    if (virgula == std::string::npos) return resultado;
    resultado += ',';
    inicio = virgula + 1;
  }
}

}  // namespace

namespace {

const LeitorOpcoes& leitor() {
  // "-1,3,2,0,1,0" starts with a minus sign.
  static const LeitorOpcoes opcoes(
      {{"--root", 1, "a string number"}, {"--readings"}}, 1,
      [](const std::string& a) { return !a.empty() && (a.front() != '-' || a.size() > 1); });
  return opcoes;
}

}  // namespace

const LeitorOpcoes* ComandoNomear::opcoes() const { return &leitor(); }

ComandoNomear::Pedido ComandoNomear::lerArgumentos(const std::vector<std::string>& argumentos) {
  const auto lidas = leitor().ler(argumentos);
  Pedido pedido;
  if (const auto valor = lidas.valor("--root")) {
    pedido.corda = texto::inteiro(*valor);
    if (!pedido.corda) {
      throw ErroArgumento::valorRecusado("--root", *valor, "a string number (0 = the lowest)");
    }
  }
  pedido.leituras = lidas.tem("--readings");
  if (lidas.posicionais.empty()) throw ErroArgumento::faltando("FRETS");
  pedido.casas = lidas.posicionais.front();
  if (pedido.leituras && pedido.corda) {
    throw ErroArgumento("--root and --readings: give one of them, not both");
  }
  return pedido;
}

int ComandoNomear::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  const auto pedido = lerArgumentos(argumentos);
  if (!contexto.prepararInstrumento()) return contexto.statusErro();
  Fachada& fachada = contexto.fachada();
  std::string erro;
  const auto casas =
      LeitorCasas::ler(comoLista(pedido.casas), *fachada.getInstrumentoAtual(), erro);
  if (!casas) {
    contexto.erros() << "error: " << erro << '\n';
    return 1;
  }
  const std::vector<int> notas = fachada.getNotasCasas(*casas);
  if (std::none_of(notas.begin(), notas.end(), [](int n) { return n >= 0; })) {
    contexto.erros() << "error: no string sounds\n";
    return 1;
  }
  const int corda = pedido.corda.value_or(-1);
  if (pedido.corda && (corda < 0 || corda >= static_cast<int>(notas.size()) ||
                       notas[static_cast<size_t>(corda)] < 0)) {
    contexto.erros() << "error: string " << corda << " does not sound\n";
    return 1;
  }
  if (!contexto.prepararAcordes()) return contexto.statusErro();
  if (pedido.leituras) {
    for (const auto& leitura : fachada.leiturasCasas(*casas)) {
      contexto.saida() << cp1252::paraUtf8(leitura) << '\n';
    }
    return 0;
  }
  const std::string nome = fachada.nomearCasas(*casas, corda);
  if (nome.empty()) {
    contexto.erros() << "error: these notes cannot be named\n";
    return 1;
  }
  contexto.saida() << cp1252::paraUtf8(nome) << '\n';
  return 0;
}

}  // namespace tessara
