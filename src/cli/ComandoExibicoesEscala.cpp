#include "ComandoExibicoesEscala.h"

#include <algorithm>
#include <iomanip>
#include <sstream>
#include <utility>

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "LeitorOpcoes.h"
#include "app/Fachada.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "foundations/Texto.h"
#include "scales/EscalaExibicao.h"

namespace tessara {

namespace {

const char* const PIMA = "PIMA";

std::string lista(const std::vector<int>& valores) {
  std::string texto;
  for (int v : valores) {
    if (!texto.empty()) texto += ',';
    texto += std::to_string(v);
  }
  return texto;
}

char letraMaoDireita(int indice) { return indice >= 0 && indice < 4 ? PIMA[indice] : '?'; }

}  // namespace

namespace {

const char* const LIMITES = "a whole number from 1";

const LeitorOpcoes& leitor() {
  static const LeitorOpcoes opcoes(
      {{"--limit", 1, LIMITES}, {"--format", 1, "text, tsv", {"text", "tsv"}}}, 2,
      [](const std::string& a) { return !a.empty() && !a.starts_with("--"); });
  return opcoes;
}

}  // namespace

const LeitorOpcoes* ComandoExibicoesEscala::opcoes() const { return &leitor(); }

ComandoExibicoesEscala::Pedido ComandoExibicoesEscala::lerArgumentos(
    const std::vector<std::string>& argumentos) {
  const auto lidas = leitor().ler(argumentos);
  Pedido pedido;
  if (const auto valor = lidas.valor("--limit")) {
    pedido.limite = texto::inteiro(*valor);
    if (!pedido.limite || *pedido.limite < 1) {
      throw ErroArgumento::valorRecusado("--limit", *valor, LIMITES);
    }
  }
  pedido.tsv = lidas.valor("--format") == "tsv";
  const auto& posicionais = lidas.posicionais;
  if (posicionais.size() != 2) {
    throw ErroArgumento::faltando(posicionais.empty() ? "NAME and ROOT" : "ROOT");
  }
  pedido.escala = cp1252::deUtf8(posicionais[0]);
  pedido.tonica = cp1252::deUtf8(posicionais[1]);
  return pedido;
}

std::string ComandoExibicoesEscala::nomeEscala(ContextoCli& contexto, const std::string& nome) {
  const auto nomes = contexto.fachada().lerNomesEscalas();
  for (bool exato : {true, false}) {
    for (const auto& n : nomes) {
      if (exato ? n == nome : texto::iguaisSemCaixa(n, nome)) return n;
    }
  }
  // Too many to list here; the command that lists them is named instead.
  throw ErroArgumento("NAME: no scale named '" + cp1252::paraUtf8(nome) +
                      "'; 'tessara-cli scales' lists the scale names");
}

std::string ComandoExibicoesEscala::rotuloTonica(ContextoCli& contexto, const std::string& tonica) {
  Fachada& fachada = contexto.fachada();
  std::string rotulo = fachada.rotuloTonica(tonica);
  if (!rotulo.empty()) return rotulo;
  std::string mensagem = "ROOT: '" + cp1252::paraUtf8(tonica) +
                         "' is no root; give a note name such as C, F# or Gb, or one of:";
  for (const auto& r : fachada.getNomesTonicas()) mensagem += "\n  " + cp1252::paraUtf8(r);
  throw ErroArgumento(mensagem);
}

void ComandoExibicoesEscala::escrever(std::ostream& saida, int indice,
                                      const EscalaExibicao& exibicao, bool tsv) {
  if (tsv) {
    saida << indice << '\t' << exibicao.getCusto() << '\t' << lista(exibicao.getCasas()) << '\t'
          << lista(exibicao.getCordas()) << '\t' << lista(exibicao.getDedos()) << '\t'
          << lista(exibicao.getDedosMaoDireita()) << '\n';
    return;
  }
  saida << indice << ": cost " << exibicao.getCusto() << '\n';
  for (int k = 0; k < exibicao.getNumeroNotas(); ++k) {
    const auto n = static_cast<size_t>(k);
    saida << "  string " << exibicao.getCordas()[n] << "  fret " << std::setw(2)
          << exibicao.getCasas()[n] << "  finger " << exibicao.getDedos()[n] << "  "
          << letraMaoDireita(exibicao.getDedosMaoDireita()[n]) << '\n';
  }
}

int ComandoExibicoesEscala::executar(ContextoCli& contexto,
                                     const std::vector<std::string>& argumentos) {
  const auto pedido = lerArgumentos(argumentos);
  if (!contexto.prepararInstrumento()) return contexto.statusErro();
  const std::string tonica = rotuloTonica(contexto, pedido.tonica);
  Fachada& fachada = contexto.fachada();
  // Everything is laid out before anything is written: an error prints only the error.
  std::ostringstream texto;
  try {
    const std::string nome = nomeEscala(contexto, pedido.escala);
    const auto escala = fachada.getEscala(nome);
    const int maximo = Fachada::getMaximoNotasEscala();
    if (escala && escala->getNotas().size() > static_cast<size_t>(maximo)) {
      contexto.erros() << "tessara-cli: the scale '" << cp1252::paraUtf8(escala->getNome())
                       << "' has " << escala->getNotas().size()
                       << " notes; a display holds at most " << maximo << '\n';
      return 1;
    }
    const auto exibicoes = fachada.getExibicoesEscala(nome, tonica);
    const size_t quantas = pedido.limite
                               ? std::min(static_cast<size_t>(*pedido.limite), exibicoes.size())
                               : exibicoes.size();
    for (size_t i = 0; i < quantas; ++i) {
      escrever(texto, static_cast<int>(i), exibicoes[i], pedido.tsv);
    }
  } catch (const DException& e) {
    contexto.erros() << "tessara-cli: " << cp1252::paraUtf8(e.getMensagem()) << '\n';
    return 1;
  }
  contexto.saida() << texto.str();
  return 0;
}

}  // namespace tessara
