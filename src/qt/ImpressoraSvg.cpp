#include "qt/ImpressoraSvg.h"

#include <QBuffer>
#include <QRect>
#include <QSize>
#include <QSvgGenerator>
#include <stdexcept>
#include <string_view>

#include "foundations/ArquivoAtomico.h"
#include "qt/SuperficieQt.h"
#include "qt/TextoQt.h"

namespace tessara {

namespace {

// A4 at 300 dots per inch, as the PDF pages: the layout looks the same in both.
constexpr int RESOLUCAO = 300;
constexpr TamanhoPagina A4{2480, 3508};

}  // namespace

// Each page draws into a generator of its own; a new page keeps the one just finished.
class ImpressoraSvg::Pagina : public SuperficieQt {
 public:
  Pagina(std::string titulo, std::vector<QByteArray>& paginas)
      : titulo_(std::move(titulo)), paginas_(paginas) {
    comecarPagina();
  }
  ~Pagina() override { terminarPintura(); }

  void novaPagina() override {
    terminar();
    comecarPagina();
  }
  void terminar() {
    if (!gerador_) return;
    terminarPintura();
    paginas_.push_back(buffer_.data());
    gerador_.reset();
  }

 private:
  void comecarPagina() {
    buffer_.close();
    buffer_.setData(QByteArray());
    buffer_.open(QIODevice::WriteOnly);
    gerador_ = std::make_unique<QSvgGenerator>();
    gerador_->setOutputDevice(&buffer_);
    gerador_->setSize(QSize(A4.largura, A4.altura));
    gerador_->setViewBox(QRect(0, 0, A4.largura, A4.altura));
    gerador_->setResolution(RESOLUCAO);
    gerador_->setTitle(qt(titulo_));
    if (!comecar(*gerador_)) throw std::runtime_error("the SVG page could not be started");
  }

  std::string titulo_;
  std::vector<QByteArray>& paginas_;
  QBuffer buffer_;
  std::unique_ptr<QSvgGenerator> gerador_;
};

ImpressoraSvg::ImpressoraSvg() = default;

ImpressoraSvg::~ImpressoraSvg() = default;

std::filesystem::path ImpressoraSvg::arquivoPagina(const std::filesystem::path& destino,
                                                   int pagina) {
  if (pagina <= 1) return destino;
  std::filesystem::path arquivo = destino;
  arquivo.replace_filename(destino.stem().string() + "-" + std::to_string(pagina) +
                           destino.extension().string());
  return arquivo;
}

std::optional<TamanhoPagina> ImpressoraSvg::tamanhoPagina() const { return A4; }

Superficie& ImpressoraSvg::iniciarDocumento(const std::string& titulo) {
  paginas_.clear();
  pagina_ = std::make_unique<Pagina>(titulo, paginas_);
  return *pagina_;
}

void ImpressoraSvg::finalizarDocumento() {
  if (pagina_) pagina_->terminar();
  pagina_.reset();
}

std::optional<std::vector<std::filesystem::path>> ImpressoraSvg::gravar(
    const std::filesystem::path& destino, std::string& erro) const {
  std::vector<std::filesystem::path> arquivos;
  for (const auto& pagina : paginas_) {
    arquivos.push_back(arquivoPagina(destino, static_cast<int>(arquivos.size()) + 1));
    if (!ArquivoAtomico::substituir(arquivos.back(),
                                    std::string_view(pagina.constData(), pagina.size()), &erro)) {
      return std::nullopt;
    }
  }
  return arquivos;
}

}  // namespace tessara
