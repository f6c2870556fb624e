#include "WidgetBraco.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "MenuFigura.h"
#include "app/Fachada.h"
#include "qt/TextoQt.h"
#include "telas/Braco.h"
#include "telas/GeometriaBraco.h"

namespace tessara {

WidgetBraco::WidgetBraco(Fachada& fachada, Braco& braco, QWidget* pai)
    : QWidget(pai), fachada_(fachada), braco_(braco) {
  setObjectName(QStringLiteral("WidgetBraco"));
  // The pictures and the model's coordinates are in these logical pixels; a larger widget
  // draws them larger.
  resize(GeometriaBraco::LARGURA, GeometriaBraco::ALTURA);
}

double WidgetBraco::escala() const {
  return static_cast<double>(width()) / GeometriaBraco::LARGURA;
}

void WidgetBraco::paintEvent(QPaintEvent*) {
  // Another orientation, string count or language needs other pictures.
  imagens_.atualizar(fachada_, braco_);
  QPainter pintor(this);
  pintor.scale(escala(), escala());
  PintorBraco::pintar(pintor, braco_, imagens_);
}

void WidgetBraco::mousePressEvent(QMouseEvent* evento) {
  // The model's points are the picture's logical pixels.
  const QPoint ponto = (evento->position() / escala()).toPoint();
  if (evento->button() == Qt::LeftButton) {
    aposEdicao(braco_.alternarNota(ponto.x(), ponto.y()));
  } else if (evento->button() == Qt::RightButton) {
    oferecerMenu(ponto, evento->position().toPoint());
  }
}

Figura WidgetBraco::figura() {
  imagens_.atualizar(fachada_, braco_);
  const QString nome = braco_.temNota() ? qt(braco_.getPosicao().getNome()) : QString();
  return {[this] { return PintorBraco::imagem(braco_, imagens_); },
          [this] { return PintorBraco::svg(braco_, imagens_); }, nome};
}

void WidgetBraco::oferecerMenu(const QPoint& ponto, const QPoint& naTela) {
  const bool nota = braco_.existeNotaEm(ponto.x(), ponto.y());
  if (!nota && menuFigura_ == nullptr) return;
  auto* menu = new QMenu(this);
  menu->setObjectName(nota ? QStringLiteral("menuNota") : QStringLiteral("menuFiguraBraco"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (nota) acrescentarAcoesNota(*menu, ponto);
  if (menuFigura_ != nullptr) {
    if (nota) menu->addSeparator();
    menuFigura_->acrescentar(*menu, figura());
  }
  // Not exec(): no nested event loop, so playback and repaints go on while it is open.
  menu->popup(mapToGlobal(naTela));
}

void WidgetBraco::acrescentarAcoesNota(QMenu& menu, const QPoint& ponto) {
  QAction* tonica =
      menu.addAction(qt(fachada_.getTexto("fmPrincipal", "mnuBolinhaTonica")), this,
                     [this, ponto] { aposEdicao(braco_.definirTonicaEm(ponto.x(), ponto.y())); });
  tonica->setObjectName(QStringLiteral("acaoTonica"));
  QAction* apagar =
      menu.addAction(qt(fachada_.getTexto("fmPrincipal", "mnuBolinhaDeletar")), this,
                     [this, ponto] { aposEdicao(braco_.apagarNotaEm(ponto.x(), ponto.y())); });
  apagar->setObjectName(QStringLiteral("acaoApagar"));
}

void WidgetBraco::aposEdicao(bool mudou) {
  if (!mudou) return;
  update();
  emit editado();
}

}  // namespace tessara
