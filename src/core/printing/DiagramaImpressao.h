#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "instruments/InstrumentoCordas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"
#include "printing/MarcasDiagrama.h"
#include "printing/MedidasPagina.h"
#include "printing/Superficie.h"

namespace tessara {

class Especialista;

// Draws one chord diagram as chord books do: the chord's name, the fret grid with one vertical
// line per string (the lowest on the left, heaviest) under a thick nut or beside the starting
// fret's number, an x over each muted string and a ring over each open one, and a black dot per
// pressed string (one rounded bar per barre) carrying a finger number, a note or an interval
// in white. An open string's note or interval stands under the grid.
class DiagramaImpressao {
 public:
  DiagramaImpressao(Superficie& superficie, const MedidasPagina& medidas, int rotulo,
                    const InstrumentoCordas& instrumento, const Especialista& especialista);

  // The diagram with its left string at x and its name's top at `topo`.
  void desenhar(const PosicaoHarmonicaInstrumentoCordas& posicao, int x, int topo);

  // The muted string's mark, U+00D7 in CP1252.
  static constexpr const char* MARCA_ABAFADA = "\xd7";

 private:
  void escreverNome(const std::string& nome, int x, int topo);
  // The grid's top, one line of the name's face below the name's top.
  double topoGrade(int topo) const;
  void escreverCasaInicial(int casaInicial, int x, double topoGrade);
  void desenharGrade(int x, double topoGrade, const MarcasDiagrama& marcas);
  void desenharAcima(const MarcasDiagrama& marcas);
  // `casas` and `dedos` are the fingering's.
  void desenharPressionadas(const PosicaoHarmonicaInstrumentoCordas& posicao,
                            const std::vector<int>& casas, const std::vector<int>& dedos,
                            const MarcasDiagrama& marcas, double topoGrade);
  // A label centred in a box, in the current font.
  void escreverCentrado(const MarcasDiagrama::Caixa& caixa, const std::string& rotulo);
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
