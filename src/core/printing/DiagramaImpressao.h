#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "instruments/InstrumentoCordas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"
#include "printing/MedidasPagina.h"
#include "printing/Superficie.h"

namespace tessara {

class Especialista;

// Draws one chord diagram: the chord's name, a Roman numeral for the starting fret, the fret
// grid with one vertical line per string (the lowest on the left, heaviest) and a circle per
// played string carrying a finger number, a note name or an interval.
class DiagramaImpressao {
 public:
  DiagramaImpressao(Superficie& superficie, const MedidasPagina& medidas, int rotulo,
                    const InstrumentoCordas& instrumento, const Especialista& especialista);

  // The diagram with its left string at x and its name's top at `topo`.
  void desenhar(const PosicaoHarmonicaInstrumentoCordas& posicao, int x, int topo);

  // The fret the grid starts at: 0 (the nut) while every fret is below 5, else the lowest
  // fret pressed (no higher than the instrument's last fret).
  static int casaInicial(const std::vector<int>& casas, int numeroCasas);
  // "I", "II", ... for a fret above 0; the empty text for 0.
  static std::string numeroRomano(int casa);

 private:
  void escreverNome(const std::string& nome, int x, int topo);
  // Writes the starting fret's label; returns the grid's top.
  double escreverCasaInicial(int casaInicial, int x, int topo);
  void desenharGrade(int x, double topoGrade);
  void desenharCirculos(const PosicaoHarmonicaInstrumentoCordas& posicao, int x, double topoGrade,
                        int casaInicial);
  void desenharCirculo(double esquerda, double topo, const std::string& rotulo);
  // A circle's label; `acorde` spells the notes.
  std::string rotuloCorda(int nota, int dedo, std::optional<int> classeRaiz,
                          std::optional<int32_t> acorde) const;
  std::optional<int> classeRaiz(const PosicaoHarmonicaInstrumentoCordas& posicao) const;
  // The chord the fingering's name reads as, whose letters name its notes.
  std::optional<int32_t> codigo(const PosicaoHarmonicaInstrumentoCordas& posicao) const;
  int alturaRotulo() const;

  Superficie& superficie_;
  const MedidasPagina& medidas_;
  int rotulo_;
  const InstrumentoCordas& instrumento_;
  const Especialista& especialista_;
  double unidadeX_;
  double unidadeY_;
  double alturaFonte_;   // the base character height of a diagram
  double espacoCasas_;   // between two fret lines
  double espacoCordas_;  // between two strings, and a circle's diameter
};

}  // namespace tessara
