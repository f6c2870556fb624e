#pragma once

#include <QWidget>
#include <vector>

#include "telas/PainelOuvir.h"

namespace tessara {

// The tuner's needles: one row per open string, lowest string at the bottom as the player
// looks down at the instrument, each with its note, octave and frequency, and a scale from
// 50 cents flat to 50 cents sharp. The string nearest the note heard shows its needle: green
// within 5 cents, amber beyond.
class MostradorAfinacao : public QWidget {
  Q_OBJECT

 public:
  static constexpr int ALTURA_LINHA = 30;
  static constexpr double CENTS_ESCALA = 50;
  static constexpr double CENTS_AFINADO = 5;

  explicit MostradorAfinacao(QWidget* pai = nullptr);

  // The strings to draw, with the unit word for the cents ("cents").
  void mostrar(std::vector<PainelOuvir::Corda> cordas, const QString& unidade);
  const std::vector<PainelOuvir::Corda>& cordas() const { return cordas_; }

  QSize sizeHint() const override;
  // "+3", "-12", "+0": whole cents with their sign.
  static QString textoCents(double cents);

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  std::vector<PainelOuvir::Corda> cordas_;
  QString unidade_;
};

}  // namespace tessara
