#include "TformImpressao.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStandardPaths>

#include "app/Fachada.h"
#include "qt/ImpressoraQt.h"
#include "qt/ImpressoraSvg.h"
#include "qt/PdfEmMemoria.h"
#include "qt/TextoQt.h"
#include "telas/ListaImpressao.h"

namespace tessara {

namespace {

QLabel* explicacao(QWidget* pai, const QString& texto, int y) {
  auto* rotulo = new QLabel(texto, pai);
  rotulo->setGeometry(16, y, TformImpressao::LARGURA - 32, 34);
  rotulo->setWordWrap(true);
  rotulo->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  return rotulo;
}

QComboBox* lista(QWidget* pai, const char* nome, int y, const QStringList& itens) {
  auto* combo = new QComboBox(pai);
  combo->setObjectName(QString::fromLatin1(nome));
  combo->setGeometry(16, y, TformImpressao::LARGURA - 32, 26);
  combo->addItems(itens);
  combo->setCurrentIndex(0);
  return combo;
}

}  // namespace

TformImpressao::TformImpressao(Fachada& fachada, const ListaImpressao& listaImpressao, QWidget* pai)
    : DialogoSemBorda(fachada, qtLinhas(fachada.getTexto("fmImpressao", "titulo")), LARGURA, ALTURA,
                      pai),
      lista_(listaImpressao) {
  setObjectName(QStringLiteral("TformImpressao"));
  dialogo_ = [this](QPrinter& impressora) {
    QPrintDialog dialogo(&impressora, this);
    return dialogo.exec() == QDialog::Accepted;
  };
  escolhaSvg_ = [this](const QString& inicial) {
    return QFileDialog::getSaveFileName(this, texto("fmImpressao", "btnSalvarSvg"), inicial,
                                        QStringLiteral("SVG (*.svg)"));
  };
  botaoFechar();

  lblExplicacaoConteudo_ = explicacao(this, texto("fmImpressao", "lblExplicacaoConteudo"), 38);
  lblExplicacaoConteudo_->setObjectName(QStringLiteral("lblExplicacaoConteudo"));
  comboOpcoesImpressao_ = lista(this, "comboOpcoesImpressao", 76,
                                {texto("fmImpressao", "comboOpcoesImpressaoItem1"),
                                 texto("fmImpressao", "comboOpcoesImpressaoItem2"),
                                 texto("fmImpressao", "comboOpcoesImpressaoItem3"),
                                 texto("fmImpressao", "comboOpcoesImpressaoItem4")});
  explicacao(this, texto("fmImpressao", "lblExplicacaoRotulo"), 110)
      ->setObjectName(QStringLiteral("lblExplicacaoRotulo"));
  comboRotulo_ =
      lista(this, "comboRotulo", 148,
            {texto("fmImpressao", "comboRotuloItem1"), texto("fmImpressao", "comboRotuloItem2"),
             texto("fmImpressao", "comboRotuloItem3")});

  btnImprimir_ = new QPushButton(texto("fmImpressao", "btnImprimir"), this);
  btnImprimir_->setObjectName(QStringLiteral("btnImprimir"));
  btnImprimir_->setGeometry(16, 204, 112, 30);
  btnImprimir_->setDefault(true);
  connect(btnImprimir_, &QPushButton::clicked, this, [this] { imprimir(); });
  btnVisualizarImpressao_ = new QPushButton(texto("fmImpressao", "btnVisualizarImpressao"), this);
  btnVisualizarImpressao_->setObjectName(QStringLiteral("btnVisualizarImpressao"));
  btnVisualizarImpressao_->setGeometry(LARGURA - 128, 204, 112, 30);
  connect(btnVisualizarImpressao_, &QPushButton::clicked, this, [this] { visualizar(); });
  btnSalvarSvg_ = new QPushButton(texto("fmImpressao", "btnSalvarSvg"), this);
  btnSalvarSvg_->setObjectName(QStringLiteral("btnSalvarSvg"));
  btnSalvarSvg_->setGeometry(16, 242, LARGURA - 32, 30);
  connect(btnSalvarSvg_, &QPushButton::clicked, this, [this] { salvarSvg(); });
}

void TformImpressao::definirModo(int modo) {
  if (modo != MODO_CIFRA && modo != MODO_LISTA) return;
  comboOpcoesImpressao_->setCurrentIndex(modo == MODO_CIFRA ? 0 : 1);
  // The main window prints diagrams, as they stand or as a songbook; the sheet's text only
  // comes with the chord sheet.
  auto* itens = qobject_cast<QStandardItemModel*>(comboOpcoesImpressao_->model());
  for (int i : {0, 2}) itens->item(i)->setEnabled(modo == MODO_CIFRA);
}

int TformImpressao::conteudo() const { return comboOpcoesImpressao_->currentIndex(); }

int TformImpressao::rotulo() const { return comboRotulo_->currentIndex(); }

QString TformImpressao::arquivoPadrao(const QString& nome) {
  QString pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (pasta.isEmpty() || !QDir(pasta).exists()) pasta = QDir::homePath();
  return QDir(pasta).filePath(nome);
}

void TformImpressao::imprimir() {
  QPrinter impressora(QPrinter::HighResolution);
  // Without a printer the dialog offers a PDF file, named after the program.
  if (QPrinterInfo::availablePrinterNames().isEmpty()) {
    ImpressoraQt::configurarPdf(
        impressora,
        arquivoPadrao(texto("geral", "nomeAplicacao") + QStringLiteral(".pdf")).toStdString());
  }
  const PdfEmMemoria memoria;
  std::filesystem::path destino;
  ImpressoraQt saida(impressora, [&](QPrinter& escolhida) {
    if (!dialogo_(escolhida)) return false;
    if (escolhida.outputFormat() == QPrinter::PdfFormat && !escolhida.outputFileName().isEmpty() &&
        memoria.aberto()) {
      destino = core(escolhida.outputFileName());
      escolhida.setOutputFileName(qt(memoria.caminho().string()));
    }
    return true;
  });
  lista_.prepararImpressao();
  fachada_.imprimir(saida, conteudo(), rotulo(), lista_.copias());
  std::string motivo;
  if (!destino.empty() && !memoria.gravar(destino, motivo)) {
    fachada_.mostrarMensagem(fachada_.getTexto("fmImpressao", "erroGravarPdf") + "#" + motivo, "");
  }
}

void TformImpressao::salvarSvg() {
  const QString escolhido =
      escolhaSvg_(arquivoPadrao(texto("geral", "nomeAplicacao") + QStringLiteral(".svg")));
  if (escolhido.isEmpty()) return;
  ImpressoraSvg saida;
  fachada_.imprimir(saida, conteudo(), rotulo(), lista_.copias());
  // The file system's names are UTF-8, not the core's CP1252.
  std::string motivo;
  if (saida.getPaginas().empty() || !saida.gravar(escolhido.toStdString(), motivo)) {
    fachada_.mostrarMensagem(fachada_.getTexto("fmImpressao", "erroGravarSvg") + "#" + motivo, "");
  }
}

void TformImpressao::visualizar() {
  // Busy while the pages are laid out; the preview window ends it when it shows.
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  // The preview opens at 100 %; the pages are laid out at that zoom only.
  lista_.prepararImpressao();
  fachada_.visualizarImpressao(conteudo(), rotulo(), 1, 100, lista_.copias());
  if (mostrarVisualizacao_) mostrarVisualizacao_();
  if (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
}

}  // namespace tessara
