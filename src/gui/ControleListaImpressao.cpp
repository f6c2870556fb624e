#include "ControleListaImpressao.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QListWidget>
#include <QMenu>
#include <QTimer>

#include "app/Fachada.h"
#include "qt/TextoQt.h"
#include "telas/ListaImpressao.h"

namespace tessara {

namespace {

const char* const SECAO = "fmPrincipal";

std::string nomeArquivo(const std::filesystem::path& arquivo) {
  return core(QString::fromStdString(arquivo.string()));
}

}  // namespace

ControleListaImpressao::ControleListaImpressao(Fachada& fachada, ListaImpressao& lista,
                                               QListWidget& widget)
    : QObject(&widget), fachada_(fachada), lista_(lista), widget_(widget) {
  widget_.setDragDropMode(QAbstractItemView::InternalMove);
  widget_.setDefaultDropAction(Qt::MoveAction);
  widget_.viewport()->setAcceptDrops(true);
  widget_.viewport()->installEventFilter(this);
  widget_.setContextMenuPolicy(Qt::CustomContextMenu);
  connect(&widget_, &QListWidget::customContextMenuRequested, this,
          [this](const QPoint& ponto) { mostrarMenu(ponto); });
}

void ControleListaImpressao::recuperar() {
  const auto arquivo = fachada_.getPastaUsuario() / ARQUIVO_GUARDADO;
  const auto abertura = lista_.guardarEm(arquivo);
  const bool incompleta = !abertura.linhasIgnoradas.empty() || !abertura.recusados.empty();
  if ((abertura.lida && !incompleta) || (!abertura.lida && abertura.motivo.empty())) return;
  informar(fachada_.getTexto(SECAO, "msgListaDanificada") + "\n" +
           nomeArquivo(arquivo.string() + ".damaged"));
}

bool ControleListaImpressao::salvarCancioneiro(const std::filesystem::path& arquivo) {
  std::string erro;
  if (lista_.salvar(arquivo, &erro)) return true;
  informar(fachada_.getTexto(SECAO, "erroSalvarCancioneiro") + "\n" +
           core(QString::fromStdString(erro)));
  return false;
}

bool ControleListaImpressao::abrirCancioneiro(const std::filesystem::path& arquivo,
                                              bool acrescentar) {
  const auto abertura = lista_.abrir(arquivo, acrescentar);
  if (!abertura.lida) {
    informar(fachada_.getTexto(SECAO, "erroAbrirCancioneiro") + "\n" + nomeArquivo(arquivo) + "\n" +
             core(QString::fromStdString(abertura.motivo)));
    return false;
  }
  std::string aviso;
  if (!abertura.linhasIgnoradas.empty()) {
    aviso += fachada_.getTexto(SECAO, "msgLinhasIgnoradas");
    for (size_t linha : abertura.linhasIgnoradas) aviso += ' ' + std::to_string(linha);
  }
  if (!abertura.recusados.empty()) {
    if (!aviso.empty()) aviso += '\n';
    aviso += fachada_.getTexto(SECAO, "msgAcordesRecusados");
    for (const auto& nome : abertura.recusados) aviso += ' ' + nome;
  }
  if (!aviso.empty()) informar(aviso);
  return true;
}

void ControleListaImpressao::mostrarMenu(const QPoint& ponto) {
  QMenu menu(&widget_);
  menu.addAction(qt(fachada_.getTexto(SECAO, "mnuSalvarCancioneiro")), this,
                 [this] { escolherSalvar(); })
      ->setEnabled(!lista_.vazia());
  menu.addAction(qt(fachada_.getTexto(SECAO, "mnuAbrirCancioneiro")), this,
                 [this] { escolherAbrir(false); });
  menu.addAction(qt(fachada_.getTexto(SECAO, "mnuAcrescentarCancioneiro")), this,
                 [this] { escolherAbrir(true); });
  menu.exec(widget_.mapToGlobal(ponto));
}

void ControleListaImpressao::escolherSalvar() {
  QString escolhido = QFileDialog::getSaveFileName(
      &widget_, qt(fachada_.getTexto(SECAO, "tituloSalvarCancioneiro")), {},
      qt(fachada_.getTexto(SECAO, "filtroCancioneiro")));
  if (escolhido.isEmpty()) return;
  if (!escolhido.contains(QLatin1Char('.'))) escolhido += QStringLiteral(".songbook");
  salvarCancioneiro(escolhido.toStdString());
}

void ControleListaImpressao::escolherAbrir(bool acrescentar) {
  const QString escolhido =
      QFileDialog::getOpenFileName(&widget_, qt(fachada_.getTexto(SECAO, "tituloAbrirCancioneiro")),
                                   {}, qt(fachada_.getTexto(SECAO, "filtroCancioneiro")));
  if (!escolhido.isEmpty()) abrirCancioneiro(escolhido.toStdString(), acrescentar);
}

bool ControleListaImpressao::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() != QEvent::Drop) return QObject::eventFilter(objeto, evento);
  auto* soltura = static_cast<QDropEvent*>(evento);
  // The list moves the line itself, not the widget: the model decides and the widget is drawn
  // from it.
  soltura->setDropAction(Qt::IgnoreAction);
  soltura->accept();
  const QPoint ponto = soltura->position().toPoint();
  QTimer::singleShot(0, this, [this, ponto] { soltar(ponto); });
  return true;
}

void ControleListaImpressao::soltar(const QPoint& ponto) {
  const int de = widget_.currentRow();
  if (de < 0) return;
  const QModelIndex alvo = widget_.indexAt(ponto);
  int para = alvo.isValid() ? alvo.row() : lista_.tamanho();
  if (alvo.isValid() && ponto.y() > widget_.visualRect(alvo).center().y()) ++para;
  if (para > de) --para;
  if (para != de) lista_.mover(de, std::min(para, lista_.tamanho() - 1));
}

void ControleListaImpressao::informar(const std::string& texto) {
  fachada_.mostrarMensagem(texto, fachada_.getTexto("geral", "nomeAplicacao"));
}

}  // namespace tessara
