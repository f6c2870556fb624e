#include "qt/ImpressoraQt.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <stdexcept>

#include "qt/TextoQt.h"

namespace tessara {

namespace {

constexpr int RESOLUCAO_PDF = 300;

}  // namespace

// The surface of the printed document: a new page is the printer's.
class ImpressoraQt::Pagina : public SuperficieQt {
 public:
  explicit Pagina(QPrinter& impressora) : impressora_(impressora) {
    if (!comecar(impressora_)) throw std::runtime_error("the printer could not be started");
  }
  ~Pagina() override { terminarPintura(); }

  void novaPagina() override {
    if (!impressora_.newPage()) throw std::runtime_error("the printer refused a new page");
  }
  void terminar() { terminarPintura(); }

 private:
  QPrinter& impressora_;
};

ImpressoraQt::ImpressoraQt(QPrinter& impressora, Dialogo dialogo)
    : impressora_(impressora), dialogo_(std::move(dialogo)) {}

ImpressoraQt::~ImpressoraQt() = default;

void ImpressoraQt::configurarPdf(QPrinter& impressora, const std::filesystem::path& arquivo) {
  impressora.setOutputFormat(QPrinter::PdfFormat);
  impressora.setOutputFileName(QString::fromStdString(arquivo.string()));
  impressora.setResolution(RESOLUCAO_PDF);
  impressora.setFullPage(true);
  impressora.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

TamanhoPagina ImpressoraQt::paginaPdf() {
  QPrinter impressora(QPrinter::HighResolution);
  configurarPdf(impressora, {});
  return {impressora.width(), impressora.height()};
}

bool ImpressoraQt::escolher() { return !dialogo_ || dialogo_(impressora_); }

std::optional<TamanhoPagina> ImpressoraQt::tamanhoPagina() const {
  const TamanhoPagina tamanho{impressora_.width(), impressora_.height()};
  if (tamanho.largura <= 0 || tamanho.altura <= 0) return std::nullopt;
  return tamanho;
}

Superficie& ImpressoraQt::iniciarDocumento(const std::string& titulo) {
  impressora_.setDocName(qt(titulo));
  pagina_ = std::make_unique<Pagina>(impressora_);
  return *pagina_;
}

void ImpressoraQt::finalizarDocumento() {
  if (pagina_) pagina_->terminar();
  pagina_.reset();
}

}  // namespace tessara
