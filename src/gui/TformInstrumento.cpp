#include "TformInstrumento.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "EstiloDialogo.h"
#include "app/Fachada.h"
#include "model/Notas.h"
#include "qt/TextoQt.h"
#include "telas/MenuNotas.h"
#include "telas/ProgramasMidi.h"

namespace tessara {

namespace {

constexpr int CANAL = 1;
constexpr int VELOCIDADE = 127;
constexpr int CORDAS_OFERECIDAS[] = {4, 5, 6};

// A string drawn across its button, thicker for the lower strings.
QString estiloCorda(int linha) {
  const double meio = 0.5;
  const double metade = 0.02 + 0.008 * linha;
  return QStringLiteral(
             "QPushButton { border: none; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
             "stop:0 transparent, stop:%1 transparent, stop:%2 #e8d9a8, stop:%3 #8a7440, "
             "stop:%4 transparent, stop:1 transparent); }"
             "QPushButton:pressed { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
             "stop:0 transparent, stop:%1 transparent, stop:%2 #ffd94a, stop:%3 #c8322d, "
             "stop:%4 transparent, stop:1 transparent); }")
      .arg(meio - metade - 0.001)
      .arg(meio - metade)
      .arg(meio + metade)
      .arg(meio + metade + 0.001);
}

}  // namespace

TformInstrumento::TformInstrumento(Fachada& fachada, QWidget* pai)
    : QDialog(pai), fachada_(fachada), editor_(fachada) {
  setObjectName(QStringLiteral("TformInstrumento"));
  setStyleSheet(EstiloDialogo::folha());
  setModal(true);
  setMinimumWidth(460);
  auto* layout = new QVBoxLayout(this);
  montarCampos(layout);
  montarLinhas(layout);

  auto* botoes = new QHBoxLayout();
  botoes->addStretch();
  btnSalvar_ = new QPushButton(texto("btnSalvar"), this);
  btnSalvar_->setObjectName(QStringLiteral("btnSalvar"));
  btnSalvar_->setDefault(true);
  connect(btnSalvar_, &QPushButton::clicked, this, [this] { salvar(); });
  auto* cancelar = new QPushButton(texto("btnCancelar"), this);
  cancelar->setObjectName(QStringLiteral("btnCancelar"));
  connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
  botoes->addWidget(btnSalvar_);
  botoes->addWidget(cancelar);

  layout->addSpacing(8);
  layout->addLayout(botoes);
}

void TformInstrumento::montarCampos(QVBoxLayout* layout) {
  auto* campos = new QFormLayout();
  layout->addLayout(campos);
  editNome_ = new QLineEdit(this);
  editNome_->setObjectName(QStringLiteral("editNome"));
  editDescricao_ = new QLineEdit(this);
  editDescricao_->setObjectName(QStringLiteral("editDescricao"));
  comboCordas_ = new QComboBox(this);
  comboCordas_->setObjectName(QStringLiteral("comboCordas"));
  for (int n : CORDAS_OFERECIDAS) {
    comboCordas_->addItem(QString::number(n) + QLatin1Char(' ') + texto("palavraCordas"), n);
  }
  connect(comboCordas_, &QComboBox::activated, this,
          [this](int i) { mudarCordas(comboCordas_->itemData(i).toInt()); });
  spinCasas_ = new QSpinBox(this);
  spinCasas_->setObjectName(QStringLiteral("spinCasas"));
  comboSom_ = new QComboBox(this);
  comboSom_->setObjectName(QStringLiteral("comboSom"));
  comboSom_->setMaxVisibleItems(20);
  for (const char* nome : ProgramasMidi::nomes()) comboSom_->addItem(QString::fromLatin1(nome));
  campos->addRow(texto("lblNome"), editNome_);
  campos->addRow(texto("lblDescricao"), editDescricao_);
  campos->addRow(texto("lblCordas"), comboCordas_);
  campos->addRow(texto("lblCasas"), spinCasas_);
  // The box takes no value outside its range: this line says why.
  lblLimiteCasas_ = new QLabel(this);
  lblLimiteCasas_->setObjectName(QStringLiteral("lblLimiteCasas"));
  lblLimiteCasas_->setWordWrap(true);
  lblLimiteCasas_->setStyleSheet(QStringLiteral("font-style: italic;"));
  campos->addRow(QString(), lblLimiteCasas_);
  campos->addRow(texto("lblSomInstrumento"), comboSom_);
  layout->addSpacing(8);
  layout->addWidget(new QLabel(texto("lblAfinacao"), this));
}

void TformInstrumento::montarLinhas(QVBoxLayout* layout) {
  auto* linhas = new QVBoxLayout();
  layout->addLayout(linhas);
  linhas->setSpacing(0);
  const MenuNotas menu(fachada_.getTexto("fmCriarInstrumento", "textoOitavaGrave"),
                       fachada_.getTexto("fmCriarInstrumento", "textoOitavaMedia"),
                       fachada_.getTexto("fmCriarInstrumento", "textoOitavaAguda"));
  for (int linha = 0; linha < CamposInstrumento::LINHAS; ++linha) {
    auto* corda = new QPushButton(this);
    corda->setObjectName(QStringLiteral("corda%1").arg(linha));
    corda->setFixedSize(300, 26);
    corda->setStyleSheet(estiloCorda(linha));
    corda->setToolTip(texto("hintCorda"));
    connect(corda, &QPushButton::pressed, this, [this, linha] { tocarCorda(linha); });
    connect(corda, &QPushButton::released, this, &TformInstrumento::soltarCorda);
    corda->installEventFilter(this);

    auto* botaoNota = new QToolButton(this);
    botaoNota->setObjectName(QStringLiteral("nota%1").arg(linha));
    botaoNota->setToolTip(texto("hintNota"));
    botaoNota->setPopupMode(QToolButton::InstantPopup);
    botaoNota->setMinimumWidth(64);
    auto* escolhas = new QMenu(botaoNota);
    const auto acrescentar = [&](const std::vector<MenuNotas::Grupo>& grupos) {
      for (const auto& grupo : grupos) {
        QMenu* sub = escolhas->addMenu(qt(grupo.rotulo));
        for (const auto& escolha : grupo.escolhas) {
          sub->addAction(qt(escolha.rotulo), this,
                         [this, linha, n = escolha.nota] { escolherNota(linha, n); });
        }
      }
    };
    acrescentar(menu.porNota());
    escolhas->addSeparator();
    acrescentar(menu.porOitava());
    botaoNota->setMenu(escolhas);

    auto* fila = new QHBoxLayout();
    fila->addWidget(corda);
    fila->addWidget(botaoNota);
    fila->addStretch();
    linhas->addLayout(fila);
    cordas_[static_cast<size_t>(linha)] = corda;
    notas_[static_cast<size_t>(linha)] = botaoNota;
  }
}

void TformInstrumento::mostrarCampos() {
  editNome_->setText(qt(campos_.nome));
  editDescricao_->setText(qt(campos_.descricao));
  editDescricao_->setCursorPosition(0);
  comboCordas_->setCurrentIndex(comboCordas_->findData(campos_.cordas));
  spinCasas_->setRange(EditorInstrumento::MINIMO_CASAS,
                       EditorInstrumento::maximoCasas(campos_.cordas));
  spinCasas_->setValue(campos_.casas);
  const QString limite = texto("hintCasas")
                             .arg(EditorInstrumento::MINIMO_CASAS)
                             .arg(EditorInstrumento::maximoCasas(campos_.cordas))
                             .arg(campos_.cordas);
  lblLimiteCasas_->setText(limite);
  spinCasas_->setToolTip(limite);
  comboSom_->setCurrentIndex(campos_.som);
  for (int linha = 0; linha < CamposInstrumento::LINHAS; ++linha) {
    const auto i = static_cast<size_t>(linha);
    notas_[i]->setText(qt(nomeNotaOitava(campos_.notas[i])));
    cordas_[i]->setVisible(linha < campos_.cordas);
    notas_[i]->setVisible(linha < campos_.cordas);
  }
}

void TformInstrumento::lerCampos() {
  campos_.nome = core(editNome_->text());
  campos_.descricao = core(editDescricao_->text());
  campos_.cordas = comboCordas_->currentData().toInt();
  campos_.casas = spinCasas_->value();
  campos_.som = comboSom_->currentIndex();
}

void TformInstrumento::mudarCordas(int cordas) {
  lerCampos();
  campos_.cordas = cordas;
  campos_.casas = EditorInstrumento::maximoCasas(cordas);
  mostrarCampos();
}

void TformInstrumento::escolherNota(int linha, int nota) {
  campos_.notas[static_cast<size_t>(linha)] = nota;
  notas_[static_cast<size_t>(linha)]->setText(qt(nomeNotaOitava(nota)));
}

void TformInstrumento::tocarCorda(int linha) {
  soltarCorda();
  notaSoando_ = campos_.notas[static_cast<size_t>(linha)];
  fachada_.tocarNota(CANAL, VELOCIDADE, notaSoando_);
}

void TformInstrumento::soltarCorda() {
  if (notaSoando_ < 0) return;
  fachada_.pararNota(CANAL, notaSoando_);
  notaSoando_ = -1;
  for (auto* corda : cordas_) corda->setDown(false);
}

// A press can end without a release reaching the button: focus taken by another window, the
// button or the dialog hidden. The note must not go on sounding.
bool TformInstrumento::eventFilter(QObject* objeto, QEvent* evento) {
  switch (evento->type()) {
    case QEvent::FocusOut:
    case QEvent::Leave:
    case QEvent::Hide: soltarCorda(); break;
    default: break;
  }
  return QDialog::eventFilter(objeto, evento);
}

void TformInstrumento::hideEvent(QHideEvent* evento) {
  soltarCorda();
  QDialog::hideEvent(evento);
}

bool TformInstrumento::criar() {
  modoEdicao_ = false;
  indiceEditado_ = -1;
  setWindowTitle(texto("tituloCriar"));
  btnSalvar_->setText(texto("btnCriar"));
  campos_ = CamposInstrumento();
  return executar();
}

bool TformInstrumento::editar(int indice) {
  modoEdicao_ = true;
  indiceEditado_ = indice;
  setWindowTitle(texto("tituloEditar"));
  btnSalvar_->setText(texto("btnSalvar"));
  campos_ = EditorInstrumento::campos(fachada_.getInstrumento(indice), campos_);
  return executar();
}

bool TformInstrumento::executar() {
  indiceSalvo_ = -1;
  mostrarCampos();
  editNome_->setFocus();
  return exec() == QDialog::Accepted;
}

void TformInstrumento::salvar() {
  lerCampos();
  const auto salvo = editor_.salvar(campos_, modoEdicao_ ? indiceEditado_ : -1);
  if (salvo.resultado != EditorInstrumento::Resultado::Salvo) {
    fachada_.mostrarMensagem(salvo.mensagem, fachada_.getTexto("geral", "nomeAplicacao"));
    return;
  }
  indiceSalvo_ = salvo.indice;
  accept();
}

}  // namespace tessara
