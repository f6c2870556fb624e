#include "ComandoEscala.h"

#include <algorithm>
#include <iomanip>
#include <sstream>
#include <utility>

#include "scales/BaseEscalas.h"
#include "ContextoCli.h"
#include "foundations/Cp1252.h"
#include "foundations/DException.h"
#include "scales/EscolhaTonica.h"
#include "chords/Especialista.h"
#include "scales/GeradorEscalas.h"
#include "scales/GerenciadorEscalas.h"
#include "languages/GerenciadorIdiomas.h"
#include "foundations/Interacao.h"
#include "foundations/NotFoundException.h"
#include "model/Notas.h"
#include "foundations/Texto.h"
#include "app/Nucleo.h"

namespace tessara {

namespace {

// The root given on the command line stands for the one chosen in a window.
class TonicaDoComando : public EscolhaTonica {
 public:
  explicit TonicaDoComando(std::string tonica) : tonica_(std::move(tonica)) {}
  std::string getTonicaEscolhida() const override { return tonica_; }

 private:
  std::string tonica_;
};

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

std::optional<ComandoEscala::Pedido> ComandoEscala::lerArgumentos(
    const std::vector<std::string>& argumentos) {
  Pedido pedido;
  int posicionais = 0;
  for (size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& a = argumentos[i];
    if (a == "--limit" || a == "--format") {
      if (i + 1 >= argumentos.size()) return std::nullopt;
      const std::string& valor = argumentos[++i];
      if (a == "--limit") {
        pedido.limite = texto::inteiro(valor);
        if (!pedido.limite || *pedido.limite < 1) return std::nullopt;
      } else if (valor == "tsv" || valor == "text") {
        pedido.tsv = valor == "tsv";
      } else {
        return std::nullopt;
      }
    } else if (posicionais < 2 && !a.empty() && !a.starts_with("--")) {
      (posicionais++ == 0 ? pedido.escala : pedido.tonica) = cp1252::deUtf8(a);
    } else {
      return std::nullopt;
    }
  }
  if (posicionais != 2) return std::nullopt;
  return pedido;
}

std::optional<int> ComandoEscala::posicaoEscala(ContextoCli& contexto, const std::string& nome) {
  const auto nomes = Nucleo::processo().baseEscalas().getNomesEscalas();
  for (bool exato : {true, false}) {
    for (size_t i = 0; i < nomes.size(); ++i) {
      if (exato ? nomes[i] == nome : texto::iguaisSemCaixa(nomes[i], nome)) {
        return static_cast<int>(i);
      }
    }
  }
  contexto.erros() << "tessara-cli: no scale named '" << cp1252::paraUtf8(nome)
                   << "'; the scales are:\n";
  for (const auto& n : nomes) contexto.erros() << "  " << cp1252::paraUtf8(n) << '\n';
  return std::nullopt;
}

std::optional<std::string> ComandoEscala::rotuloTonica(ContextoCli& contexto,
                                                       const GerenciadorIdiomas& idiomas,
                                                       const std::string& tonica) {
  const std::string idioma = idiomas.getNomeIdiomaAtual();
  for (int classe = 0; classe < NUMERO_NOTAS; ++classe) {
    const std::string rotulo = nomeNotaEnarmonica(classe, idioma);
    if (texto::iguaisSemCaixa(rotulo, tonica)) return rotulo;
  }
  for (int grafia = 0; grafia < Especialista::NUMERO_GRAFIAS; ++grafia) {
    if (texto::iguaisSemCaixa(Especialista::nomeGrafia(grafia), tonica)) {
      return nomeNotaEnarmonica(Especialista::classeGrafia(grafia), idioma);
    }
  }
  contexto.erros() << "tessara-cli: '" << cp1252::paraUtf8(tonica)
                   << "' is no root; give a note name such as C, F# or Gb, or one of:\n";
  for (int classe = 0; classe < NUMERO_NOTAS; ++classe) {
    contexto.erros() << "  " << cp1252::paraUtf8(nomeNotaEnarmonica(classe, idioma)) << '\n';
  }
  return std::nullopt;
}

void ComandoEscala::escrever(std::ostream& saida, int indice, const EscalaExibicao& exibicao,
                             bool tsv) {
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

int ComandoEscala::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  const auto pedido = lerArgumentos(argumentos);
  if (!pedido) return 2;
  if (contexto.instrumentos() == nullptr) return contexto.statusErro();
  const GerenciadorIdiomas& idiomas = *contexto.idiomas();
  const auto tonica = rotuloTonica(contexto, idiomas, pedido->tonica);
  if (!tonica) return 1;
  // Everything is laid out before anything is written: an error prints only the error.
  std::ostringstream texto;
  try {
    const auto posicao = posicaoEscala(contexto, pedido->escala);
    if (!posicao) return 1;
    const TonicaDoComando escolha(*tonica);
    GerenciadorEscalas escalas(Nucleo::processo().baseEscalas(), Nucleo::processo().geradorEscalas(), idiomas,
                               escolha, Nucleo::processo().interacao());
    escalas.setEscalas(*posicao);
    const auto escala = escalas.getEscalaAtual();
    if (escala && escala->getNotas().size() > static_cast<size_t>(GeradorEscalas::MAXIMO_NOTAS)) {
      contexto.erros() << "tessara-cli: the scale '" << cp1252::paraUtf8(escala->getNome())
                       << "' has " << escala->getNotas().size() << " notes; a display holds at most "
                       << GeradorEscalas::MAXIMO_NOTAS << '\n';
      return 1;
    }
    escalas.getEscalaExibicao();
    const int quantas = pedido->limite ? std::min(*pedido->limite, escalas.size()) : escalas.size();
    for (int i = 0; i < quantas; ++i) escrever(texto, i, *escalas.getElement(i), pedido->tsv);
  } catch (const DException& e) {
    contexto.erros() << "tessara-cli: " << cp1252::paraUtf8(e.getMensagem()) << '\n';
    return 1;
  }
  contexto.saida() << texto.str();
  return 0;
}

}  // namespace tessara
