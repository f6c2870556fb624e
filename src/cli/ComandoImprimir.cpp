#include "ComandoImprimir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <map>

#include "ContextoCli.h"
#include "ErroArgumento.h"
#include "LeitorCasas.h"
#include "LeitorOpcoes.h"
#include "NomesRotulo.h"
#include "app/Fachada.h"
#include "foundations/Cp1252.h"
#include "foundations/Texto.h"
#include "printing/TrabalhoImpressao.h"
#include "telas/ListaImpressao.h"
#ifdef TESSARA_IMPRESSAO_QT
#include "FrenteImpressaoCli.h"
#endif

namespace tessara {

namespace {

const std::map<std::string, int> CONTEUDOS = {
    {"text+diagrams", TrabalhoImpressao::TEXTO_E_DIAGRAMAS},
    {"diagrams", TrabalhoImpressao::DIAGRAMAS},
    {"text", TrabalhoImpressao::TEXTO},
    {"songbook", TrabalhoImpressao::CANCIONEIRO}};

const char* const ZOOMS = "100, 200, 300";

const LeitorOpcoes& leitor() {
  // "-1,3,2,0,1,0" is a fingering, not an option; anything else is a chord's name.
  static const LeitorOpcoes opcoes(
      {{"--pdf", 1, "a file"},
       {"--svg", 1, "a file; pages after the first go to FILE-2, FILE-3 ..."},
       {"--png", 1, "a folder"},
       {"--text", 1, "a file"},
       {"--songbook", 1, "a file"},
       {"--zoom", 1, ZOOMS},
       {"--labels", 1, NomesRotulo::aceitos(), NomesRotulo::nomes()},
       {"--content", 1, ErroArgumento::chaves(CONTEUDOS), ErroArgumento::nomes(CONTEUDOS)}},
      SIZE_MAX, [](const std::string& a) {
        return a.empty() || a.front() != '-' || LeitorCasas::pareceCasas(a);
      });
  return opcoes;
}

[[maybe_unused]] bool ehSaidaPadrao(const std::filesystem::path& arquivo) {
  struct stat nomeado {};
  struct stat saida {};
  return ::stat(arquivo.c_str(), &nomeado) == 0 && ::fstat(STDOUT_FILENO, &saida) == 0 &&
         nomeado.st_dev == saida.st_dev && nomeado.st_ino == saida.st_ino;
}

}  // namespace

const LeitorOpcoes* ComandoImprimir::opcoes() const { return &leitor(); }

ComandoImprimir::Pedido ComandoImprimir::lerArgumentos(const std::vector<std::string>& argumentos) {
  const auto lidas = leitor().ler(argumentos);
  Pedido pedido;
  pedido.acordes = lidas.posicionais;
  pedido.pdf = lidas.valor("--pdf").value_or("");
  pedido.svg = lidas.valor("--svg").value_or("");
  pedido.png = lidas.valor("--png").value_or("");
  pedido.folha = lidas.valor("--text").value_or("");
  pedido.cancioneiro = lidas.valor("--songbook").value_or("");
  if (const auto valor = lidas.valor("--zoom")) {
    const auto zoom = texto::inteiro(*valor);
    if (!zoom || (*zoom != 100 && *zoom != 200 && *zoom != 300)) {
      throw ErroArgumento::valorRecusado("--zoom", *valor, ZOOMS);
    }
    pedido.zoom = *zoom;
  }
  if (const auto valor = lidas.valor("--labels")) pedido.rotulo = NomesRotulo::tabela().at(*valor);
  if (const auto valor = lidas.valor("--content")) pedido.conteudo = CONTEUDOS.at(*valor);
  // One output: a PDF, SVG pages, or the preview's pictures at a zoom.
  const int saidas = !pedido.pdf.empty() + !pedido.svg.empty() + !pedido.png.empty();
  if (saidas == 0) throw ErroArgumento::faltando("--pdf FILE, --svg FILE or --png DIR");
  if (saidas > 1) throw ErroArgumento("--pdf, --svg and --png: give one of them, not more");
  if (lidas.tem("--zoom") && pedido.png.empty())
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

bool ComandoImprimir::lerCancioneiro(ContextoCli& contexto, const std::string& arquivo,
                                     ListaImpressao& lista) {
  const auto abertura = lista.abrir(arquivo, true);
  if (!abertura.lida) {
    contexto.erros() << "tessara-cli: print: " << arquivo << ": "
                     << (abertura.motivo.empty() ? "no such file" : abertura.motivo) << '\n';
    return false;
  }
  for (size_t linha : abertura.linhasIgnoradas) {
    contexto.erros() << "tessara-cli: print: " << arquivo << ':' << linha
                     << ": not a songbook line, left out\n";
  }
  for (const auto& nome : abertura.recusados) {
    contexto.erros() << "tessara-cli: print: " << arquivo << ": no fingering for "
                     << cp1252::paraUtf8(nome) << ", left out\n";
  }
  return true;
}

bool ComandoImprimir::montarLista(ContextoCli& contexto, const std::vector<std::string>& acordes,
                                  bool semRepetir, ListaImpressao& lista) {
  Fachada& fachada = contexto.fachada();
  for (const auto& acorde : acordes) {
    if (LeitorCasas::pareceCasas(acorde)) {
      std::string erro;
      const auto casas = LeitorCasas::ler(acorde, *fachada.getInstrumentoAtual(), erro);
      if (!casas) {
        contexto.erros() << "tessara-cli: " << erro << '\n';
        return false;
      }
      lista.anexar(fachada.posicaoDasCasas(*casas));
      continue;
    }
    const int antes = lista.tamanho();
    if (!lista.adicionarPorNome(cp1252::deUtf8(acorde), !semRepetir)) {
      contexto.erros() << "tessara-cli: '" << acorde << "' is not a chord name\n";
      return false;
    }
    // A chord this instrument cannot sound prints no empty diagram.
    if (lista.tamanho() > antes && !lista.linhas().back().posicao.soaAlgumaCorda()) {
      contexto.avisarSemPosicao(acorde);
      return false;
    }
  }
  return true;
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
  const int conteudo =
      pedido.conteudo.value_or(!pedido.cancioneiro.empty() ? TrabalhoImpressao::CANCIONEIRO
                               : pedido.folha.empty()      ? TrabalhoImpressao::DIAGRAMAS
                                                           : TrabalhoImpressao::TEXTO_E_DIAGRAMAS);
  // The sheet's chords make the list when none are given, as its print action does.
  const bool daFolha = pedido.acordes.empty() && conteudo != TrabalhoImpressao::TEXTO;
  if (daFolha) {
    for (const auto& acorde : fachada.getAcordesCifra(folha)) {
      pedido.acordes.push_back(cp1252::paraUtf8(acorde));
    }
  }
  ListaImpressao lista(fachada);
  if (!montarLista(contexto, pedido.acordes, daFolha, lista)) return 1;
  if (!pedido.cancioneiro.empty() && !lerCancioneiro(contexto, pedido.cancioneiro, lista)) {
    return 1;
  }
  lista.prepararImpressao();

#ifdef TESSARA_IMPRESSAO_QT
  fachada.setTextoImpressao(folha);
  FrenteImpressaoCli impressao(contexto.nucleo());
  const auto posicoes = lista.copias();
  if (!pedido.pdf.empty()) {
    if (!impressao.gravarPdf(pedido.pdf, conteudo, pedido.rotulo, posicoes, contexto.erros())) {
      return 1;
    }
    // The document went to standard output itself: its name would follow it into the pipe.
    if (!ehSaidaPadrao(pedido.pdf)) contexto.saida() << pedido.pdf << '\n';
    return 0;
  }
  if (!pedido.svg.empty()) {
    const auto paginas =
        impressao.gravarSvg(pedido.svg, conteudo, pedido.rotulo, posicoes, contexto.erros());
    if (!paginas) return 1;
    for (const auto& arquivo : *paginas) contexto.saida() << arquivo.string() << '\n';
    return 0;
  }
  const auto arquivos = impressao.gravarPng(pedido.png, pedido.zoom, conteudo, pedido.rotulo,
                                            posicoes, contexto.erros());
  if (!arquivos) return 1;
  for (const auto& arquivo : *arquivos) contexto.saida() << arquivo.string() << '\n';
  return 0;
#else
  contexto.erros() << "tessara-cli: this build cannot print: it was made without Qt\n";
  return 1;
#endif
}

}  // namespace tessara
