#include "FaixaDiagramas.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "MenuFigura.h"
#include "app/Fachada.h"
#include "model/ModoRotulo.h"
#include "qt/ImagemDiagrama.h"
#include "qt/TextoQt.h"
#include "telas/FaixaPosicoes.h"

namespace tessara {

namespace {

// The small diagrams' grid, in the drawing's units: pens stay visible at the row's size.
constexpr int GRADE_PEQUENA = 120;
// The picture copied or saved: the printed page's grid at 300 dots per inch.
constexpr int GRADE_FIGURA = 360;
constexpr int MARGEM = 6;
constexpr int ESPACO = 10;

const QColor FUNDO(0x24, 0x14, 0x0b);
const QColor MOLDURA(0xff, 0xc8, 0x3c);
const QColor TEXTO_VAZIO(0xb9, 0xa2, 0x83);

}  // namespace

FaixaDiagramas::FaixaDiagramas(Fachada& fachada, const FaixaPosicoes& faixa, MenuFigura& menu,
                               QWidget* pai)
    : QAbstractScrollArea(pai), fachada_(fachada), faixa_(faixa), menu_(menu) {
  setObjectName(QStringLiteral("faixaDiagramas"));
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::StrongFocus);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setCursor(Qt::PointingHandCursor);
  // A thin bar in the groove's wood, which the window's light controls would outshine.
  horizontalScrollBar()->setStyleSheet(QStringLiteral(
      "QScrollBar:horizontal { background: #24140b; height: 10px; border: none; }"
      "QScrollBar::handle:horizontal { background: #8a5a3a; border-radius: 4px;"
      " min-width: 40px; margin: 1px 0; }"
      "QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal { width: 0; }"
      "QScrollBar::add-page:horizontal, QScrollBar::sub-page:horizontal { background: none; }"));
}

int FaixaDiagramas::alturaCelula() const {
  // The bar's room is kept whether it shows or not, so the diagrams never change size.
  const int barra = horizontalScrollBar()->sizeHint().height();
  return std::max(16, height() - barra - 2 * MARGEM);
}

// In the diagrams' proportions, which the instrument's string count sets.
void FaixaDiagramas::medir() {
  const QSize tamanho = ImagemDiagrama(fachada_, GRADE_PEQUENA, ModoRotulo::DEDOS).tamanho();
  larguraCelula_ = qRound(alturaCelula() * static_cast<double>(tamanho.width()) / tamanho.height());
}

QRect FaixaDiagramas::caixa(int indice) const {
  const int x = MARGEM + indice * (larguraCelula_ + ESPACO) - horizontalScrollBar()->value();
  return {x, MARGEM, larguraCelula_, alturaCelula()};
}

int FaixaDiagramas::indiceEm(const QPoint& ponto) const {
  for (int i = 0; i < faixa_.tamanho(); ++i) {
    if (caixa(i).contains(ponto)) return i;
  }
  return -1;
}

void FaixaDiagramas::atualizar(bool mudou) {
  if (mudou) {
    imagens_.assign(static_cast<size_t>(faixa_.tamanho()), QPixmap());
    medir();
  }
  ajustarRolagem();
  mostrarAtual();
  viewport()->update();
}

void FaixaDiagramas::ajustarRolagem() {
  const int total = faixa_.tamanho() * (larguraCelula_ + ESPACO) - ESPACO + 2 * MARGEM;
  QScrollBar* barra = horizontalScrollBar();
  barra->setRange(0, std::max(0, total - viewport()->width()));
  barra->setPageStep(viewport()->width());
  barra->setSingleStep(larguraCelula_ + ESPACO);
}

// The framed diagram is scrolled into view.
void FaixaDiagramas::mostrarAtual() {
  const int atual = faixa_.getAtual();
  if (atual < 0) return;
  const QRect lugar = caixa(atual);
  QScrollBar* barra = horizontalScrollBar();
  if (lugar.left() < MARGEM) {
    barra->setValue(barra->value() + lugar.left() - MARGEM);
  } else if (lugar.right() > viewport()->width() - MARGEM) {
    barra->setValue(barra->value() + lugar.right() - viewport()->width() + MARGEM);
  }
}

const QPixmap& FaixaDiagramas::imagem(int indice) {
  QPixmap& guardada = imagens_[static_cast<size_t>(indice)];
  if (!guardada.isNull()) return guardada;
  const ImagemDiagrama desenho(fachada_, GRADE_PEQUENA, ModoRotulo::DEDOS);
  const double pixels = devicePixelRatioF();
  const double escala = alturaCelula() * pixels / desenho.tamanho().height();
  guardada =
      QPixmap::fromImage(desenho.imagem(faixa_.getPosicoes()[static_cast<size_t>(indice)], escala));
  guardada.setDevicePixelRatio(pixels);
  return guardada;
}

void FaixaDiagramas::paintEvent(QPaintEvent*) {
  QPainter pintor(viewport());
  pintor.fillRect(viewport()->rect(), FUNDO);
  if (faixa_.vazia()) {
    pintarVazia(pintor);
    return;
  }
  if (imagens_.size() != static_cast<size_t>(faixa_.tamanho())) {
    imagens_.assign(static_cast<size_t>(faixa_.tamanho()), QPixmap());
  }
  pintor.setRenderHint(QPainter::Antialiasing);
  // Only the diagrams in view are drawn, and each only once.
  for (int i = 0; i < faixa_.tamanho(); ++i) {
    const QRect lugar = caixa(i);
    if (lugar.right() < 0 || lugar.left() > viewport()->width()) continue;
    pintor.drawPixmap(lugar.topLeft(), imagem(i));
  }
  const int atual = faixa_.getAtual();
  if (atual < 0) return;
  const QRectF moldura = QRectF(caixa(atual)).adjusted(-2.5, -2.5, 2.5, 2.5);
  pintor.setPen(QPen(MOLDURA, 3));
  pintor.setBrush(Qt::NoBrush);
  pintor.drawRoundedRect(moldura, 3, 3);
  if (hasFocus()) {
    pintor.setPen(QPen(Qt::white, 1, Qt::DotLine));
    pintor.drawRoundedRect(moldura.adjusted(-3, -3, 3, 3), 4, 4);
  }
}

void FaixaDiagramas::pintarVazia(QPainter& pintor) {
  pintor.setPen(TEXTO_VAZIO);
  QFont letra = font();
  letra.setItalic(true);
  pintor.setFont(letra);
  pintor.drawText(viewport()->rect().adjusted(12, 0, -12, 0), Qt::AlignCenter | Qt::TextWordWrap,
                  qt(fachada_.getTexto("fmPrincipal", "lblFaixaVazia")));
}

void FaixaDiagramas::mousePressEvent(QMouseEvent* evento) {
  const int indice = indiceEm(evento->position().toPoint());
  if (indice < 0) return QAbstractScrollArea::mousePressEvent(evento);
  if (evento->button() == Qt::LeftButton) {
    emit escolhida(indice);
  } else if (evento->button() == Qt::RightButton) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("menuFiguraDiagrama"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu_.acrescentar(*menu, figura(faixa_.getPosicoes()[static_cast<size_t>(indice)]));
    menu->popup(viewport()->mapToGlobal(evento->position().toPoint()));
  }
}

Figura FaixaDiagramas::figura(const PosicaoHarmonicaInstrumentoCordas& posicao) const {
  const ImagemDiagrama desenho(fachada_, GRADE_FIGURA, rotulo_);
  return {[desenho, posicao] { return desenho.imagem(posicao); },
          [desenho, posicao] { return desenho.svg(posicao); }, qt(posicao.getNome())};
}

void FaixaDiagramas::keyPressEvent(QKeyEvent* evento) {
  const int atual = faixa_.getAtual();
  int destino = -1;
  switch (evento->key()) {
    case Qt::Key_Left: destino = atual - 1; break;
    case Qt::Key_Right: destino = atual + 1; break;
    case Qt::Key_Home: destino = 0; break;
    case Qt::Key_End: destino = faixa_.tamanho() - 1; break;
    default: return QAbstractScrollArea::keyPressEvent(evento);
  }
  if (destino >= 0 && destino < faixa_.tamanho() && destino != atual) emit escolhida(destino);
}

// The mouse wheel runs along the row.
void FaixaDiagramas::wheelEvent(QWheelEvent* evento) {
  const QPoint passo = evento->angleDelta();
  QScrollBar* barra = horizontalScrollBar();
  barra->setValue(barra->value() - (passo.y() != 0 ? passo.y() : passo.x()));
  evento->accept();
}

void FaixaDiagramas::resizeEvent(QResizeEvent* evento) {
  QAbstractScrollArea::resizeEvent(evento);
  // Another size needs pictures of its own.
  if (tamanhoImagens_ != size()) {
    tamanhoImagens_ = size();
    imagens_.assign(static_cast<size_t>(faixa_.tamanho()), QPixmap());
    medir();
  }
  ajustarRolagem();
  mostrarAtual();
}

void FaixaDiagramas::focusInEvent(QFocusEvent* evento) {
  QAbstractScrollArea::focusInEvent(evento);
  viewport()->update();
}

void FaixaDiagramas::focusOutEvent(QFocusEvent* evento) {
  QAbstractScrollArea::focusOutEvent(evento);
  viewport()->update();
}

}  // namespace tessara
