#pragma once

#include <array>
#include <vector>

namespace tessara {

// Where strings and fret positions lie on the fretboard picture, for 4, 5 and 6 strings, the
// four orientations and the two 6-string artworks. The pictures are drawn from these same
// tables, so what the user sees and what a click hits agree by construction.
class GeometriaBraco {
 public:
  // The picture area, and the background picture centred in it.
  static constexpr int LARGURA = 797;
  static constexpr int ALTURA = 325;
  static constexpr int LARGURA_FUNDO = 798;
  static constexpr int ALTURA_FUNDO = 326;
  // Marker slots: one per string; an instrument with more strings shows the first six.
  static constexpr int SLOTS = 6;
  static constexpr int NUMERO_ORIENTACOES = 4;
  // Half the hit window around a fret position and around a string (strict bounds).
  static constexpr int RAIO_CASA = 17;
  static constexpr int RAIO_CORDA = 12;
  static constexpr int DISTANCIA_CORDAS = 24;
  // Centre x of the right-hand markers, beside the nut.
  static constexpr int X_MAO_FRENTE = 18;
  static constexpr int X_MAO_JOGADOR = 774;
  // A dot or a label: its box, whose top-left corner is the centre minus half of it.
  static constexpr int LARGURA_MARCADOR = 24;
  static constexpr int ALTURA_MARCADOR = 23;
  static constexpr int LADO_PONTO = 23;

  // Orientations: 0 front view with string 0 at the top, 1 front view inverted, 2 the
  // player's view with string 0 at the bottom, 3 the player's view inverted. Any other value
  // is taken as 0. String counts other than 4, 5 or 6 take the layout of the nearest one.
  GeometriaBraco(int numeroCordas, int orientacao, bool conjuntoBrasileiro);

  int getOrientacao() const { return orientacao_; }
  // Front view: the nut on the right, the neck running left.
  bool vistaFrente() const { return orientacao_ <= 1; }
  bool cordaZeroNoTopo() const { return orientacao_ == 0 || orientacao_ == 3; }
  // 0 for 6 strings, 1 for 5, 2 for 4: the row of the background pictures.
  int getGrupo() const { return grupo_; }

  // x of every fret position, index = fret (0 = open string).
  const std::vector<int>& getXCasas() const { return xCasas_; }
  // y of every string slot.
  const std::array<int, SLOTS>& getYCordas() const { return yCordas_; }
  int getXMao() const { return vistaFrente() ? X_MAO_FRENTE : X_MAO_JOGADOR; }

  // The first of the `numeroCordas` strings (at most six) within reach of y; -1 for none.
  int cordaEm(int y, int numeroCordas) const;
  // The first of `numeroPosicoes` fret positions (as far as the table goes) within reach of
  // x; -1 for none.
  int casaEm(int x, int numeroPosicoes) const;

  // The fret table of a string count (x in the front view, index = fret).
  static const std::vector<int>& tabela(int numeroCordas, bool conjuntoBrasileiro);
  static int grupo(int numeroCordas);
  // y of the top string slot.
  static int yBase(int numeroCordas);

 private:
  int orientacao_;
  int grupo_;
  std::vector<int> xCasas_;
  std::array<int, SLOTS> yCordas_{};
};

}  // namespace tessara
