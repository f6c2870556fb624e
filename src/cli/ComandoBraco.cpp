#include "ComandoBraco.h"

#include <algorithm>
#include <map>

#include "ComandoExibicoesEscala.h"
#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "LeitorCasas.h"
#include "LeitorOpcoes.h"
#include "NomesRotulo.h"
#include "app/Fachada.h"
#include "foundations/ArquivoAtomico.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "foundations/Texto.h"
#include "telas/Braco.h"
#include "telas/GeometriaBraco.h"
#ifdef TESSARA_IMPRESSAO_QT
#include "AplicacaoQtCli.h"
#include "qt/PintorBraco.h"
#include "qt/SuperficieImagensQt.h"
#endif

namespace tessara {

namespace {

const std::string ORIENTACOES = "0, 1, 2, 3";

// The number after an option, at least 0 and below `limite` when there is one.
int numero(const std::string& opcao, const std::string& valor, std::optional<int> limite) {
  const auto n = texto::inteiro(valor);
  if (!n || *n < 0 || (limite && *n >= *limite)) {
    throw ErroArgumento::valorRecusado(opcao, valor,
                                       limite ? ORIENTACOES : "a whole number from 0");
  }
  return *n;
}

const LeitorOpcoes& leitor() {
  static const LeitorOpcoes opcoes(
      {OpcaoCli("--scale", 2, "a scale's NAME and ROOT").unica("--scale: give one scale"),
       {"--display", 1, "a number from 0"},
       {"--whole-neck"},
       {"--orientation", 1, ORIENTACOES},
       {"--labels", 1, NomesRotulo::aceitos(), NomesRotulo::nomes()},
       OpcaoCli("--png", 1, "a file").semVazio(),
       OpcaoCli("--svg", 1, "a file").semVazio()},
      1, [](const std::string& a) {
        return !a.empty() && (a.front() != '-' || LeitorCasas::pareceCasas(a));
      });
  return opcoes;
}

#ifdef TESSARA_IMPRESSAO_QT
bool gravarSvg(const QByteArray& documento, const std::string& arquivo, std::string& motivo) {
  return ArquivoAtomico::substituir(
      arquivo, std::string_view(documento.constData(), documento.size()), &motivo);
}
#endif

}  // namespace

const LeitorOpcoes* ComandoBraco::opcoes() const { return &leitor(); }

ComandoBraco::Pedido ComandoBraco::lerArgumentos(const std::vector<std::string>& argumentos) {
  const auto lidas = leitor().ler(argumentos);
  Pedido pedido;
  if (!lidas.posicionais.empty()) pedido.acorde = lidas.posicionais.front();
  const bool comEscala = lidas.tem("--scale");
  if (comEscala) {
    pedido.escala = lidas.valores.at("--scale")[0];
    pedido.tonica = lidas.valores.at("--scale")[1];
  }
  if (const auto valor = lidas.valor("--display")) {
    pedido.exibicao = numero("--display", *valor, std::nullopt);
  }
  pedido.bracoInteiro = lidas.tem("--whole-neck");
  if (const auto valor = lidas.valor("--orientation")) {
    pedido.orientacao = numero("--orientation", *valor, GeometriaBraco::NUMERO_ORIENTACOES);
  }
  if (const auto valor = lidas.valor("--labels")) pedido.rotulo = NomesRotulo::tabela().at(*valor);
  pedido.png = lidas.valor("--png").value_or("");
  pedido.svg = lidas.valor("--svg").value_or("");
  // One picture of one thing, and a display number only for a scale.
  if (pedido.png.empty() && pedido.svg.empty())
    throw ErroArgumento::faltando("--png or --svg FILE");
  if (!pedido.png.empty() && !pedido.svg.empty()) {
    throw ErroArgumento("--png and --svg: give one of them, not both");
  }
  if (pedido.acorde.empty() && !comEscala) throw ErroArgumento::faltando("NAME|FRETS or --scale");
  if (!pedido.acorde.empty() && comEscala) {
    throw ErroArgumento("NAME|FRETS and --scale: give one of them, not both");
  }
  if (pedido.exibicao && !comEscala) throw ErroArgumento("--display: only a scale has displays");
  if (pedido.bracoInteiro && !comEscala) {
    throw ErroArgumento("--whole-neck: only a scale is shown on the whole neck");
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
  try {
    const auto nome = ComandoExibicoesEscala::nomeEscala(contexto, cp1252::deUtf8(pedido.escala));
    auto exibicoes = contexto.fachada().getExibicoesEscala(nome, tonica);
    const size_t indice = static_cast<size_t>(pedido.exibicao.value_or(0));
    if (indice >= exibicoes.size() && !exibicoes.empty()) {
      throw ErroArgumento::valorRecusado("--display", std::to_string(indice),
                                         "0 to " + std::to_string(exibicoes.size() - 1) +
                                             " (the displays of '" + pedido.escala + "' for " +
                                             pedido.tonica + ")");
    }
    if (exibicoes.empty()) {
      contexto.erros() << "tessara-cli: '" << pedido.escala << "' has no display for "
                       << pedido.tonica << '\n';
      return false;
    }
    // The key chosen as the window chooses it: its roots drawn red, its notes spelled.
    contexto.fachada().setEscala(nome, tonica);
    braco.exibirEscala(std::move(exibicoes[indice]));
    return true;
  } catch (const DException& e) {
    contexto.erros() << "tessara-cli: " << cp1252::paraUtf8(e.getMensagem()) << '\n';
    return false;
  }
}

int ComandoBraco::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  const auto pedido = lerArgumentos(argumentos);
  // Chord names and fret lists are named through the chord base; a scale needs none.
  const bool preparado =
      pedido.escala.empty() ? contexto.prepararAcordes() : contexto.prepararInstrumento();
  if (!preparado) return contexto.statusErro();
  Fachada& fachada = contexto.fachada();
  Braco braco(fachada, pedido.orientacao.value_or(fachada.getPosicaoBraco()));
  braco.setModoVisualizacao(pedido.rotulo);
  braco.setBracoInteiro(pedido.bracoInteiro);
  const bool mostrado = !pedido.escala.empty() ? mostrarEscala(contexto, braco, pedido)
                        : LeitorCasas::pareceCasas(pedido.acorde)
                            ? mostrarCasas(contexto, braco, pedido.acorde)
                            : mostrarAcorde(contexto, braco, pedido.acorde);
  if (!mostrado) return 1;

#ifdef TESSARA_IMPRESSAO_QT
  const auto aplicacao = iniciarQtCli();
  ImagensBraco imagens;
  imagens.atualizar(fachada, braco);
  std::string motivo;
  const bool gravado =
      pedido.svg.empty()
          ? SuperficieImagensQt::salvarPng(PintorBraco::imagem(braco, imagens), pedido.png, motivo)
          : gravarSvg(PintorBraco::svg(braco, imagens), pedido.svg, motivo);
  if (!gravado) {
    contexto.erros() << "tessara-cli: cannot write " << motivo << '\n';
    return 1;
  }
  contexto.saida() << (pedido.svg.empty() ? pedido.png : pedido.svg) << '\n';
  return 0;
#else
  contexto.erros() << "tessara-cli: this build cannot draw: it was made without Qt\n";
  return 1;
#endif
}

}  // namespace tessara
