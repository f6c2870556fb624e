#include "FrenteImpressaoCli.h"

#include <QPrinter>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <system_error>

#include "AplicacaoQtCli.h"
#include "app/Fachada.h"
#include "app/Nucleo.h"
#include "qt/ImpressoraQt.h"
#include "qt/ImpressoraSvg.h"
#include "qt/PdfEmMemoria.h"
#include "qt/SuperficieImagensQt.h"

namespace tessara {

FrenteImpressaoCli::FrenteImpressaoCli(Nucleo& nucleo)
    : FachadaGUI(interacao_), aplicacao_(iniciarQtCli()), nucleo_(nucleo) {
  anterior_ = nucleo_.definirFachadaGUI(this);
}

FrenteImpressaoCli::~FrenteImpressaoCli() { nucleo_.definirFachadaGUI(anterior_); }

std::optional<TamanhoPagina> FrenteImpressaoCli::tamanhoPaginaImpressora() const {
  return ImpressoraQt::paginaPdf();
}

std::unique_ptr<SuperficieImagens> FrenteImpressaoCli::criarImagens(int largura, int altura) {
  return std::make_unique<SuperficieImagensQt>(largura, altura);
}

bool FrenteImpressaoCli::gravarPdf(const std::filesystem::path& arquivo, int conteudo, int rotulo,
                                   const Posicoes& posicoes, std::ostream& erros) {
  const PdfEmMemoria memoria;
  if (!memoria.aberto()) {
    erros << "tessara-cli: cannot write " << arquivo.string() << ": " << std::strerror(errno)
          << '\n';
    return false;
  }
  {
    QPrinter impressora(QPrinter::HighResolution);
    ImpressoraQt::configurarPdf(impressora, memoria.caminho());
    ImpressoraQt saida(impressora);
    // The printer's failure comes as a message box; here it is the command's to report.
    Interacao* anterior = nucleo_.definirInteracao(&interacao_);
    nucleo_.fachada().imprimir(saida, conteudo, rotulo, posicoes);
    nucleo_.definirInteracao(anterior);
  }
  std::string motivo = arquivo.string() + ": the document could not be made";
  if (interacao_.mensagemPedida() || !memoria.gravar(arquivo, motivo)) {
    erros << "tessara-cli: cannot write " << motivo << '\n';
    return false;
  }
  return true;
}

std::optional<std::vector<std::filesystem::path>> FrenteImpressaoCli::gravarSvg(
    const std::filesystem::path& arquivo, int conteudo, int rotulo, const Posicoes& posicoes,
    std::ostream& erros) {
  ImpressoraSvg saida;
  Interacao* anterior = nucleo_.definirInteracao(&interacao_);
  nucleo_.fachada().imprimir(saida, conteudo, rotulo, posicoes);
  nucleo_.definirInteracao(anterior);
  std::string motivo = arquivo.string() + ": the document could not be made";
  std::optional<std::vector<std::filesystem::path>> arquivos;
  if (!interacao_.mensagemPedida() && !saida.getPaginas().empty()) {
    arquivos = saida.gravar(arquivo, motivo);
  }
  if (!arquivos) erros << "tessara-cli: cannot write " << motivo << '\n';
  return arquivos;
}

namespace {

// The page number of a file named page-N.png, or 0.
int numeroPagina(const std::string& nome) {
  constexpr std::string_view PREFIXO = "page-";
  constexpr std::string_view SUFIXO = ".png";
  if (nome.size() <= PREFIXO.size() + SUFIXO.size() || !nome.starts_with(PREFIXO) ||
      !nome.ends_with(SUFIXO)) {
    return 0;
  }
  const std::string numero =
      nome.substr(PREFIXO.size(), nome.size() - PREFIXO.size() - SUFIXO.size());
  if (numero.find_first_not_of("0123456789") != std::string::npos || numero.size() > 6) return 0;
  return std::stoi(numero);
}

// Pages of an earlier, longer job would read as part of this one.
void removerPaginasAntigas(const std::filesystem::path& pasta, int paginas) {
  std::error_code erro;
  for (const auto& entrada : std::filesystem::directory_iterator(pasta, erro)) {
    if (numeroPagina(entrada.path().filename().string()) > paginas) {
      std::filesystem::remove(entrada.path(), erro);
    }
  }
}

}  // namespace

std::optional<std::vector<std::filesystem::path>> FrenteImpressaoCli::gravarPng(
    const std::filesystem::path& pasta, int zoom, int conteudo, int rotulo,
    const Posicoes& posicoes, std::ostream& erros) {
  std::error_code erro;
  std::filesystem::create_directories(pasta, erro);
  std::vector<std::filesystem::path> arquivos;
  for (const auto& pagina :
       nucleo_.fachada().getPaginasVisualizacao(conteudo, rotulo, zoom, posicoes)) {
    arquivos.push_back(pasta / ("page-" + std::to_string(arquivos.size() + 1) + ".png"));
    std::string motivo;
    if (!SuperficieImagensQt::salvarPng(pagina, arquivos.back(), motivo)) {
      // Each page is replaced whole, so the user needs to know which ones are new.
      const size_t feitas = arquivos.size() - 1;
      erros << "tessara-cli: cannot write " << motivo << "; "
            << (feitas == 0 ? std::string("no page was written")
                            : "pages 1 to " + std::to_string(feitas) + " were written")
            << ", page " << arquivos.size() << " and later ones were not\n";
      return std::nullopt;
    }
  }
  removerPaginasAntigas(pasta, static_cast<int>(arquivos.size()));
  return arquivos;
}

}  // namespace tessara
