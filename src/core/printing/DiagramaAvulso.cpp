#include "printing/DiagramaAvulso.h"

#include <algorithm>

#include "model/ModoRotulo.h"
#include "printing/DiagramaImpressao.h"

namespace tessara {

namespace {

int arredondar(double valor) { return static_cast<int>(valor + 0.5); }

}  // namespace

DiagramaAvulso::DiagramaAvulso(int alturaGrade, int rotulo, const InstrumentoCordas& instrumento)
    : rotulo_(rotulo), instrumento_(instrumento) {
  // In the printed page's proportions of width to height, pen and gaps.
  const double k = std::max(alturaGrade, 20);
  medidas_.alturaDiagrama = arredondar(k);
  medidas_.larguraDiagrama = arredondar(k * 330 / 420);
  medidas_.larguraCaneta = 2;
  medidas_.afastamento = std::max(2, arredondar(k / 20));
  const double af = medidas_.afastamento;
  const double espacoCordas = 0.2 * medidas_.larguraDiagrama;
  const double grade = std::max(0, instrumento.getNumeroCordas() - 1) * espacoCordas;
  // Room for the starting fret's number at the left, and for the name over a narrow grid.
  const double esquerda = espacoCordas / 2 + af + 0.22 * k;
  const double direita = std::max(espacoCordas / 2 + af, medidas_.larguraDiagrama - grade);
  x_ = arredondar(esquerda);
  const double largura = esquerda + grade + direita;
  // The name's line, the marks above the grid, the grid, and the open strings' labels under it.
  const double abaixo = rotulo == ModoRotulo::DEDOS ? 0 : af + 0.13 * k;
  tamanho_ = {arredondar(largura), arredondar(3 * af + 0.42 * k + k + abaixo)};
}

void DiagramaAvulso::desenhar(Superficie& superficie, const Especialista& especialista,
                              const PosicaoHarmonicaInstrumentoCordas& posicao) const {
  DiagramaImpressao(superficie, medidas_, rotulo_, instrumento_, especialista)
      .desenhar(posicao, x_, medidas_.afastamento);
}

}  // namespace tessara
