#include "TformVisualizarImpressao.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <algorithm>

#include "app/Fachada.h"
#include "foundations/Imagem.h"
#include "qt/ImagemQt.h"
#include "qt/TextoQt.h"

namespace tessara {

TformVisualizarImpressao::TformVisualizarImpressao(Fachada& fachada, QWidget* pai)
    : DialogoSemBorda(fachada, qtLinhas(fachada.getTexto("fmVisualizarImpressao", "titulo")),
                      LARGURA, ALTURA, pai),
      palavraPaginas_(texto("fmVisualizarImpressao", "lblDe")) {
  setObjectName(QStringLiteral("TformVisualizarImpressao"));
  botaoFechar();

  btnImprimir_ = new QPushButton(texto("fmVisualizarImpressao", "btnImprimir"), this);
  btnImprimir_->setObjectName(QStringLiteral("btnImprimir"));
  connect(btnImprimir_, &QPushButton::clicked, this, [this] {
    if (imprimir_) imprimir_();
  });

  lblPagina_ = new QLabel(texto("fmVisualizarImpressao", "lblPagina"), this);
  lblPagina_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  spinPagina_ = new QSpinBox(this);
  spinPagina_->setObjectName(QStringLiteral("spinPagina"));
  spinPagina_->setRange(1, 1);
  // Only the text's colour: the arrows keep the platform's look.
  spinPagina_->setStyleSheet(QStringLiteral("QSpinBox { color: #2b1a10; }"));
  spinPagina_->installEventFilter(this);
  connect(spinPagina_, &QSpinBox::valueChanged, this, [this] { exibirPagina(); });
  lblDe_ = new QLabel(this);
  lblDe_->setObjectName(QStringLiteral("lblDe"));

  comboZoom_ = new QComboBox(this);
  comboZoom_->setObjectName(QStringLiteral("comboZoom"));
  comboZoom_->addItems({texto("fmVisualizarImpressao", "itemAjustarLargura"),
                        QStringLiteral("100%"), QStringLiteral("200%"), QStringLiteral("300%")});
  connect(comboZoom_, &QComboBox::currentIndexChanged, this, [this] { exibirPagina(); });

  scrollVisualiza_ = new QScrollArea(this);
  scrollVisualiza_->setObjectName(QStringLiteral("scrollVisualiza"));
  scrollVisualiza_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  scrollVisualiza_->setStyleSheet(
      QStringLiteral("QScrollArea { background: silver; border: 1px solid #2a140a; }"
                     "QScrollArea > QWidget > QWidget { background: silver; }"));
  imageVisualizar_ = new QLabel;
  imageVisualizar_->setObjectName(QStringLiteral("imageVisualizar"));
  scrollVisualiza_->setWidget(imageVisualizar_);

  // While the window is being dragged larger, the page is laid out again once it rests.
  ajuste_.setSingleShot(true);
  ajuste_.setInterval(150);
  connect(&ajuste_, &QTimer::timeout, this, [this] {
    if (ajustarLargura() && zoom() != zoomMostrado_) exibirPagina();
  });

  dispor();
  tornarRedimensionavel();
  resize(tamanhoInicial());
}

QSize TformVisualizarImpressao::tamanhoInicial() const {
  // A page tall enough to read, in proportion to the screen.
  const QScreen* tela = screen();
  const int alturaTela = tela != nullptr ? tela->availableGeometry().height() : 0;
  const int altura = std::clamp(alturaTela - 120, ALTURA, 900);
  return {std::max(LARGURA, altura * 3 / 4), altura};
}

void TformVisualizarImpressao::dispor() {
  const int y = ALTURA_TOPO + 4;
  btnImprimir_->setGeometry(8, y, 78, 26);
  lblPagina_->setGeometry(94, y, 52, 26);
  spinPagina_->setGeometry(150, y, 50, 26);
  lblDe_->setGeometry(206, y, 70, 26);
  const int larguraZoom = std::max(74, comboZoom_->sizeHint().width());
  comboZoom_->setGeometry(std::max(280, width() - larguraZoom - 8), y, larguraZoom, 26);
  scrollVisualiza_->setGeometry(8, y + 34, width() - 16, height() - y - 42 - ALCA);
}

void TformVisualizarImpressao::resizeEvent(QResizeEvent* evento) {
  DialogoSemBorda::resizeEvent(evento);
  dispor();
  if (ajustarLargura() && isVisible()) ajuste_.start();
}

bool TformVisualizarImpressao::ajustarLargura() const { return comboZoom_->currentIndex() == 0; }

int TformVisualizarImpressao::pagina() const { return spinPagina_->value(); }

int TformVisualizarImpressao::zoom() const {
  if (ajustarLargura()) {
    // A page is 3.6 pixels wide per percent; room is kept for the vertical scroll bar.
    const int largura = scrollVisualiza_->width() - 2 * scrollVisualiza_->frameWidth() -
                        style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 4;
    return std::clamp(static_cast<int>(largura / 3.6), ZOOM_MINIMO, ZOOM_MAXIMO);
  }
  // "300%" without its last character.
  const QString rotulo = comboZoom_->currentText();
  return rotulo.left(rotulo.size() - 1).toInt();
}

void TformVisualizarImpressao::desenhar(const Imagem& pagina, int numeroPaginas, int largura,
                                        int altura) {
  {
    const QSignalBlocker bloqueio(spinPagina_);
    spinPagina_->setRange(1, std::max(1, numeroPaginas));
  }
  spinPagina_->setEnabled(numeroPaginas > 1);
  lblDe_->setText(palavraPaginas_ + QLatin1Char(' ') + QString::number(numeroPaginas));
  imageVisualizar_->setFixedSize(largura, altura);
  imageVisualizar_->setPixmap(pixmapDe(pagina));
}

int TformVisualizarImpressao::mostrar() {
  {
    const QSignalBlocker bloqueio(comboZoom_);
    comboZoom_->setCurrentIndex(0);
  }
  centralizar();
  dispor();  // a hidden window has its resize event only when shown
  // Laid out at 100 % by the caller; the page is laid out again to fit the width.
  if (zoom() != fachada_.getZoomVisualizacao()) exibirPagina();
  // The pages are laid out: the pointer is no longer busy.
  if (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
  return exec();
}

void TformVisualizarImpressao::exibirPagina() {
  zoomMostrado_ = zoom();
  fachada_.exibirPaginaVisualizacao(pagina(), zoomMostrado_);
}

void TformVisualizarImpressao::done(int resultado) {
  const QSignalBlocker bloqueio(spinPagina_);
  spinPagina_->setValue(1);
  DialogoSemBorda::done(resultado);
}

bool TformVisualizarImpressao::eventFilter(QObject* objeto, QEvent* evento) {
  // The page is chosen with the arrows; nothing can be typed into the selector.
  if (objeto == spinPagina_ && evento->type() == QEvent::KeyPress) {
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    const bool seta = tecla == Qt::Key_Up || tecla == Qt::Key_Down || tecla == Qt::Key_PageUp ||
                      tecla == Qt::Key_PageDown;
    if (!seta && tecla != Qt::Key_Escape) return true;
  }
  return DialogoSemBorda::eventFilter(objeto, evento);
}

}  // namespace tessara
