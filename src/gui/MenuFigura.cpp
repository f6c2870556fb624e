#include "MenuFigura.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QStandardPaths>
#include <string_view>

#include "app/Fachada.h"
#include "foundations/ArquivoAtomico.h"
#include "qt/SuperficieImagensQt.h"
#include "qt/TextoQt.h"

namespace tessara {

namespace {

// A chord's name as a file name: a slash chord's slash would name a folder.
QString nomeArquivo(QString nome) {
  nome.replace(QLatin1Char('/'), QLatin1Char('-'));
  return nome.trimmed();
}

}  // namespace

MenuFigura::MenuFigura(Fachada& fachada, QWidget* janela)
    : QObject(janela), fachada_(fachada), janela_(janela) {
  escolha_ = [this](const QString& titulo, const QString& sugerido, const QString& filtro) {
    return QFileDialog::getSaveFileName(janela_, titulo, sugerido, filtro);
  };
}

QString MenuFigura::texto(const char* chave) const {
  return qt(fachada_.getTexto("fmPrincipal", chave));
}

void MenuFigura::acrescentar(QMenu& menu, const Figura& figura) {
  const struct {
    const char* chave;
    void (MenuFigura::*acao)(const Figura&);
  } acoes[] = {{"mnuCopiarFigura", &MenuFigura::copiar},
               {"mnuSalvarFiguraPng", &MenuFigura::salvarPng},
               {"mnuSalvarFiguraSvg", &MenuFigura::salvarSvg}};
  for (const auto& [chave, acao] : acoes) {
    QAction* item =
        menu.addAction(texto(chave), this, [this, figura, acao] { (this->*acao)(figura); });
    item->setObjectName(QString::fromLatin1(chave));
  }
}

void MenuFigura::copiar(const Figura& figura) {
  QApplication::clipboard()->setImage(figura.imagem());
}

QString MenuFigura::escolher(const Figura& figura, const QString& extensao, const QString& filtro) {
  QString pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (pasta.isEmpty() || !QDir(pasta).exists()) pasta = QDir::homePath();
  QString nome = nomeArquivo(figura.nome);
  if (nome.isEmpty()) nome = qt(fachada_.getTexto("geral", "nomeAplicacao"));
  return escolha_(texto("tituloSalvarFigura"), QDir(pasta).filePath(nome + extensao), filtro);
}

void MenuFigura::salvarPng(const Figura& figura) {
  const QString arquivo = escolher(figura, QStringLiteral(".png"), QStringLiteral("PNG (*.png)"));
  if (arquivo.isEmpty()) return;
  std::string motivo;
  // The file system's names are UTF-8, not the core's CP1252.
  if (!SuperficieImagensQt::salvarPng(figura.imagem(), arquivo.toStdString(), motivo)) {
    avisarFalha(motivo);
  }
}

void MenuFigura::salvarSvg(const Figura& figura) {
  const QString arquivo = escolher(figura, QStringLiteral(".svg"), QStringLiteral("SVG (*.svg)"));
  if (arquivo.isEmpty()) return;
  const QByteArray documento = figura.svg();
  std::string motivo;
  if (!ArquivoAtomico::substituir(
          arquivo.toStdString(),
          std::string_view(documento.constData(), static_cast<size_t>(documento.size())),
          &motivo)) {
    avisarFalha(motivo);
  }
}

void MenuFigura::avisarFalha(const std::string& motivo) {
  fachada_.mostrarMensagem(fachada_.getTexto("fmPrincipal", "erroGravarFigura") + "\n" +
                               core(QString::fromStdString(motivo)),
                           fachada_.getTexto("geral", "nomeAplicacao"));
}

}  // namespace tessara
