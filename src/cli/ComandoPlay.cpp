#include "ComandoPlay.h"

#include <algorithm>

#include "AcordesCli.h"
#include "ContextoCli.h"
#include "foundations/Cp1252.h"
#include "generation/GerenciadorAcordes.h"
#include "foundations/GerenciadorConfiguracao.h"
#include "instruments/GerenciadorInstrumentos.h"
#include "LeitorCasas.h"
#include "model/Notas.h"
#include "foundations/OutOfBoundsException.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"
#include "sound/ReprodutorMIDI.h"
#include "SaidaMidiCli.h"
#include "foundations/Texto.h"
#include "app/Nucleo.h"

namespace tessara {

std::optional<ComandoPlay::Pedido> ComandoPlay::lerArgumentos(
    const std::vector<std::string>& argumentos) {
  Pedido pedido;
  for (size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& a = argumentos[i];
    if (a == "--wav" || a == "--device") {
      if (i + 1 >= argumentos.size()) return std::nullopt;
      const std::string& valor = argumentos[++i];
      if (a == "--wav") {
        pedido.wav = valor;
      } else {
        pedido.dispositivo = texto::inteiro(valor);
        if (!pedido.dispositivo) return std::nullopt;
      }
    } else if (pedido.acorde.empty() && !a.empty() && a.front() != '-') {
      pedido.acorde = a;
    } else {
      return std::nullopt;
    }
  }
  // A file is rendered by the built-in synthesizer only: no device to choose.
  if (pedido.acorde.empty() || (!pedido.wav.empty() && pedido.dispositivo)) return std::nullopt;
  return pedido;
}

bool ComandoPlay::selecionarDispositivo(ContextoCli& contexto, SaidaMIDI& saida,
                                        std::optional<int> dispositivo) {
  const auto usar = [&saida](int indice) { saida.selecionarDispositivo(indice); };
  if (!dispositivo) {
    auto& configuracao = Nucleo::processo().configuracao();
    configuracao.setDriver(configuracao.getDriver(), usar);
    return true;
  }
  try {
    usar(*dispositivo);
    return true;
  } catch (const OutOfBoundsException&) {
    contexto.erros() << "tessara-cli: there is no MIDI output device " << *dispositivo
                     << " (see tessara-cli devices)\n";
    return false;
  }
}

bool ComandoPlay::prepararSaida(ContextoCli& contexto, SaidaMIDI& saida, const Pedido& pedido) {
  // A file is rendered by the built-in synthesizer, open already.
  if (pedido.wav.empty() && !selecionarDispositivo(contexto, saida, pedido.dispositivo)) {
    return false;
  }
  if (saida.portaAberta()) return true;
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

std::optional<std::vector<int>> ComandoPlay::casasPedidas(ContextoCli& contexto,
                                                          const std::string& acorde,
                                                          const InstrumentoCordas& instrumento) {
  if (LeitorCasas::pareceCasas(acorde)) {
    std::string erro;
    auto casas = LeitorCasas::ler(acorde, instrumento, erro);
    if (!casas) contexto.erros() << "tessara-cli: " << erro << '\n';
    return casas;
  }
  // A chord name: the first fingering the chord manager shows for it.
  GerenciadorAcordes* gerenciador = AcordesCli::gerenciador(contexto);
  if (gerenciador == nullptr || !AcordesCli::selecionar(contexto, *gerenciador, acorde)) {
    return std::nullopt;
  }
  std::vector<int> casas = gerenciador->getPosicaoAcordeAtual()->getCasas();
  if (std::none_of(casas.begin(), casas.end(), [](int casa) { return casa >= 0; })) {
    contexto.erros() << "error: '" << acorde << "' has no fingering on this instrument\n";
    return std::nullopt;
  }
  return casas;
}

std::vector<int> ComandoPlay::notas(const std::vector<int>& casas,
                                    const InstrumentoCordas& instrumento) {
  std::vector<int> resultado;
  for (size_t corda = 0; corda < casas.size(); ++corda) {
    resultado.push_back(
        casas[corda] < 0 ? -1 : instrumento.getNota(static_cast<int>(corda), casas[corda]));
  }
  return resultado;
}

int ComandoPlay::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  const auto pedido = lerArgumentos(argumentos);
  if (!pedido) return 2;
  GerenciadorInstrumentos* instrumentos = contexto.instrumentos();
  if (instrumentos == nullptr) return contexto.statusErro();
  const InstrumentoCordas& instrumento = *instrumentos->getInstrumentoAtual();
  const auto casas = casasPedidas(contexto, pedido->acorde, instrumento);
  if (!casas) return 1;

  const auto saidaCli = SaidaMidiCli::criar(contexto, pedido->wav);
  if (!saidaCli || !prepararSaida(contexto, saidaCli->saida(), *pedido)) return 1;
  SaidaMIDI& saida = saidaCli->saida();
  const std::vector<int> tocadas = notas(*casas, instrumento);
  saida.setInstrumento(ReprodutorMIDI::CANAL, instrumento.getSom());
  ReprodutorMIDI(saida).tocarAcorde(tocadas);

  std::string nomes;
  for (int nota : tocadas) {
    if (nota >= 0) nomes += (nomes.empty() ? "" : ",") + nomeNotaOitava(nota);
  }
  contexto.saida() << cp1252::paraUtf8(nomes) << '\n';
  return 0;
}

}  // namespace tessara
