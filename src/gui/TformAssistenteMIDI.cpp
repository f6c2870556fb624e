#include "TformAssistenteMIDI.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>
#include <exception>
#include <utility>

#include "EstiloDialogo.h"
#include "ReprodutorPlano.h"
#include "app/Fachada.h"
#include "qt/TextoQt.h"

namespace tessara {

namespace {

constexpr int LARGURA_FIGURA = 170;
constexpr int X_TEXTO = LARGURA_FIGURA + 18;
constexpr int LARGURA_TEXTO = TformAssistenteMIDI::LARGURA - X_TEXTO - 16;
constexpr int Y_BOTOES = 214;
constexpr int LARGURA_BOTAO = 104;
constexpr int CANAL_TESTE = 1;
constexpr int PROGRAMA_TESTE = 0;

const char* const SECAO = "fmAssistenteMIDI";

// The desktop's volume controls, the most common first; each is tried until one starts.
struct ControleVolume {
  const char* programa;
  QStringList argumentos;
};

const ControleVolume CONTROLES_VOLUME[] = {
    {"pavucontrol", {}},
    {"gnome-control-center", {QStringLiteral("sound")}},
    {"kcmshell6", {QStringLiteral("kcm_pulseaudio")}},
};

}  // namespace

TformAssistenteMIDI::TformAssistenteMIDI(Fachada& fachada, QWidget* pai,
                                         std::unique_ptr<AgendaReproducao> agenda,
                                         Lancador lancador)
    : QDialog(pai),
      fachada_(fachada),
      lancador_(lancador ? std::move(lancador)
                         : Lancador([](const QString& programa, const QStringList& argumentos) {
                             return QProcess::startDetached(programa, argumentos);
                           })),
      reprodutor_(new ReprodutorPlano(fachada, std::move(agenda), this)) {
  setObjectName(QStringLiteral("TformAssistenteMIDI"));
  setModal(true);
  setFixedSize(LARGURA, ALTURA);
  setStyleSheet(EstiloDialogo::folha() +
                QStringLiteral("QLabel#lblTitulo1, QLabel#lblTitulo2 { font-size: 14px; "
                               "font-weight: bold; }"
                               "QPushButton:default { border-color: #ffd94a; }"));
  setWindowTitle(qtLinhas(fachada.getTexto("geral", "nomeAplicacao")) + QStringLiteral(" - ") +
                 texto("titulo"));

  const auto rotulo = [this](const char* nome, const QRect& lugar) {
    auto* r = new QLabel(this);
    r->setObjectName(QString::fromLatin1(nome));
    r->setGeometry(lugar);
    r->setWordWrap(true);
    r->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return r;
  };
  lblTitulo1_ = rotulo("lblTitulo1", {X_TEXTO, 12, LARGURA_TEXTO, 22});
  lblTitulo1_->setText(texto("lblTitulo1-A"));
  lblExplicacao1_ = rotulo("lblExplicacao1", {X_TEXTO, 36, LARGURA_TEXTO, 48});
  lblExplicacao1_->setText(texto("lblExplicacao1-A"));
  lblLinkVolume_ = rotulo("lblLinkVolume", {X_TEXTO, 86, LARGURA_TEXTO, 18});
  lblLinkVolume_->setText(QStringLiteral("<a href=\"volume\" style=\"color: #a8322a;\">%1</a>")
                              .arg(texto("lblLinkVolume").toHtmlEscaped()));
  lblLinkVolume_->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                          Qt::LinksAccessibleByKeyboard);
  lblLinkVolume_->setCursor(Qt::PointingHandCursor);
  connect(lblLinkVolume_, &QLabel::linkActivated, this, [this] { abrirControleVolume(); });
  lblTitulo2_ = rotulo("lblTitulo2", {X_TEXTO, 114, LARGURA_TEXTO, 22});
  lblExplicacao2_ = rotulo("lblExplicacao2", {X_TEXTO, 138, LARGURA_TEXTO, 70});

  // Yes and No stand where Go on and Cancel stand; Finish beside them.
  const int x1 = LARGURA - 16 - 3 * LARGURA_BOTAO - 16;
  const int x2 = x1 + LARGURA_BOTAO + 8;
  const int x3 = x2 + LARGURA_BOTAO + 8;
  btnProsseguir_ = botao("btnProsseguir", x1);
  btnEscutando_ = botao("btnEscutando", x1);
  btnCancelar_ = botao("btnCancelar", x2);
  btnNaoEscutando_ = botao("btnNaoEscutando", x2);
  btnFinalizar_ = botao("btnFinalizar", x3);
  btnFinalizar_->hide();
  connect(btnProsseguir_, &QPushButton::clicked, this, [this] { prosseguir(); });
  connect(btnEscutando_, &QPushButton::clicked, this, [this] { irPara(Passo::Ouvido); });
  connect(btnNaoEscutando_, &QPushButton::clicked, this, [this] {
    ++candidato_;
    irPara(Passo::Apresentar);
  });
  connect(btnCancelar_, &QPushButton::clicked, this, [this] { irPara(Passo::Cancelado); });
  connect(btnFinalizar_, &QPushButton::clicked, this, &QDialog::accept);
  connect(reprodutor_, &ReprodutorPlano::terminado, this, [this] { testeTerminado(); });
}

TformAssistenteMIDI::~TformAssistenteMIDI() = default;

QPushButton* TformAssistenteMIDI::botao(const char* chave, int x) {
  auto* b = new QPushButton(texto(chave), this);
  b->setObjectName(QString::fromLatin1(chave));
  b->setGeometry(x, Y_BOTOES, LARGURA_BOTAO, 28);
  return b;
}

int TformAssistenteMIDI::executar() {
  exec();
  return resultado_;
}

void TformAssistenteMIDI::showEvent(QShowEvent* evento) {
  // Every run starts from the first device, listed afresh (one may have been plugged in since);
  // a window restored by the desktop goes on.
  if (!evento->spontaneous()) {
    lerDispositivos();
    candidato_ = 0;
    passo_ = Passo::Apresentar;
    resultado_ = NENHUM_OUVIDO;
    tentou_ = false;
    montarPagina();
  }
  QDialog::showEvent(evento);
}

void TformAssistenteMIDI::lerDispositivos() {
  try {
    dispositivos_ = fachada_.getNomesDispositivos();
  } catch (const std::exception&) {
    dispositivos_.clear();  // no MIDI layer: nothing to try, the final page says so
  }
}

void TformAssistenteMIDI::irPara(Passo passo) {
  passo_ = passo;
  montarPagina();
}

void TformAssistenteMIDI::montarPagina() {
  if (candidato_ >= static_cast<int>(dispositivos_.size())) {
    mostrarFinal("lblTitulo2-D", "lblExplicacao2-D");
    return;
  }
  const bool perguntando = passo_ == Passo::Perguntar;
  switch (passo_) {
    case Passo::Apresentar:
      lblTitulo2_->setText(texto("lblTitulo2-A") + QLatin1Char(' ') +
                           QString::number(candidato_ + 1) + QLatin1Char(':'));
      lblExplicacao2_->setText(texto("lblExplicacao2-A1") + QStringLiteral(" \"") +
                               qt(dispositivos_[static_cast<size_t>(candidato_)]) +
                               QStringLiteral("\". \n\n") + texto("lblExplicacao2-A2"));
      break;
    case Passo::Perguntar:
      lblTitulo2_->setText(texto("lblTitulo2-B"));
      lblExplicacao2_->setText(texto("lblExplicacao2-B"));
      break;
    case Passo::Cancelado: reject(); return;
    case Passo::Ouvido:
      resultado_ = candidato_;
      mostrarFinal("lblTitulo2-C", "lblExplicacao2-C");
      return;
  }
  btnProsseguir_->setVisible(!perguntando);
  btnCancelar_->setVisible(!perguntando);
  btnEscutando_->setVisible(perguntando);
  btnNaoEscutando_->setVisible(perguntando);
  for (QPushButton* b : {btnProsseguir_, btnCancelar_, btnEscutando_, btnNaoEscutando_}) {
    b->setEnabled(true);
  }
  (perguntando ? btnEscutando_ : btnProsseguir_)->setDefault(true);
}

void TformAssistenteMIDI::mostrarFinal(const char* titulo, const char* explicacao) {
  lblTitulo2_->setText(texto(titulo));
  lblExplicacao2_->setText(texto(explicacao));
  btnEscutando_->hide();
  btnNaoEscutando_->hide();
  btnProsseguir_->hide();
  btnCancelar_->show();
  btnCancelar_->setEnabled(false);
  btnFinalizar_->show();
  btnFinalizar_->setDefault(true);
  btnFinalizar_->setFocus();
}

void TformAssistenteMIDI::prosseguir() {
  tentou_ = true;
  try {
    fachada_.selecionarDispositivo(candidato_);
    fachada_.setProgramaMIDI(CANAL_TESTE, PROGRAMA_TESTE);
  } catch (const std::exception&) {
    // A device that does not open plays nothing: the user hears nothing and answers No.
  }
  // The window stays responsive while the run plays, but nothing can be answered yet.
  btnProsseguir_->setEnabled(false);
  btnCancelar_->setEnabled(false);
  reprodutor_->tocar(PlanoReproducao::deTeste(PRIMEIRA_NOTA_TESTE, ULTIMA_NOTA_TESTE));
}

void TformAssistenteMIDI::testeTerminado() {
  // Stopped because the window closed: there is nothing left to ask.
  if (!isVisible() || passo_ != Passo::Apresentar) return;
  irPara(Passo::Perguntar);
}

void TformAssistenteMIDI::abrirControleVolume() {
  for (const auto& controle : CONTROLES_VOLUME) {
    if (lancador_(QString::fromLatin1(controle.programa), controle.argumentos)) return;
  }
  fachada_.mostrarMensagem(fachada_.getTexto(SECAO, "erroAbrirVolume"),
                           fachada_.getTexto(SECAO, "titulo"));
}

void TformAssistenteMIDI::restaurarSaida() {
  try {
    fachada_.selecionarDispositivo(std::max(0, fachada_.getDriver()));
  } catch (const std::exception&) {
    // As at start: without that device the program is simply silent.
  }
}

void TformAssistenteMIDI::done(int resultado) {
  const bool decidido =
      passo_ == Passo::Ouvido || candidato_ >= static_cast<int>(dispositivos_.size());
  // Closed before a device was heard or every one tried, in any way: cancelled.
  if (!decidido) resultado_ = CANCELADO;
  QDialog::done(resultado);
  if (reprodutor_->tocando()) reprodutor_->parar();
  if (tentou_) {
    // A run cancelled or with nothing heard leaves the output as it was configured, not on the
    // last device tried.
    if (resultado_ < 0) restaurarSaida();
    try {
      fachada_.aplicarSomInstrumento();
    } catch (const std::exception&) {
    }
  }
  btnFinalizar_->hide();
  btnCancelar_->setEnabled(true);
}

void TformAssistenteMIDI::paintEvent(QPaintEvent* evento) {
  QDialog::paintEvent(evento);
  QPainter pintor(this);
  pintor.setRenderHint(QPainter::Antialiasing);
  QLinearGradient madeira(0, 0, 0, height());
  madeira.setColorAt(0, QColor(0x6b, 0x3a, 0x22));
  madeira.setColorAt(1, QColor(0x3b, 0x1d, 0x10));
  pintor.fillRect(0, 0, LARGURA_FIGURA, height(), madeira);
  // A loudspeaker with its sound waves, in the fretboard's dot colours.
  const QPointF centro(62, height() / 2.0);
  QPainterPath alto;
  alto.addRect(centro.x() - 30, centro.y() - 16, 20, 32);
  alto.moveTo(centro.x() - 10, centro.y() - 16);
  alto.lineTo(centro.x() + 14, centro.y() - 38);
  alto.lineTo(centro.x() + 14, centro.y() + 38);
  alto.lineTo(centro.x() - 10, centro.y() + 16);
  alto.closeSubpath();
  pintor.setPen(QPen(QColor(0x2a, 0x14, 0x0a), 2));
  pintor.setBrush(QColor(0xf4, 0xe9, 0xd8));
  pintor.drawPath(alto);
  pintor.setBrush(Qt::NoBrush);
  const QColor ondas[] = {QColor(0xd0, 0x38, 0x30), QColor(0x3c, 0x72, 0xcc),
                          QColor(0xf4, 0xe9, 0xd8)};
  for (int i = 0; i < 3; ++i) {
    const double raio = 20 + 14 * i;
    pintor.setPen(QPen(ondas[i], 4, Qt::SolidLine, Qt::RoundCap));
    pintor.drawArc(QRectF(centro.x() + 14 - raio, centro.y() - raio, 2 * raio, 2 * raio), -40 * 16,
                   80 * 16);
  }
}

}  // namespace tessara
