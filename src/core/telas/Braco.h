#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/ModoRotulo.h"
#include "model/Notas.h"
#include "model/PosicaoHarmonicaInstrumentoCordas.h"
#include "scales/EscalaExibicao.h"
#include "sound/PlanoReproducao.h"
#include "telas/BarraBraco.h"
#include "telas/GeometriaBraco.h"
#include "telas/MarcadorBraco.h"
#include "telas/QuadroBraco.h"

namespace tessara {

class Fachada;
class PortaBraco;
class InstrumentoCordas;

// The model of the large fretboard: the fingering on show and under edit, or a scale display,
// and every marker drawn over the picture (whether it shows, where, which picture or text).
// A thin view paints the markers and hands clicks back. The current instrument is asked of
// the façade at every step, never kept.
class Braco {
 public:
  // The right-hand fingers, by index.
  static constexpr const char* LETRAS_MAO = "PIMA";
  // Beside the nut on a string the fingering does not play: U+00D7 in CP1252.
  static constexpr const char* MARCA_ABAFADA = "\xd7";
  // Half the x's width: at the picture's edge it moves in by as much as it would be cut.
  static constexpr int MEIA_MARCA_ABAFADA = 9;

  // What each string slot draws: its dot, the three labels of which the view mode shows one,
  // the right-hand marker beside the nut, and the mark of a string not played at the nut.
  struct MarcadoresCorda {
    MarcadorBraco ponto, dedo, nota, intervalo, maoPonto, maoRotulo, abafada;
  };
  // What a scale note draws, and where; only the label of the view mode shows. The dot is red
  // on the key's tonic.
  struct MarcadorEscala {
    MarcadorBraco ponto, dedo, nota, intervalo;
    int corda = 0;
    int casa = -1;  // -1: not drawn
  };

  // Starts empty, in the configured orientation (any value outside 0..3 counts as 0), asking
  // `porta` for what it needs of the logic.
  Braco(PortaBraco& porta, int orientacao);
  // The same over the façade.
  Braco(Fachada& fachada, int orientacao);
  ~Braco();

  // A fingering's frets are counted from the capo (PortaBraco::getCapo): it is drawn that many
  // frets up, sounds at pitch, and clicks behind the capo hit nothing.
  // Lays the strings and frets out for that orientation and the current instrument, takes the
  // chord manager's fingering when it knows the one on show by name, and places the markers.
  void aplicarPosicaoBraco(int orientacao);
  // After the instrument changed: the layout again, and a fingering of the old instrument's
  // size gives way to an empty one.
  void atualizarInstrumento();
  int getPosicaoBraco() const { return geometria_.getOrientacao(); }
  const GeometriaBraco& getGeometria() const { return geometria_; }
  // Whether the 6-string pictures are the Brazilian set (the language decides).
  bool conjuntoBrasileiro() const;

  // Fingers, notes or intervals; the caller then places the markers again.
  void setModoVisualizacao(int modo);
  int getModoVisualizacao() const { return modo_; }

  // Shows a copy of the fingering with its root (a pitch class or a MIDI note) marked; note
  // names with flats when `bemol`. Without a fingering the user is told and nothing changes.
  void exibirPosicao(const PosicaoHarmonicaInstrumentoCordas* posicao, int raiz, bool bemol);
  // The chord manager's current fingering.
  void exibirAcordeAtual();
  // The same for a chord manager's fingering already at hand.
  void exibirAcorde(const PosicaoHarmonicaInstrumentoCordas* posicao, int raiz, bool bemol);
  void esconderMarcadores();
  void escreverRotulos(int raiz, bool bemol);
  void marcarTonica(int raiz);
  // Names the fingering after its notes and root and shows it again.
  void renomear();
  void posicionarMarcadores();

  // The string or fret position under a point of the picture, -1 for none.
  int cordaEm(int y) const;
  int casaEm(int x) const;
  // Edits by a click; false, changing nothing, when the click hits no note place (or, for the
  // last three, no sounding note).
  bool alternarNota(int x, int y);
  bool existeNotaEm(int x, int y) const;
  bool definirTonicaEm(int x, int y);
  bool apagarNotaEm(int x, int y);
  // Steps back and forth through those edits; false when there is none to take. Showing
  // another fingering, clearing or emptying starts the history afresh.
  bool desfazer();
  bool refazer();

  // Every string of the fingering silent (its name and root kept for restaurarPosicao), the
  // scale put aside; the chord markers stay as they are.
  void limpar();
  // An empty fingering of the current instrument's size.
  void esvaziar();
  void restaurarPosicao();

  const PosicaoHarmonicaInstrumentoCordas& getPosicao() const { return posicao_; }
  // The sounding note of each string, -1 where it does not sound.
  std::vector<int> getNotas() const;
  int notaTonica() const;
  bool temNota() const;
  bool temDedilhado() const;

  // Scales: the scale manager's current display, or a given one.
  void exibirEscalaAtual();
  void exibirEscala(EscalaExibicao exibicao);
  void posicionarMarcadoresEscala();
  void restaurarEscala();
  bool temEscala() const { return escala_.has_value(); }
  const std::optional<EscalaExibicao>& getEscala() const { return escala_; }
  // The whole neck: every note of the key within the frets, the position on show framed and
  // its notes first (in playing order), then the others.
  void setBracoInteiro(bool inteiro);
  bool getBracoInteiro() const { return bracoInteiro_; }
  // The frame around the position on show, on the whole neck.
  const QuadroBraco& getQuadroPosicao() const { return quadro_; }

  // What playing the fingering or the scale on show does, and when.
  PlanoReproducao planoAcorde() const;
  PlanoReproducao planoEscala() const;
  // Applies a highlighting event of a plan (others are the output's).
  void aplicarDestaque(const EventoReproducao& evento);
  void destacarNotaEscala(int indice);
  void apagarDestaqueNotaEscala(int indice);
  // Every highlight off.
  void apagarDestaques();
  // Plays to the end, waiting on the output's clock (for front ends without an event loop).
  void tocarAcorde();
  void tocarEscala();

  const std::array<MarcadoresCorda, GeometriaBraco::SLOTS>& getCordas() const { return cordas_; }
  // The capo's bar, at the x of its fret, while a chord is shown with a capo.
  const MarcadorBraco& getBarraCapo() const { return barraCapo_; }
  const std::vector<MarcadorEscala>& getMarcadoresEscala() const { return marcadoresEscala_; }
  // The barres of the fingering on show, drawn under its dots.
  const std::vector<BarraBraco>& getPestanas() const { return pestanas_; }
  // How many scale markers the display on show uses (from the first).
  int getNumeroMarcadoresEscala() const { return marcadoresUsados_; }
  // How many of them are the position's notes, which playback highlights by index.
  int getNumeroNotasPosicao() const { return notasPosicao_; }

 private:
  const InstrumentoCordas* instrumento() const;
  int numeroCordas() const;
  int numeroPosicoes() const;
  std::vector<int> afinacao() const;
  // Whether string `corda` at fret `casa` can be drawn, hit and played.
  bool notaValida(int corda, int casa) const;
  bool soaNota(int corda) const;
  int primeiraCordaTocada() const;
  void ajustarTamanho();
  void novaGeometria(int orientacao);
  void posicionarLinhas();
  void recalcularDedos();
  void guardarEscala();
  // The current scale's key, by pitch class: its tonic (-1 unknown), which classes belong to
  // it, their names and intervals. Without a known scale and tonic: sharps, no intervals, the
  // display's own notes.
  struct TomEscala {
    int tonica = -1;
    std::array<bool, NUMERO_NOTAS> naEscala{};
    std::array<std::string, NUMERO_NOTAS> nomes;
    std::array<std::string, NUMERO_NOTAS> intervalos;
  };
  TomEscala tomEscala(const EscalaExibicao& exibicao);
  void prepararMarcadoresEscala(const EscalaExibicao& exibicao);
  MarcadorEscala marcadorEscala(int corda, int casa, const TomEscala& tom) const;
  void acrescentarRestoDoBraco(const TomEscala& tom);
  void posicionarQuadro();
  void colocarNaCorda(MarcadorBraco& marcador, int corda) const;
  void posicionarAbafadasEPestanas();
  int notaDaCorda(int corda, int casa) const;
  // A chord's frets are counted from the capo; the fretboard's from the nut.
  int capo() const;
  int casaReal(int casa) const;
  int notaDaForma(int corda, int casa) const;
  // The fret from the capo under x; -1 for none or one behind the capo.
  int casaDaFormaEm(int x) const;
  void posicionarCapo();

  std::unique_ptr<PortaBraco> propria_;  // when made over the façade
  PortaBraco& porta_;
  GeometriaBraco geometria_;
  PosicaoHarmonicaInstrumentoCordas posicao_;
  std::optional<PosicaoHarmonicaInstrumentoCordas> posicaoSalva_;
  std::optional<EscalaExibicao> escala_;
  std::optional<EscalaExibicao> escalaSalva_;
  std::string nomeEscalaSalva_;
  int modo_ = ModoRotulo::DEDOS;
  bool tonicaEscolhida_ = false;
  // The fingering before each edit by a click, and those undone.
  struct Edicao {
    PosicaoHarmonicaInstrumentoCordas posicao;
    bool tonicaEscolhida;
  };
  std::vector<Edicao> desfeitas_;
  std::vector<Edicao> refeitas_;
  void anotarEdicao();
  void esquecerEdicoes();
  void voltarA(std::vector<Edicao>& de, std::vector<Edicao>& para);
  std::array<MarcadoresCorda, GeometriaBraco::SLOTS> cordas_{};
  MarcadorBraco barraCapo_;
  std::vector<MarcadorEscala> marcadoresEscala_;
  std::vector<BarraBraco> pestanas_;
  int marcadoresUsados_ = 0;
  int notasPosicao_ = 0;
  bool bracoInteiro_ = false;
  QuadroBraco quadro_;
};

}  // namespace tessara
