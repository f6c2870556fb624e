#include "ComandoImprimir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <set>

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "LeitorCasas.h"
#include "app/Fachada.h"
#include "foundations/Cp1252.h"
#include "foundations/Texto.h"
#include "printing/TrabalhoImpressao.h"
#ifdef TESSARA_IMPRESSAO_QT
#include "FrenteImpressaoCli.h"
#endif

namespace tessara {

namespace {

const std::map<std::string, int> ROTULOS = {{"fingers", TrabalhoImpressao::DEDOS},
                                            {"notes", TrabalhoImpressao::NOTAS},
                                            {"intervals", TrabalhoImpressao::INTERVALOS}};
const std::map<std::string, int> CONTEUDOS = {
    {"text+diagrams", TrabalhoImpressao::TEXTO_E_DIAGRAMAS},
    {"diagrams", TrabalhoImpressao::DIAGRAMAS},
    {"text", TrabalhoImpressao::TEXTO}};

const char* const ZOOMS = "100, 200, 300";

int procurar(const std::map<std::string, int>& tabela, const std::string& opcao,
             const std::string& chave) {
  const auto achado = tabela.find(chave);
  if (achado == tabela.end()) {
    throw ErroArgumento::valorRecusado(opcao, chave, ErroArgumento::chaves(tabela));
  }
  return achado->second;
}

// The accepted values of an option that takes one, for the message when it is missing.
std::string aceitos(const std::string& opcao) {
  if (opcao == "--zoom") return ZOOMS;
  if (opcao == "--labels") return ErroArgumento::chaves(ROTULOS);
  if (opcao == "--content") return ErroArgumento::chaves(CONTEUDOS);
  return opcao == "--png" ? "a folder" : "a file";
}

[[maybe_unused]] bool ehSaidaPadrao(const std::filesystem::path& arquivo) {
  struct stat nomeado {};
  struct stat saida {};
  return ::stat(arquivo.c_str(), &nomeado) == 0 && ::fstat(STDOUT_FILENO, &saida) == 0 &&
         nomeado.st_dev == saida.st_dev && nomeado.st_ino == saida.st_ino;
}

}  // namespace

void ComandoImprimir::lerOpcao(Pedido& pedido, const std::string& opcao, const std::string& valor) {
  if (opcao == "--pdf") {
    pedido.pdf = valor;
  } else if (opcao == "--png") {
    pedido.png = valor;
  } else if (opcao == "--text") {
    pedido.folha = valor;
  } else if (opcao == "--zoom") {
    const auto zoom = texto::inteiro(valor);
    if (!zoom || (*zoom != 100 && *zoom != 200 && *zoom != 300)) {
      throw ErroArgumento::valorRecusado(opcao, valor, ZOOMS);
    }
    pedido.zoom = *zoom;
  } else if (opcao == "--labels") {
    pedido.rotulo = procurar(ROTULOS, opcao, valor);
  } else {
    pedido.conteudo = procurar(CONTEUDOS, opcao, valor);
  }
}

ComandoImprimir::Pedido ComandoImprimir::lerArgumentos(const std::vector<std::string>& argumentos) {
  static const std::set<std::string> OPCOES = {"--pdf",  "--png",    "--text",
                                               "--zoom", "--labels", "--content"};
  Pedido pedido;
  bool comZoom = false;
  for (size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& a = argumentos[i];
    // "-1,3,2,0,1,0" is a fingering, not an option.
    if (a.empty() || a.front() != '-' || LeitorCasas::pareceCasas(a)) {
      pedido.acordes.push_back(a);
      continue;
    }
    if (!OPCOES.contains(a)) throw ErroArgumento::inesperado(a);
    if (i + 1 >= argumentos.size()) throw ErroArgumento::semValor(a, aceitos(a));
    lerOpcao(pedido, a, argumentos[++i]);
    comZoom = comZoom || a == "--zoom";
  }
  // One output: a PDF, or the preview's pictures at a zoom.
  if (pedido.pdf.empty() && pedido.png.empty())
    throw ErroArgumento::faltando("--pdf FILE or --png DIR");
  if (!pedido.pdf.empty() && !pedido.png.empty()) {
    throw ErroArgumento("--pdf and --png: give one of them, not both");
  }
  if (comZoom && pedido.png.empty())
    throw ErroArgumento("--zoom: only pictures (--png) have a zoom");
  return pedido;
}

std::optional<std::string> ComandoImprimir::lerFolha(ContextoCli& contexto,
                                                     const std::string& arquivo) {
  std::error_code erro;
  if (!std::filesystem::is_regular_file(arquivo, erro)) {
    // The system's reason when it has one; a folder or a device is simply not a file.
    contexto.erros() << "tessara-cli: cannot read the chord sheet " << arquivo << ": "
                     << (erro ? erro.message() : std::string("not a regular file")) << '\n';
    return std::nullopt;
  }
  return cp1252::deUtf8(texto::lerArquivo(arquivo));
}

std::optional<PosicaoHarmonicaInstrumentoCordas> ComandoImprimir::posicaoDoNome(
    Fachada& fachada, const std::string& nome, std::string& nomeGuardado) {
  if (!fachada.setAcordePorNome(nome)) return std::nullopt;
  nomeGuardado = fachada.getNomeAcordeAtual();
  PosicaoHarmonicaInstrumentoCordas posicao = *fachada.getPosicaoAcordeAtual();
  fachada.limparAcorde();
  return posicao;
}

std::optional<ComandoImprimir::Posicoes> ComandoImprimir::montarLista(
    ContextoCli& contexto, const std::vector<std::string>& acordes, bool semRepetir) {
  Fachada& fachada = contexto.fachada();
  Posicoes posicoes;
  std::set<std::string> nomes;
  for (const auto& acorde : acordes) {
    if (LeitorCasas::pareceCasas(acorde)) {
      std::string erro;
      const auto casas = LeitorCasas::ler(acorde, *fachada.getInstrumentoAtual(), erro);
      if (!casas) {
        contexto.erros() << "tessara-cli: " << erro << '\n';
        return std::nullopt;
      }
      posicoes.addElement(fachada.posicaoDasCasas(*casas));
      continue;
    }
    std::string nomeGuardado;
    const auto posicao = posicaoDoNome(fachada, cp1252::deUtf8(acorde), nomeGuardado);
    if (!posicao) {
      contexto.erros() << "tessara-cli: '" << acorde << "' is not a chord name\n";
      return std::nullopt;
    }
    if (!posicao->soaAlgumaCorda()) {
      contexto.avisarSemPosicao(acorde);
      return std::nullopt;
    }
    if (!semRepetir || nomes.insert(nomeGuardado).second) posicoes.addElement(*posicao);
  }
  return posicoes;
}

int ComandoImprimir::executar(ContextoCli& contexto, const std::vector<std::string>& argumentos) {
  auto pedido = lerArgumentos(argumentos);
  if (!contexto.prepararInstrumento()) return contexto.statusErro();
  Fachada& fachada = contexto.fachada();

  std::string folha;
  if (!pedido.folha.empty()) {
    const auto lida = lerFolha(contexto, pedido.folha);
    if (!lida) return 1;
    folha = *lida;
  }
  const int conteudo = pedido.conteudo.value_or(
      pedido.folha.empty() ? TrabalhoImpressao::DIAGRAMAS : TrabalhoImpressao::TEXTO_E_DIAGRAMAS);
  // The sheet's chords make the list when none are given, as its print action does.
  const bool daFolha = pedido.acordes.empty() && conteudo != TrabalhoImpressao::TEXTO;
  if (daFolha) {
    for (const auto& acorde : fachada.getAcordesCifra(folha)) {
      pedido.acordes.push_back(cp1252::paraUtf8(acorde));
    }
  }
  auto posicoes = montarLista(contexto, pedido.acordes, daFolha);
  if (!posicoes) return 1;

#ifdef TESSARA_IMPRESSAO_QT
  fachada.setTextoImpressao(folha);
  FrenteImpressaoCli impressao(contexto.nucleo(), std::move(*posicoes));
  if (!pedido.pdf.empty()) {
    if (!impressao.gravarPdf(pedido.pdf, conteudo, pedido.rotulo, contexto.erros())) return 1;
    // The document went to standard output itself: its name would follow it into the pipe.
    if (!ehSaidaPadrao(pedido.pdf)) contexto.saida() << pedido.pdf << '\n';
    return 0;
  }
  const auto arquivos =
      impressao.gravarPng(pedido.png, pedido.zoom, conteudo, pedido.rotulo, contexto.erros());
  if (!arquivos) return 1;
  for (const auto& arquivo : *arquivos) contexto.saida() << arquivo.string() << '\n';
  return 0;
#else
  contexto.erros() << "tessara-cli: this build cannot print: it was made without Qt\n";
  return 1;
#endif
}

}  // namespace tessara
