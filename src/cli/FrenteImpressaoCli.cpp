#include "FrenteImpressaoCli.h"

#include <QPrinter>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "AplicacaoQtCli.h"
#include "app/Fachada.h"
#include "app/Nucleo.h"
#include "qt/ImpressoraQt.h"
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
      erros << "tessara-cli: cannot write " << motivo << '\n';
      return std::nullopt;
    }
  }
  return arquivos;
}

}  // namespace tessara
