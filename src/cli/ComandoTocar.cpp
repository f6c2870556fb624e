#include "ComandoTocar.h"

#include <algorithm>

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "LeitorCasas.h"
#include "LeitorOpcoes.h"
#include "app/Fachada.h"
#include "foundations/Cp1252.h"
#include "foundations/OutOfBoundsException.h"
#include "foundations/Texto.h"
#include "model/Notas.h"

namespace tessara {

namespace {

const char* const DISPOSITIVOS = "a device number that 'tessara-cli devices' lists";

const LeitorOpcoes& leitor() {
  static const LeitorOpcoes opcoes(
      {{"--wav", 1, "a file"}, {"--device", 1, DISPOSITIVOS}}, 1, [](const std::string& a) {
        return !a.empty() && (a.front() != '-' || LeitorCasas::pareceCasas(a));
      });
  return opcoes;
}

}  // namespace

const LeitorOpcoes* ComandoTocar::opcoes() const { return &leitor(); }

ComandoTocar::Pedido ComandoTocar::lerArgumentos(const std::vector<std::string>& argumentos) {
  const auto lidas = leitor().ler(argumentos);
  Pedido pedido;
  pedido.wav = lidas.valor("--wav").value_or("");
  if (const auto valor = lidas.valor("--device")) {
    pedido.dispositivo = texto::inteiro(*valor);
    if (!pedido.dispositivo) throw ErroArgumento::valorRecusado("--device", *valor, DISPOSITIVOS);
  }
  if (lidas.posicionais.empty()) throw ErroArgumento::faltando("NAME|FRETS");
  pedido.acorde = lidas.posicionais.front();
  // A file is rendered by the built-in synthesizer only: no device to choose.
  if (!pedido.wav.empty() && pedido.dispositivo) {
    throw ErroArgumento("--wav and --device: a file is rendered by the built-in synthesizer");
  }
  return pedido;
}

bool ComandoTocar::selecionarDispositivo(ContextoCli& contexto, std::optional<int> dispositivo) {
  Fachada& fachada = contexto.fachada();
  if (!dispositivo) {
    fachada.setDriver(fachada.getDriver());
    return true;
  }
  try {
    fachada.selecionarDispositivo(*dispositivo);
    return true;
  } catch (const OutOfBoundsException&) {
    contexto.erros() << "tessara-cli: there is no MIDI output device " << *dispositivo
                     << " (see tessara-cli devices)\n";
    return false;
  }
}

bool ComandoTocar::prepararSaida(ContextoCli& contexto, const Pedido& pedido) {
  if (!contexto.prepararSaida()) return false;
  // A file is rendered by the built-in synthesizer, open already.
  if (pedido.wav.empty() && !selecionarDispositivo(contexto, pedido.dispositivo)) return false;
  if (contexto.fachada().saidaAberta()) return true;
  // Playing into a closed output is silent; here the user is told.
  if (pedido.dispositivo) {
    contexto.erros() << "tessara-cli: MIDI output device " << *pedido.dispositivo
                     << " could not be opened\n";
  } else {
    contexto.erros() << "tessara-cli: no MIDI output device could be opened, so nothing can "
                        "be heard (--wav FILE renders into a file instead)\n";
  }
  return false;
}

std::optional<std::vector<int>> ComandoTocar::casasPedidas(ContextoCli& contexto,
                                                           const std::string& acorde) {
  if (LeitorCasas::pareceCasas(acorde)) {
    std::string erro;
    auto casas = LeitorCasas::ler(acorde, *contexto.fachada().getInstrumentoAtual(), erro);
    if (!casas) contexto.erros() << "tessara-cli: " << erro << '\n';
    return casas;
  }
  // A chord name: the first fingering the chord manager shows for it.
  if (!contexto.prepararAcordes() || !contexto.selecionarAcorde(acorde)) return std::nullopt;
  return contexto.fachada().getPosicaoAcordeAtual()->getCasas();
}

int ComandoTocar::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  const auto pedido = lerArgumentos(argumentos);
  // Decided before anything is built: the output then renders into the file.
  if (!pedido.wav.empty()) contexto.renderizarEm(pedido.wav);
  if (!contexto.prepararInstrumento()) return contexto.statusErro();
  const auto casas = casasPedidas(contexto, pedido.acorde);
  if (!casas || !prepararSaida(contexto, pedido)) return 1;
  Fachada& fachada = contexto.fachada();
  const std::vector<int> tocadas = fachada.getNotasCasas(*casas);
  fachada.tocarAcorde(tocadas);
  if (!pedido.wav.empty()) {
    const std::string motivo = fachada.encerrarSaida();
    if (!motivo.empty()) {
      contexto.erros() << "tessara-cli: cannot write " << motivo << '\n';
      return 1;
    }
  }

  std::string nomes;
  for (int nota : tocadas) {
    if (nota >= 0) nomes += (nomes.empty() ? "" : ",") + nomeNotaOitava(nota);
  }
  contexto.saida() << cp1252::paraUtf8(nomes) << '\n';
  return 0;
}

}  // namespace tessara
