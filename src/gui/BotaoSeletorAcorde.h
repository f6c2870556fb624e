#pragma once

#include <QPushButton>
#include <memory>

#include "TextosJanela.h"
#include "telas/SeletorAcorde.h"

class QFrame;
class QListWidget;

namespace tessara {

class Fachada;

// The chord picker beside the name box: a button that opens three lists (root, quality in the
// language's symbols, bass) over the fretboard. Each choice names a chord at once, as typing it
// would; a typed name sets the lists when it is one of their chords.
class BotaoSeletorAcorde : public QPushButton {
  Q_OBJECT

 public:
  BotaoSeletorAcorde(Fachada& fachada, QWidget* pai);
  ~BotaoSeletorAcorde() override;

  // The lists follow that name when the picker can build it; otherwise they stay as they are.
  void seguir(const QString& nome);
  const SeletorAcorde::Escolha& getEscolha() const { return escolha_; }
  QFrame& getPainel() { return *painel_; }
  QListWidget& getRaizes() { return *raizes_; }
  QListWidget& getQualidades() { return *qualidades_; }
  QListWidget& getBaixos() { return *baixos_; }
  // Opens the lists above `ancora` (the name box, so that it stays in sight) or above the
  // button; below the button when there is no room above.
  void abrir();
  void ancorarEm(QWidget* ancora) { ancora_ = ancora; }

 signals:
  // A choice made in the lists: the chord's name.
  void escolhido(const QString& nome);

 private:
  QListWidget* coluna(const char* chaveRotulo, const char* nome, QWidget* dono);
  // The model and the lists in the language now loaded.
  void preencher();
  void marcarEscolha();
  void escolher();

  Fachada& fachada_;
  const TextosJanela texto_;
  std::unique_ptr<SeletorAcorde> seletor_;
  SeletorAcorde::Escolha escolha_;
  QWidget* ancora_ = nullptr;
  QFrame* painel_ = nullptr;
  QListWidget* raizes_ = nullptr;
  QListWidget* qualidades_ = nullptr;
  QListWidget* baixos_ = nullptr;
};

}  // namespace tessara
