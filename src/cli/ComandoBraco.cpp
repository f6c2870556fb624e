#include "ComandoBraco.h"

#include <algorithm>
#include <map>

#include "ComandoExibicoesEscala.h"
#include "ContextoCli.h"
#include "LeitorCasas.h"
#include "app/Fachada.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "foundations/Texto.h"
#include "fretboard/Braco.h"
#include "fretboard/GeometriaBraco.h"
#ifdef TESSARA_IMPRESSAO_QT
#include "AplicacaoQtCli.h"
#include "qt/PintorBraco.h"
#include "qt/SuperficieImagensQt.h"
#endif

namespace tessara {

namespace {

const std::map<std::string, int> ROTULOS = {{"fingers", Braco::MODO_DEDOS},
                                            {"notes", Braco::MODO_NOTAS},
                                            {"intervals", Braco::MODO_INTERVALOS}};

}  // namespace

std::optional<ComandoBraco::Pedido> ComandoBraco::lerArgumentos(
    const std::vector<std::string>& argumentos) {
  Pedido pedido;
  bool comEscala = false;
  for (size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& a = argumentos[i];
    const size_t restantes = argumentos.size() - i - 1;
    if (a == "--scale") {
      if (comEscala || restantes < 2) return std::nullopt;
      comEscala = true;
      pedido.escala = argumentos[++i];
      pedido.tonica = argumentos[++i];
    } else if (a == "--display" || a == "--orientation") {
      if (restantes < 1) return std::nullopt;
      const auto numero = texto::inteiro(argumentos[++i]);
      if (!numero || *numero < 0) return std::nullopt;
      if (a == "--orientation" && *numero >= GeometriaBraco::NUMERO_ORIENTACOES) {
        return std::nullopt;
      }
      (a == "--display" ? pedido.exibicao : pedido.orientacao) = *numero;
    } else if (a == "--labels") {
      if (restantes < 1) return std::nullopt;
      const auto achado = ROTULOS.find(argumentos[++i]);
      if (achado == ROTULOS.end()) return std::nullopt;
      pedido.rotulo = achado->second;
    } else if (a == "--png") {
      if (restantes < 1 || argumentos[i + 1].empty()) return std::nullopt;
      pedido.png = argumentos[++i];
    } else if (pedido.acorde.empty() && !a.empty() && a.front() != '-') {
      pedido.acorde = a;
    } else {
      return std::nullopt;
    }
  }
  // One thing to show, and a display number only for a scale.
  if (pedido.png.empty() || pedido.acorde.empty() == !comEscala ||
      (pedido.exibicao && !comEscala)) {
    return std::nullopt;
  }
  return pedido;
}

bool ComandoBraco::mostrarAcorde(ContextoCli& contexto, Braco& braco, const std::string& nome) {
  if (!contexto.selecionarAcorde(nome)) return false;
  if (contexto.fachada().getPosicaoAcordeAtual() == nullptr) {
    contexto.erros() << "tessara-cli: '" << nome << "' has no fingering on this instrument\n";
    return false;
  }
  braco.exibirAcordeAtual();
  return true;
}

bool ComandoBraco::mostrarCasas(ContextoCli& contexto, Braco& braco, const std::string& texto) {
  std::string erro;
  const auto casas = LeitorCasas::ler(texto, *contexto.fachada().getInstrumentoAtual(), erro);
  if (!casas) {
    contexto.erros() << "tessara-cli: " << erro << '\n';
    return false;
  }
  if (std::none_of(casas->begin(), casas->end(), [](int c) { return c >= 0; })) {
    contexto.erros() << "tessara-cli: no string sounds\n";
    return false;
  }
  // As the user would build it: a click on each sounding string's fret.
  braco.esvaziar();
  const GeometriaBraco& geometria = braco.getGeometria();
  for (size_t corda = 0; corda < casas->size(); ++corda) {
    const int casa = (*casas)[corda];
    if (casa < 0) continue;
    const bool cabe =
        corda < GeometriaBraco::SLOTS && casa < static_cast<int>(geometria.getXCasas().size());
    if (!cabe || !braco.alternarNota(geometria.getXCasas()[static_cast<size_t>(casa)],
                                     geometria.getYCordas()[corda])) {
      contexto.erros() << "tessara-cli: fret " << casa << " of string " << corda
                       << " is beyond the fretboard picture\n";
      return false;
    }
  }
  return true;
}

bool ComandoBraco::mostrarEscala(ContextoCli& contexto, Braco& braco, const Pedido& pedido) {
  const auto tonica = ComandoExibicoesEscala::rotuloTonica(contexto, cp1252::deUtf8(pedido.tonica));
  if (!tonica) return false;
  try {
    const auto nome = ComandoExibicoesEscala::nomeEscala(contexto, cp1252::deUtf8(pedido.escala));
    if (!nome) return false;
    auto exibicoes = contexto.fachada().getExibicoesEscala(*nome, *tonica);
    const size_t indice = static_cast<size_t>(pedido.exibicao.value_or(0));
    if (indice >= exibicoes.size()) {
      contexto.erros() << "tessara-cli: there are " << exibicoes.size() << " displays of '"
                       << pedido.escala << "' for " << pedido.tonica << "; the first is 0\n";
      return false;
    }
    braco.exibirEscala(std::move(exibicoes[indice]));
    return true;
  } catch (const DException& e) {
    contexto.erros() << "tessara-cli: " << cp1252::paraUtf8(e.getMensagem()) << '\n';
    return false;
  }
}

int ComandoBraco::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  const auto pedido = lerArgumentos(argumentos);
  if (!pedido) return 2;
  // Chord names and fret lists are named through the chord base; a scale needs none.
  const bool preparado =
      pedido->escala.empty() ? contexto.prepararAcordes() : contexto.prepararInstrumento();
  if (!preparado) return contexto.statusErro();
  Fachada& fachada = contexto.fachada();
  Braco braco(fachada, pedido->orientacao.value_or(fachada.getPosicaoBraco()));
  braco.setModoVisualizacao(pedido->rotulo);
  const bool mostrado = !pedido->escala.empty() ? mostrarEscala(contexto, braco, *pedido)
                        : LeitorCasas::pareceCasas(pedido->acorde)
                            ? mostrarCasas(contexto, braco, pedido->acorde)
                            : mostrarAcorde(contexto, braco, pedido->acorde);
  if (!mostrado) return 1;

#ifdef TESSARA_IMPRESSAO_QT
  const auto aplicacao = iniciarQtCli();
  ImagensBraco imagens;
  imagens.atualizar(fachada, braco);
  std::string motivo;
  if (!SuperficieImagensQt::salvarPng(PintorBraco::imagem(braco, imagens), pedido->png, motivo)) {
    contexto.erros() << "tessara-cli: cannot write " << motivo << '\n';
    return 1;
  }
  contexto.saida() << pedido->png << '\n';
  return 0;
#else
  contexto.erros() << "tessara-cli: this build cannot draw: it was made without Qt\n";
  return 1;
#endif
}

}  // namespace tessara
