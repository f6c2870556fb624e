#include "WidgetBraco.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

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
  } else if (evento->button() == Qt::RightButton && braco_.existeNotaEm(ponto.x(), ponto.y())) {
    oferecerMenu(ponto, evento->position().toPoint());
  }
}

void WidgetBraco::oferecerMenu(const QPoint& ponto, const QPoint& naTela) {
  auto* menu = new QMenu(this);
  menu->setObjectName(QStringLiteral("menuNota"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QAction* tonica =
      menu->addAction(qt(fachada_.getTexto("fmPrincipal", "mnuBolinhaTonica")), this,
                      [this, ponto] { aposEdicao(braco_.definirTonicaEm(ponto.x(), ponto.y())); });
  tonica->setObjectName(QStringLiteral("acaoTonica"));
  QAction* apagar =
      menu->addAction(qt(fachada_.getTexto("fmPrincipal", "mnuBolinhaDeletar")), this,
                      [this, ponto] { aposEdicao(braco_.apagarNotaEm(ponto.x(), ponto.y())); });
  apagar->setObjectName(QStringLiteral("acaoApagar"));
  // Not exec(): no nested event loop, so playback and repaints go on while it is open.
  menu->popup(mapToGlobal(naTela));
}

void WidgetBraco::aposEdicao(bool mudou) {
  if (!mudou) return;
  update();
  emit editado();
}

}  // namespace tessara
