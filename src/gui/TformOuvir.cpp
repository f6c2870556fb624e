#include "TformOuvir.h"

#include <QHideEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <cmath>

#include "EstiloJanelas.h"
#include "MostradorAfinacao.h"
#include "NomesAcessiveis.h"
#include "app/Fachada.h"
#include "qt/TextoQt.h"

namespace tessara {

namespace {

constexpr char SECAO[] = "fmOuvir";
constexpr int MARGEM = 20;

QLabel* rotulo(QWidget* pai, const char* nome, const QRect& lugar, int pixels, bool negrito) {
  auto* l = new QLabel(pai);
  l->setObjectName(QString::fromLatin1(nome));
  l->setGeometry(lugar);
  // The windows' style sets every letter's size: a label of its own size says so in style too.
  l->setStyleSheet(QStringLiteral("font-size: %1px; font-weight: %2; background: transparent;")
                       .arg(pixels)
                       .arg(negrito ? QStringLiteral("bold") : QStringLiteral("normal")));
  return l;
}

}  // namespace

TformOuvir::TformOuvir(Fachada& fachada, QWidget* pai, std::unique_ptr<AgendaReproducao> agenda)
    : DialogoSemBorda(fachada, qtLinhas(fachada.getTexto(SECAO, "titulo")), LARGURA, ALTURA, pai),
      painel_(fachada),
      agenda_(agenda ? std::move(agenda) : std::make_unique<AgendaTimer>()) {
  setObjectName(QStringLiteral("TformOuvir"));
  setStyleSheet(estiloJanelas());
  setModal(false);
  botaoFechar();

  const int y = ALTURA_TOPO + 14;
  btnIniciar_ = new QPushButton(texto(SECAO, "btnIniciar"), this);
  btnIniciar_->setObjectName(QStringLiteral("btnIniciarOuvir"));
  btnIniciar_->setGeometry(MARGEM, y, 120, 30);
  btnIniciar_->setToolTip(texto(SECAO, "hintBtnIniciar"));
  btnIniciar_->setAutoDefault(false);
  connect(btnIniciar_, &QPushButton::clicked, this, [this] { escutando() ? parar() : iniciar(); });

  auto* nivel = rotulo(this, "lblNivel", {MARGEM + 140, y, 60, 30}, 13, false);
  nivel->setText(texto(SECAO, "lblNivel"));
  barraNivel_ = new QProgressBar(this);
  barraNivel_->setObjectName(QStringLiteral("barraNivel"));
  barraNivel_->setGeometry(MARGEM + 200, y + 7, LARGURA - MARGEM - 220, 16);
  barraNivel_->setRange(0, 100);
  barraNivel_->setTextVisible(false);
  barraNivel_->setToolTip(texto(SECAO, "hintNivel"));
  nivel->setBuddy(barraNivel_);

  lblAviso_ = rotulo(this, "lblAvisoOuvir", {MARGEM, y + 38, LARGURA - 2 * MARGEM, 40}, 13, false);
  lblAviso_->setWordWrap(true);
  lblAviso_->setStyleSheet(lblAviso_->styleSheet() + QStringLiteral("color: #ffd94a;"));

  lblNota_ = rotulo(this, "lblNotaOuvida", {MARGEM, y + 80, 130, 56}, 40, true);
  lblFrequencia_ = rotulo(this, "lblFrequencia",
                          {MARGEM + 140, y + 80, LARGURA - 2 * MARGEM - 140, 56}, 18, false);

  mostrador_ = new MostradorAfinacao(this);
  mostrador_->setGeometry(MARGEM, y + 146, LARGURA - 2 * MARGEM,
                          6 * MostradorAfinacao::ALTURA_LINHA);
  mostrador_->setToolTip(texto(SECAO, "hintMostrador"));
  mostrador_->setAccessibleName(texto(SECAO, "acessivelMostrador"));

  const int yAcorde = ALTURA - 76;
  auto* acorde = rotulo(this, "lblTituloAcorde", {MARGEM, yAcorde, 150, 56}, 16, false);
  acorde->setText(texto(SECAO, "lblAcorde"));
  lblAcorde_ = rotulo(this, "lblAcordeOuvido", {MARGEM + 150, yAcorde, 300, 56}, 36, true);
  lblAcorde_->setToolTip(texto(SECAO, "hintAcorde"));
  lblAcorde_->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
  acorde->setBuddy(lblAcorde_);

  NomesAcessiveis::aplicar(*this);
  atualizarTela();
}

TformOuvir::~TformOuvir() { agenda_->cancelar(); }

void TformOuvir::iniciar() {
  painel_.iniciar();
  if (painel_.ativo()) agenda_->agendar(INTERVALO, [this] { tique(); });
  atualizarTela();
}

void TformOuvir::parar() {
  agenda_->cancelar();
  painel_.parar();
  atualizarTela();
}

// Closed, not minimised: the input is given back.
void TformOuvir::hideEvent(QHideEvent* evento) {
  if (!evento->spontaneous()) parar();
  DialogoSemBorda::hideEvent(evento);
}

void TformOuvir::tique() {
  const bool novo = painel_.atualizar();
  atualizarTela();
  if (novo) emit acordeReconhecido(qt(painel_.acorde()));
  if (painel_.ativo()) agenda_->agendar(INTERVALO, [this] { tique(); });
}

void TformOuvir::atualizarTela() {
  const bool ativo = painel_.ativo();
  btnIniciar_->setText(texto(SECAO, ativo ? "btnParar" : "btnIniciar"));
  barraNivel_->setValue(static_cast<int>(std::lround(painel_.nivel() * 100)));
  const std::string aviso = painel_.aviso();
  lblAviso_->setText(aviso.empty() ? QString() : texto(SECAO, aviso.c_str()));
  lblAviso_->setAccessibleName(lblAviso_->text());

  const QString unidade = texto(SECAO, "unidadeCents");
  const std::string nota = painel_.nota();
  lblNota_->setText(nota.empty() ? QStringLiteral("\u2013") : qt(nota));
  lblFrequencia_->setText(
      nota.empty() ? QString()
                   : QStringLiteral("%1 Hz   %2 %3")
                         .arg(painel_.frequencia(), 0, 'f', 1)
                         .arg(MostradorAfinacao::textoCents(painel_.centsNota()), unidade));
  mostrador_->mostrar(painel_.cordas(), unidade);
  mostrador_->setAccessibleDescription(
      nota.empty() ? QString() : lblNota_->text() + QStringLiteral(", ") + lblFrequencia_->text());
  const std::string acorde = painel_.acorde();
  lblAcorde_->setText(acorde.empty() ? QStringLiteral("\u2013") : qt(acorde));
}

}  // namespace tessara
