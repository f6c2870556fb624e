#include "BotaoSeletorAcorde.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

#include "app/Fachada.h"
#include "foundations/NomeIdioma.h"
#include "qt/TextoQt.h"

namespace tessara {

BotaoSeletorAcorde::BotaoSeletorAcorde(Fachada& fachada, QWidget* pai)
    : QPushButton(pai), fachada_(fachada), texto_(fachada, "fmPrincipal") {
  setObjectName(QStringLiteral("btnSeletorAcorde"));
  setText(texto_("btnSeletorAcorde") + QStringLiteral(" \u25B4"));
  setToolTip(texto_("hintBtnSeletorAcorde"));
  setAccessibleName(texto_("btnSeletorAcorde"));  // without the arrow
  // A child window: it takes the main window's style, its letters' size included.
  painel_ = new QFrame(this, Qt::Popup);
  painel_->setObjectName(QStringLiteral("painelSeletorAcorde"));
  painel_->setStyleSheet(QStringLiteral(
      "QFrame#painelSeletorAcorde { background: #4a2817; border: 1px solid #d9c9b4; }"
      "QLabel { color: #ffd94a; font-weight: bold; background: transparent; }"));
  auto* colunas = new QHBoxLayout(painel_);
  colunas->setContentsMargins(8, 6, 8, 8);
  colunas->setSpacing(8);
  raizes_ = coluna("lblSeletorRaiz", "listaSeletorRaiz", painel_);
  qualidades_ = coluna("lblSeletorQualidade", "listaSeletorQualidade", painel_);
  baixos_ = coluna("lblSeletorBaixo", "listaSeletorBaixo", painel_);
  preencher();
  connect(this, &QPushButton::clicked, this, [this] { abrir(); });
}

BotaoSeletorAcorde::~BotaoSeletorAcorde() = default;

QListWidget* BotaoSeletorAcorde::coluna(const char* chaveRotulo, const char* nome, QWidget* dono) {
  auto* caixa = new QVBoxLayout;
  caixa->setSpacing(3);
  auto* rotulo = new QLabel(texto_(chaveRotulo), dono);
  auto* lista = new QListWidget(dono);
  lista->setObjectName(QString::fromLatin1(nome));
  lista->setAccessibleName(rotulo->text());
  rotulo->setBuddy(lista);
  lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  caixa->addWidget(rotulo);
  caixa->addWidget(lista, 1);
  static_cast<QHBoxLayout*>(dono->layout())->addLayout(caixa);
  // A click or the arrow keys choose at once: the fretboard follows while the lists stay open.
  connect(lista, &QListWidget::currentRowChanged, this, [this] { escolher(); });
  connect(lista, &QListWidget::itemActivated, painel_, &QWidget::hide);
  return lista;
}

void BotaoSeletorAcorde::preencher() {
  const Gramatica gramatica =
      ehIdiomaPortugues(fachada_.getNomeIdiomaAtual()) ? Gramatica::Portugues : Gramatica::Ingles;
  if (seletor_ && seletor_->getGramatica() == gramatica) return;
  seletor_ = std::make_unique<SeletorAcorde>(
      gramatica, [this](const std::string& nome) { return fachada_.analisarAcorde(nome); });
  const QSignalBlocker b1(raizes_), b2(qualidades_), b3(baixos_);
  raizes_->clear();
  qualidades_->clear();
  baixos_->clear();
  baixos_->addItem(texto_("itemSemBaixo"));
  for (const char* raiz : SeletorAcorde::getRaizes()) {
    raizes_->addItem(QString::fromLatin1(raiz));
    baixos_->addItem(QStringLiteral("/") + QString::fromLatin1(raiz));
  }
  for (const std::string& simbolo : seletor_->getSimbolos()) {
    qualidades_->addItem(simbolo.empty() ? texto_("itemQualidadeMaior") : qt(simbolo));
  }
  marcarEscolha();
}

void BotaoSeletorAcorde::marcarEscolha() {
  const QSignalBlocker b1(raizes_), b2(qualidades_), b3(baixos_);
  raizes_->setCurrentRow(escolha_.raiz);
  qualidades_->setCurrentRow(escolha_.qualidade);
  baixos_->setCurrentRow(escolha_.baixo + 1);
}

void BotaoSeletorAcorde::seguir(const QString& nome) {
  preencher();
  const auto escolha = seletor_->ler(core(nome));
  if (!escolha) return;
  escolha_ = *escolha;
  marcarEscolha();
}

void BotaoSeletorAcorde::escolher() {
  escolha_.raiz = std::max(0, raizes_->currentRow());
  escolha_.qualidade = std::max(0, qualidades_->currentRow());
  escolha_.baixo = std::max(0, baixos_->currentRow()) - 1;
  emit escolhido(qt(seletor_->nome(escolha_)));
}

void BotaoSeletorAcorde::abrir() {
  preencher();
  marcarEscolha();
  // Wide enough for every symbol, tall enough for the twelve roots without scrolling.
  const int linha = raizes_->sizeHintForRow(0);
  const int alturaLista = linha * (SeletorAcorde::NUMERO_RAIZES + 1) + 6;
  for (QListWidget* lista : {raizes_, qualidades_, baixos_}) {
    lista->setFixedWidth(lista->sizeHintForColumn(0) + 2 * linha);
    lista->setFixedHeight(alturaLista);
  }
  qualidades_->setFixedWidth(qualidades_->width() + linha);  // its scroll bar
  painel_->adjustSize();
  const QWidget* base = ancora_ != nullptr ? ancora_ : this;
  QPoint lugar = base->mapToGlobal(QPoint(0, -painel_->height() - 3));
  const QScreen* tela = screen();
  if (tela != nullptr && lugar.y() < tela->availableGeometry().top()) {
    lugar = mapToGlobal(QPoint(0, height()));
  }
  painel_->move(lugar);
  painel_->show();
  qualidades_->setFocus();
}

}  // namespace tessara
