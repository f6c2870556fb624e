#include "ImpressaoCli.h"

#include <QPrinter>
#include <iostream>
#include <system_error>

#include "chords/Especialista.h"
#include "languages/GerenciadorIdiomas.h"
#include "qt/ImpressoraQt.h"
#include "qt/SuperficieImagensQt.h"
#include "app/Nucleo.h"

namespace tessara {

namespace {

// Qt's notices (a missing runtime folder and the like) are not the user's business here;
// its errors are.
void mensagemQt(QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
  if (tipo == QtCriticalMsg || tipo == QtFatalMsg) {
    std::cerr << "tessara-cli: " << texto.toStdString() << '\n';
  }
}

}  // namespace

std::unique_ptr<QGuiApplication> ImpressaoCli::iniciarQt() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  qInstallMessageHandler(mensagemQt);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char nome[] = "tessara-cli";
  static char* argv[] = {nome, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

ImpressaoCli::ImpressaoCli(const GerenciadorIdiomas& idiomas, Posicoes posicoes,
                           const InstrumentoCordas& instrumento)
    : aplicacao_(iniciarQt()),
      posicoes_(std::move(posicoes)),
      instrumento_(instrumento),
      interacao_(std::make_unique<InteracaoMuda>()),
      gerenciador_(
          idiomas, Nucleo::processo().especialista(), *interacao_, *this, [this] { return &instrumento_; }) {}

ImpressaoCli::~ImpressaoCli() = default;

std::optional<TamanhoPagina> ImpressaoCli::tamanhoPaginaImpressora() const {
  return ImpressoraQt::paginaPdf();
}

std::unique_ptr<SuperficieImagens> ImpressaoCli::criarImagens(int largura, int altura) {
  return std::make_unique<SuperficieImagensQt>(largura, altura);
}

bool ImpressaoCli::gravarPdf(const std::filesystem::path& arquivo, int conteudo, int rotulo,
                             const std::string& texto, std::ostream& erros) {
  QPrinter impressora(QPrinter::HighResolution);
  ImpressoraQt::configurarPdf(impressora, arquivo);
  ImpressoraQt saida(impressora);
  gerenciador_.imprimir(saida, conteudo, rotulo, posicoes_, texto, instrumento_);
  if (interacao_->mensagemPedida()) {
    erros << "tessara-cli: cannot write " << arquivo.string() << '\n';
    return false;
  }
  return true;
}

std::optional<std::vector<std::filesystem::path>> ImpressaoCli::gravarPng(
    const std::filesystem::path& pasta, int zoom, int conteudo, int rotulo,
    const std::string& texto, std::ostream& erros) {
  std::error_code erro;
  std::filesystem::create_directories(pasta, erro);
  gerenciador_.prepararVisualizacao(conteudo, rotulo, 1, zoom, posicoes_, texto, instrumento_);
  std::vector<std::filesystem::path> arquivos;
  for (const auto& pagina : gerenciador_.getPaginas()) {
    arquivos.push_back(pasta / ("page-" + std::to_string(arquivos.size() + 1) + ".png"));
    if (!SuperficieImagensQt::salvarPng(pagina, arquivos.back())) {
      erros << "tessara-cli: cannot write " << arquivos.back().string() << '\n';
      return std::nullopt;
    }
  }
  return arquivos;
}

}  // namespace tessara
