#include "TformVisualizarImpressao.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>

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
  const int y = ALTURA_TOPO + 4;

  btnImprimir_ = new QPushButton(texto("fmVisualizarImpressao", "btnImprimir"), this);
  btnImprimir_->setObjectName(QStringLiteral("btnImprimir"));
  btnImprimir_->setGeometry(8, y, 78, 26);
  connect(btnImprimir_, &QPushButton::clicked, this, [this] {
    if (imprimir_) imprimir_();
  });

  auto* lblPagina = new QLabel(texto("fmVisualizarImpressao", "lblPagina"), this);
  lblPagina->setGeometry(94, y, 52, 26);
  lblPagina->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  spinPagina_ = new QSpinBox(this);
  spinPagina_->setObjectName(QStringLiteral("spinPagina"));
  spinPagina_->setGeometry(150, y, 50, 26);
  spinPagina_->setRange(1, 1);
  // Only the text's colour: the arrows keep the platform's look.
  spinPagina_->setStyleSheet(QStringLiteral("QSpinBox { color: #2b1a10; }"));
  spinPagina_->installEventFilter(this);
  connect(spinPagina_, &QSpinBox::valueChanged, this, [this] { exibirPagina(); });
  lblDe_ = new QLabel(this);
  lblDe_->setObjectName(QStringLiteral("lblDe"));
  lblDe_->setGeometry(206, y, 70, 26);

  comboZoom_ = new QComboBox(this);
  comboZoom_->setObjectName(QStringLiteral("comboZoom"));
  comboZoom_->setGeometry(LARGURA - 82, y, 74, 26);
  comboZoom_->addItems({QStringLiteral("100%"), QStringLiteral("200%"), QStringLiteral("300%")});
  connect(comboZoom_, &QComboBox::currentIndexChanged, this, [this] { exibirPagina(); });

  scrollVisualiza_ = new QScrollArea(this);
  scrollVisualiza_->setObjectName(QStringLiteral("scrollVisualiza"));
  scrollVisualiza_->setGeometry(8, y + 34, LARGURA - 16, ALTURA - y - 42);
  scrollVisualiza_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  scrollVisualiza_->setStyleSheet(
      QStringLiteral("QScrollArea { background: silver; border: 1px solid #2a140a; }"
                     "QScrollArea > QWidget > QWidget { background: silver; }"));
  imageVisualizar_ = new QLabel;
  imageVisualizar_->setObjectName(QStringLiteral("imageVisualizar"));
  scrollVisualiza_->setWidget(imageVisualizar_);
}

int TformVisualizarImpressao::pagina() const { return spinPagina_->value(); }

int TformVisualizarImpressao::zoom() const {
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
  // The pages are laid out: the pointer is no longer busy.
  if (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
  centralizar();
  return exec();
}

void TformVisualizarImpressao::exibirPagina() {
  fachada_.exibirPaginaVisualizacao(pagina(), zoom());
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
