#include "TformAviso.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "app/Fachada.h"
#include "qt/TextoQt.h"

namespace tessara {

TformAviso::TformAviso(Fachada& fachada, QWidget* pai, AbridorAjuda::Navegador navegador)
    : DialogoSemBorda(fachada, qtLinhas(fachada.getTexto("geral", "nomeAplicacao")), LARGURA,
                      ALTURA, pai),
      abridor_(fachada, std::move(navegador)),
      ajuda_(fachada.getCaminhoAjuda()) {
  setObjectName(QStringLiteral("TformAviso"));

  mensagem_ = new QLabel(this);
  mensagem_->setObjectName(QStringLiteral("memoMensagem"));
  mensagem_->setGeometry(28, 102, 345, 97);
  mensagem_->setAlignment(Qt::AlignCenter);
  mensagem_->setWordWrap(true);
  mensagem_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  mensagem_->setStyleSheet(QStringLiteral("color: #2b1a10; font-size: 13px;"));

  prosseguir_ = new QPushButton(texto("fmAviso", "btnProsseguir"), this);
  prosseguir_->setObjectName(QStringLiteral("btnProsseguir"));
  prosseguir_->setGeometry(152, 216, 111, 26);
  prosseguir_->setDefault(true);
  connect(prosseguir_, &QPushButton::clicked, this, &QDialog::accept);

  botaoAjuda_ = botaoDoTopo("btnAjuda", QStringLiteral("?"), 344, texto("geral", "hintBtnAjuda"));
  connect(botaoAjuda_, &QToolButton::clicked, this, [this] { abridor_.abrirPagina(ajuda_); });

  fechar_ = botaoFechar();
}

int TformAviso::mostrarMensagem(const QString& texto, const std::filesystem::path& ajuda) {
  ajuda_ = ajuda;
  return mostrarMensagem(texto);
}

int TformAviso::mostrarMensagem(const QString& texto) {
  mensagem_->setText(texto);
  centralizar();
  return exec();
}

QString TformAviso::getTexto() const { return mensagem_->text(); }

void TformAviso::done(int resultado) {
  // Closed either way: the next notice starts from the general help again.
  ajuda_ = fachada_.getCaminhoAjuda();
  QDialog::done(resultado);
}

void TformAviso::paintEvent(QPaintEvent* evento) {
  DialogoSemBorda::paintEvent(evento);
  QPainter pintor(this);
  pintor.setRenderHint(QPainter::Antialiasing);
  // The message sits on a light card, like a page.
  pintor.setPen(Qt::NoPen);
  pintor.setBrush(QColor(0xfd, 0xfa, 0xf4));
  pintor.drawRoundedRect(QRectF(18, 40, 365, 168), 10, 10);
  // A red and a blue dot, as on the fretboard.
  pintor.setBrush(QColor(0xd0, 0x38, 0x30));
  pintor.drawEllipse(QPointF(48, 72), 11, 11);
  pintor.setBrush(QColor(0x3c, 0x72, 0xcc));
  pintor.drawEllipse(QPointF(74, 72), 11, 11);
}

void TformAviso::keyPressEvent(QKeyEvent* evento) {
  if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(evento);
}

}  // namespace tessara
