#include "FrenteImpressaoCli.h"

#include <QPrinter>
#include <system_error>

#include "AplicacaoQtCli.h"
#include "app/Fachada.h"
#include "app/Nucleo.h"
#include "qt/ImpressoraQt.h"
#include "qt/SuperficieImagensQt.h"

namespace tessara {

FrenteImpressaoCli::FrenteImpressaoCli(Nucleo& nucleo, Posicoes posicoes)
    : FachadaGUI(interacao_),
      aplicacao_(iniciarQtCli()),
      nucleo_(nucleo),
      posicoes_(std::move(posicoes)) {
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
                                   std::ostream& erros) {
  QPrinter impressora(QPrinter::HighResolution);
  ImpressoraQt::configurarPdf(impressora, arquivo);
  ImpressoraQt saida(impressora);
  // The printer's failure comes as a message box; here it is the command's to report.
  Interacao* anterior = nucleo_.definirInteracao(&interacao_);
  nucleo_.fachada().imprimir(saida, conteudo, rotulo);
  nucleo_.definirInteracao(anterior);
  if (interacao_.mensagemPedida()) {
    erros << "tessara-cli: cannot write " << arquivo.string() << '\n';
    return false;
  }
  return true;
}

std::optional<std::vector<std::filesystem::path>> FrenteImpressaoCli::gravarPng(
    const std::filesystem::path& pasta, int zoom, int conteudo, int rotulo, std::ostream& erros) {
  std::error_code erro;
  std::filesystem::create_directories(pasta, erro);
  std::vector<std::filesystem::path> arquivos;
  for (const auto& pagina : nucleo_.fachada().getPaginasVisualizacao(conteudo, rotulo, zoom)) {
    arquivos.push_back(pasta / ("page-" + std::to_string(arquivos.size() + 1) + ".png"));
    if (!SuperficieImagensQt::salvarPng(pagina, arquivos.back())) {
      erros << "tessara-cli: cannot write " << arquivos.back().string() << '\n';
      return std::nullopt;
    }
  }
  return arquivos;
}

}  // namespace tessara
